// SPDX-License-Identifier: MIT
// Tests of the unit converter panel's logic: selections, Convert, Add, Del, Del all, Use, enabling.
#include "C_VYXConvertNFO.h"
#include "C_VYXConverterModel.h"
#include "C_VYXExpressionEvaluator.h"
#include "C_VYXScriptedMessageBoxes.h"

#include <gtest/gtest.h>

#include <QMap>

#include <string>

namespace {

/// A document stand-in: evaluates a few known expressions, counts modifications, collects text.
class ConverterFixture : public ::testing::Test {
protected:
    C_VYXPanelContext Context() {
        C_VYXPanelContext context;
        context.evaluate = [this](const QString& line) {
            evaluatedLines.append(line);
            if (results.contains(line))
                return results.value(line);
            return line + QStringLiteral("\r\n"); // a plain number evaluates to itself
        };
        context.decimals = [this] { return decimals; };
        context.markModified = [this] { ++modifiedCount; };
        context.insertText = [this](const QString& text) { inserted.append(text); };
        return context;
    }

    /// Selects a category and both units by name, as the user would in the boxes.
    void Choose(C_VYXConverterModel& model, const QString& category, const QString& from,
                const QString& to) {
        model.SelectCategory(static_cast<int>(model.CategoryEntries().indexOf(category)));
        model.SelectFromUnit(static_cast<int>(model.UnitEntries().indexOf(from)));
        model.SelectToUnit(static_cast<int>(model.UnitEntries().indexOf(to)));
        ASSERT_EQ(model.CategoryName(), category);
        ASSERT_EQ(model.FromName(), from);
        ASSERT_EQ(model.ToName(), to);
    }

    C_VYXConvertNFO record;
    C_VYXScriptedMessageBoxes boxes;
    QMap<QString, QString> results;
    QStringList evaluatedLines;
    QStringList inserted;
    int decimals = 6;
    int modifiedCount = 0;
};

TEST_F(ConverterFixture, NewDocumentShowsFirstCategoryWithFirstTwoUnits) {
    C_VYXConverterModel model(record, Context(), boxes);
    EXPECT_EQ(model.CategoryEntries(),
              QStringList({"Area", "Energy", "Length", "Mass", "Power", "Presure", "Temperature",
                           "Velocity", "Volume"}));
    EXPECT_EQ(model.CategoryName(), QStringLiteral("Area"));
    EXPECT_EQ(model.FromName(), QStringLiteral("acres"));
    EXPECT_EQ(model.ToName(), QStringLiteral("cm²"));
    EXPECT_EQ(model.ValueText(), QStringLiteral("1"));
    EXPECT_TRUE(model.ResultText().isEmpty());
    EXPECT_TRUE(model.IsConvertEnabled());
    EXPECT_FALSE(model.IsAddEnabled());
    EXPECT_FALSE(model.IsDeleteEnabled());
    EXPECT_FALSE(model.IsUseEnabled());
    EXPECT_FALSE(model.IsDeleteAllEnabled());
    EXPECT_EQ(modifiedCount, 0);
}

struct ConvertCase {
    const char* name;
    const char* category;
    const char* from;
    const char* to;
    const char* value;
    int decimals;
    const char* result;
};

class ConvertFlowTest : public ConverterFixture,
                        public ::testing::WithParamInterface<ConvertCase> {};

TEST_P(ConvertFlowTest, ShowsRoundedResultAndKeepsIt) {
    const ConvertCase& c = GetParam();
    decimals = c.decimals;
    C_VYXConverterModel model(record, Context(), boxes);
    Choose(model, QString::fromUtf8(c.category), QString::fromUtf8(c.from),
           QString::fromUtf8(c.to));
    model.EditValueText(QString::fromUtf8(c.value));
    model.Convert();
    EXPECT_EQ(model.ResultText(), QString::fromUtf8(c.result));
    EXPECT_EQ(record.m_strLastResult, QString::fromUtf8(c.result));
    EXPECT_TRUE(model.IsAddEnabled());
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertFlowTest,
    // clang-format off
    ::testing::Values(
        ConvertCase{"MeterToFeet", "Length", "meter", "feet", "1", 6, "3.280840"},
        ConvertCase{"FeetToMeter", "Length", "feet", "meter", "1", 6, "0.304800"},
        ConvertCase{"KilowattToHorsepower", "Power", "kilo watt", "horsepower", "1", 6, "1.341022"},
        ConvertCase{"CelsiusToFahrenheit", "Temperature", "Celcius", "Farenheit", "100", 6,
                    "212.000000"},
        ConvertCase{"CelsiusToFahrenheitTwoDecimals", "Temperature", "Celcius", "Farenheit", "100",
                    2, "212.00"},
        ConvertCase{"CelsiusToKelvin", "Temperature", "Celcius", "Kelvin", "0", 6, "273.150000"},
        ConvertCase{"FahrenheitToCelsius", "Temperature", "Farenheit", "Celcius", "32", 6,
                    "0.000000"},
        ConvertCase{"NegativeResult", "Temperature", "Kelvin", "Celcius", "0", 3, "-273.150"},
        ConvertCase{"CommaDecimalPoint", "Mass", "Kilogram", "gram", "1,5", 1, "1500.0"},
        ConvertCase{"TenDecimals", "Volume", "liters", "gallons (UK)", "1", 10, "0.2199692483"}),
    // clang-format on
    [](const ::testing::TestParamInfo<ConvertCase>& info) { return std::string(info.param.name); });

TEST_F(ConverterFixture, ExpressionInValueFieldIsReplacedByItsResult) {
    results.insert(QStringLiteral("x*2"), QStringLiteral("2.5\r\n"));
    C_VYXConverterModel model(record, Context(), boxes);
    Choose(model, "Length", "meter", "feet");
    model.EditValueText(QStringLiteral("x*2"));
    EXPECT_EQ(record.m_dValue, 1.0); // taken only when Convert reads the field
    model.Convert();
    EXPECT_EQ(evaluatedLines, QStringList({"x*2"}));
    EXPECT_EQ(model.ValueText(), QStringLiteral("2.5"));
    EXPECT_EQ(record.m_dValue, 2.5);
    EXPECT_EQ(model.ResultText(), QStringLiteral("8.202100"));
}

TEST_F(ConverterFixture, SameUnitOnBothSidesCopiesTheEvaluatedValue) {
    results.insert(QStringLiteral("1/4"), QStringLiteral("0.25\r\n"));
    C_VYXConverterModel model(record, Context(), boxes);
    Choose(model, "Length", "feet", "feet");
    model.EditValueText(QStringLiteral("1/4"));
    model.Convert();
    EXPECT_EQ(model.ResultText(), QStringLiteral("0.25"));
    EXPECT_EQ(record.m_dValue, 0.25);
    EXPECT_TRUE(record.m_strLastResult.isEmpty());
}

TEST_F(ConverterFixture, EngineErrorInValueFieldIsReportedAndNothingConverted) {
    results.insert(QStringLiteral("1/0"), QStringLiteral("//ERRROR!! DIVISION BY ZERO!!\r\n"));
    C_VYXConverterModel model(record, Context(), boxes);
    Choose(model, "Length", "meter", "feet");
    model.EditValueText(QStringLiteral("1/0"));
    model.Convert();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.LastBox().caption, QStringLiteral("ERROR!!"));
    EXPECT_EQ(boxes.LastBox().text, QStringLiteral("Please enter a number."));
    EXPECT_EQ(model.ValueText(), QStringLiteral("//ERRROR!! DIVISION BY ZERO!!"));
    EXPECT_TRUE(model.ResultText().isEmpty());
    EXPECT_EQ(record.m_dValue, 1.0);
    EXPECT_FALSE(model.IsAddEnabled());
}

TEST_F(ConverterFixture, EditingTheValueClearsTheResultAndEmptyValueDisablesConvert) {
    C_VYXConverterModel model(record, Context(), boxes);
    Choose(model, "Length", "meter", "feet");
    model.Convert();
    ASSERT_FALSE(model.ResultText().isEmpty());
    const int before = modifiedCount;
    model.EditValueText(QStringLiteral("2"));
    EXPECT_TRUE(model.ResultText().isEmpty());
    EXPECT_TRUE(record.m_strLastResult.isEmpty());
    EXPECT_FALSE(model.IsAddEnabled());
    EXPECT_GT(modifiedCount, before);
    evaluatedLines.clear();
    model.EditValueText(QString());
    EXPECT_FALSE(model.IsConvertEnabled());
    model.Convert();
    EXPECT_TRUE(evaluatedLines.isEmpty());
    EXPECT_TRUE(model.ResultText().isEmpty());
}

TEST_F(ConverterFixture, CategoryChangeSelectsFirstTwoUnitsAndClearsResult) {
    C_VYXConverterModel model(record, Context(), boxes);
    Choose(model, "Length", "meter", "feet");
    model.Convert();
    const int before = modifiedCount;
    model.SelectCategory(static_cast<int>(model.CategoryEntries().indexOf("Mass")));
    EXPECT_EQ(model.UnitEntries(),
              QStringList({"gram", "Kilogram", "Pound", "Tonnes", "Tons(UK)", "Tons(US)"}));
    EXPECT_EQ(record.m_nCategoryIndex, 3);
    EXPECT_EQ(record.m_nFromIndex, 0);
    EXPECT_EQ(record.m_nToIndex, 1);
    EXPECT_EQ(model.FromName(), QStringLiteral("gram"));
    EXPECT_EQ(model.ToName(), QStringLiteral("Kilogram"));
    EXPECT_TRUE(model.ResultText().isEmpty());
    EXPECT_TRUE(record.m_strLastResult.isEmpty());
    EXPECT_FALSE(model.IsAddEnabled());
    EXPECT_GT(modifiedCount, before);
}

TEST_F(ConverterFixture, UnitChangeStoresIndexAndClearsResult) {
    C_VYXConverterModel model(record, Context(), boxes);
    Choose(model, "Length", "meter", "feet");
    model.Convert();
    model.SelectToUnit(static_cast<int>(model.UnitEntries().indexOf("inch")));
    EXPECT_EQ(record.m_nToIndex, model.UnitEntries().indexOf("inch"));
    EXPECT_TRUE(model.ResultText().isEmpty());
    EXPECT_FALSE(model.IsAddEnabled());
    model.Convert();
    EXPECT_EQ(model.ResultText(), QStringLiteral("39.370079"));
}

TEST_F(ConverterFixture, OutOfRangeSelectionIsIgnored) {
    C_VYXConverterModel model(record, Context(), boxes);
    model.SelectCategory(42);
    model.SelectFromUnit(-1);
    model.SelectToUnit(99);
    EXPECT_EQ(model.CategoryName(), QStringLiteral("Area"));
    EXPECT_EQ(model.FromName(), QStringLiteral("acres"));
    EXPECT_EQ(model.ToName(), QStringLiteral("cm²"));
    EXPECT_EQ(modifiedCount, 0);
    // Damaged indices in a loaded record fall back to the first entries too.
    C_VYXConvertNFO damaged;
    damaged.m_nCategoryIndex = 77;
    damaged.m_nFromIndex = -4;
    damaged.m_nToIndex = 1000;
    model.RefreshFromSettings(damaged);
    EXPECT_EQ(model.CategoryName(), QStringLiteral("Area"));
    EXPECT_EQ(model.FromName(), QStringLiteral("acres"));
    EXPECT_EQ(model.ToName(), QStringLiteral("cm²"));
}

TEST_F(ConverterFixture, RefreshRestoresSelectionsValueResultAndList) {
    record.m_nCategoryIndex = 2; // Length
    record.m_nFromIndex = 6;     // meter
    record.m_nToIndex = 2;       // feet
    record.m_dValue = 2.5;
    record.m_strLastResult = QStringLiteral("8.202100");
    record.m_savedConversions = {QStringLiteral("b entry"), QStringLiteral("A entry")};
    C_VYXConverterModel model(record, Context(), boxes);
    EXPECT_EQ(model.CategoryName(), QStringLiteral("Length"));
    EXPECT_EQ(model.FromName(), QStringLiteral("meter"));
    EXPECT_EQ(model.ToName(), QStringLiteral("feet"));
    EXPECT_EQ(model.ValueText(), QStringLiteral("2.5"));
    EXPECT_EQ(model.ResultText(), QStringLiteral("8.202100"));
    EXPECT_EQ(model.SavedEntries(), QStringList({"A entry", "b entry"}));
    EXPECT_TRUE(model.IsAddEnabled());
    EXPECT_TRUE(model.IsDeleteAllEnabled());
    EXPECT_EQ(modifiedCount, 0);
}

TEST_F(ConverterFixture, AddSavesValueUnitsAndResult) {
    C_VYXConverterModel model(record, Context(), boxes);
    model.Add(); // without a result nothing is saved
    EXPECT_TRUE(record.m_savedConversions.isEmpty());
    Choose(model, "Length", "meter", "feet");
    model.Convert();
    model.Add();
    EXPECT_EQ(record.m_savedConversions, QStringList({"1 meter = 3.280840 feet"}));
    EXPECT_EQ(model.SavedEntries(), record.m_savedConversions);
    EXPECT_TRUE(model.IsDeleteAllEnabled());
    EXPECT_FALSE(model.IsDeleteEnabled());
    EXPECT_EQ(model.MarkedEntry(), -1);
    model.EditFromBoxText(QStringLiteral("metres")); // the typed text of the box is used
    model.Add();
    EXPECT_EQ(record.m_savedConversions.last(), QStringLiteral("1 metres = 3.280840 feet"));
}

TEST_F(ConverterFixture, ListIsSortedAndDelRemovesTheMarkedEntry) {
    record.m_savedConversions = {QStringLiteral("3 c"), QStringLiteral("1 a"),
                                 QStringLiteral("2 b"), QStringLiteral("1 a")};
    C_VYXConverterModel model(record, Context(), boxes);
    EXPECT_EQ(model.SavedEntries(), QStringList({"1 a", "1 a", "2 b", "3 c"}));
    model.MarkEntry(2);
    EXPECT_TRUE(model.IsDeleteEnabled());
    EXPECT_TRUE(model.IsUseEnabled());
    model.Delete();
    EXPECT_EQ(record.m_savedConversions, QStringList({"3 c", "1 a", "1 a"}));
    EXPECT_EQ(model.SavedEntries(), QStringList({"1 a", "1 a", "3 c"}));
    EXPECT_FALSE(model.IsDeleteEnabled());
    model.MarkEntry(0);
    model.Delete(); // only the first of two equal entries goes
    EXPECT_EQ(record.m_savedConversions, QStringList({"3 c", "1 a"}));
}

TEST_F(ConverterFixture, DelWithoutMarkAndDelAllOnEmptyListDoNothing) {
    C_VYXConverterModel model(record, Context(), boxes);
    model.DeleteAll();
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_EQ(boxes.UnexpectedQuestions(), 0);
    record.m_savedConversions = {QStringLiteral("1 a")};
    model.RefreshFromSettings(record);
    model.MarkEntry(5);
    EXPECT_EQ(model.MarkedEntry(), -1);
    model.Delete();
    EXPECT_EQ(record.m_savedConversions.size(), 1);
}

TEST_F(ConverterFixture, DelAllAsksAndEmptiesTheListOnlyOnYes) {
    record.m_savedConversions = {QStringLiteral("1 a"), QStringLiteral("2 b")};
    C_VYXConverterModel model(record, Context(), boxes);
    boxes.QueueAnswer(C_VYXMessageBoxes::Answer::No);
    model.DeleteAll();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.LastBox().kind, C_VYXScriptedMessageBoxes::Kind::YesNo);
    EXPECT_EQ(boxes.LastBox().caption, QStringLiteral("Delete all?"));
    EXPECT_EQ(boxes.LastBox().text, QStringLiteral("Delete all convertions?"));
    EXPECT_EQ(record.m_savedConversions.size(), 2);
    EXPECT_EQ(model.SavedEntries().size(), 2);
    boxes.QueueAnswer(C_VYXMessageBoxes::Answer::Yes);
    model.DeleteAll();
    EXPECT_TRUE(record.m_savedConversions.isEmpty());
    EXPECT_TRUE(model.SavedEntries().isEmpty());
    EXPECT_FALSE(model.IsDeleteAllEnabled());
    EXPECT_GT(modifiedCount, 0);
}

TEST_F(ConverterFixture, UseInsertsTheMarkedEntryAsComment) {
    record.m_savedConversions = {QStringLiteral("1 meter = 3.280840 feet")};
    C_VYXConverterModel model(record, Context(), boxes);
    model.Use();
    EXPECT_TRUE(inserted.isEmpty());
    model.MarkEntry(0);
    model.Use();
    EXPECT_EQ(inserted, QStringList({"//1 meter = 3.280840 feet"}));
    EXPECT_GT(modifiedCount, 0);
}

TEST_F(ConverterFixture, RefreshTakesTheReplacedRecord) {
    C_VYXConverterModel model(record, Context(), boxes);
    C_VYXConvertNFO loaded;
    loaded.m_nCategoryIndex = 6; // Temperature
    loaded.m_nFromIndex = 0;     // Celcius
    loaded.m_nToIndex = 2;       // Kelvin
    loaded.m_dValue = 10;
    model.RefreshFromSettings(loaded);
    model.Convert();
    EXPECT_EQ(model.ResultText(), QStringLiteral("283.150000"));
    EXPECT_EQ(loaded.m_strLastResult, QStringLiteral("283.150000"));
    EXPECT_TRUE(record.m_strLastResult.isEmpty());
}

TEST(EvaluateExpressionText, CommaBecomesPointAndLineBreaksGo) {
    QString seen;
    const C_VYXExpressionEvaluator evaluator = [&seen](const QString& line) {
        seen = line;
        return QStringLiteral("3\r\n");
    };
    EXPECT_EQ(EvaluateExpressionText(evaluator, QStringLiteral("1,5*2")), QStringLiteral("3"));
    EXPECT_EQ(seen, QStringLiteral("1.5*2"));
    // Without an evaluator the text is empty.
    EXPECT_TRUE(
        EvaluateExpressionText(C_VYXExpressionEvaluator(), QStringLiteral("1+1")).isEmpty());
}

} // namespace
