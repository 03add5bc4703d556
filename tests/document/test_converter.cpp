// SPDX-License-Identifier: MIT
// Tests of the unit converter panel's logic: selections, Convert, Add, Del, Del all, Use, enabling.
#include "C_VYXConvertNFO.h"
#include "C_VYXConverterModel.h"
#include "C_VYXExpressionEvaluator.h"
#include "C_VYXScriptedMessageBoxes.h"

#include <gtest/gtest.h>

#include <QMap>

using namespace Qt::StringLiterals;

namespace {

/// A document stand-in: evaluates a few known expressions, counts modifications, collects text.
class ConverterFixture : public ::testing::Test {
protected:
    C_VYXPanelContext Context() {
        C_VYXPanelContext context;
        context.evaluate = [this](const QString& line) {
            evaluatedLines.append(line);
            return results.value(line, line + u"\r\n"_s); // a plain number evaluates to itself
        };
        context.decimals = [this] { return decimals; };
        context.markModified = [this] { ++modifiedCount; };
        context.insertText = [this](const QString& text) { inserted.append(text); };
        return context;
    }

    /// Selects a category and both units by name, as the user would in the boxes.
    static void Choose(C_VYXConverterModel& model, const QString& category, const QString& from,
                       const QString& to) {
        model.SelectCategory(int(model.CategoryEntries().indexOf(category)));
        model.SelectFromUnit(int(model.UnitEntries().indexOf(from)));
        model.SelectToUnit(int(model.UnitEntries().indexOf(to)));
        ASSERT_EQ(Selection(model), category + u": "_s + from + u" -> "_s + to);
    }
    static QString Selection(const C_VYXConverterModel& model) {
        return model.CategoryName() + u": "_s + model.FromName() + u" -> "_s + model.ToName();
    }
    /// The enabled buttons in panel order.
    static QStringList Enabled(const C_VYXConverterModel& model) {
        const std::pair<bool, QString> buttons[] = {{model.IsConvertEnabled(), u"Convert"_s},
                                                    {model.IsAddEnabled(), u"Add"_s},
                                                    {model.IsDeleteEnabled(), u"Del"_s},
                                                    {model.IsUseEnabled(), u"Use"_s},
                                                    {model.IsDeleteAllEnabled(), u"Del all"_s}};
        QStringList enabled;
        for (const auto& [on, name] : buttons)
            if (on)
                enabled.append(name);
        return enabled;
    }

    C_VYXConvertNFO record;
    C_VYXScriptedMessageBoxes boxes;
    QMap<QString, QString> results;
    QStringList evaluatedLines;
    QStringList inserted;
    int decimals = 6;
    int modifiedCount = 0;
};

TEST_F(ConverterFixture, NewDocumentShowsFirstCategoryWithFirstTwoUnitsAndIgnoresBadIndices) {
    C_VYXConverterModel model(record, Context(), boxes);
    EXPECT_EQ(model.CategoryEntries(),
              QStringList({"Area", "Energy", "Length", "Mass", "Power", "Presure", "Temperature",
                           "Velocity", "Volume"}));
    EXPECT_EQ(Selection(model), u"Area: acres -> cm²");
    EXPECT_EQ(model.ValueText(), u"1");
    EXPECT_TRUE(model.ResultText().isEmpty());
    EXPECT_EQ(Enabled(model), QStringList({"Convert"}));
    model.SelectCategory(42);
    model.SelectFromUnit(-1);
    model.SelectToUnit(99);
    EXPECT_EQ(Selection(model), u"Area: acres -> cm²");
    EXPECT_EQ(modifiedCount, 0);
    // Damaged indices in a loaded record fall back to the first entries too.
    C_VYXConvertNFO damaged;
    damaged.m_nCategoryIndex = 77;
    damaged.m_nFromIndex = -4;
    damaged.m_nToIndex = 1000;
    model.RefreshFromSettings(damaged);
    EXPECT_EQ(Selection(model), u"Area: acres -> cm²");
    // The model works on the record it was last given (File Open replaces it).
    model.Convert();
    EXPECT_EQ(damaged.m_strLastResult, model.ResultText());
    EXPECT_FALSE(damaged.m_strLastResult.isEmpty());
    EXPECT_TRUE(record.m_strLastResult.isEmpty());
}

TEST_F(ConverterFixture, ConvertShowsTheRoundedResultAndKeepsIt) {
    // clang-format off
    const struct { const char *category, *from, *to, *value; int decimals; const char* result; }
    cases[] = {
        {"Length", "meter", "feet", "1", 6, "3.280840"},
        {"Temperature", "Celcius", "Farenheit", "100", 2, "212.00"},
        {"Temperature", "Kelvin", "Celcius", "0", 3, "-273.150"},
        {"Mass", "Kilogram", "gram", "1,5", 1, "1500.0"}, // a comma is a decimal point
        {"Volume", "liters", "gallons (UK)", "1", 10, "0.2199692483"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        decimals = c.decimals;
        C_VYXConverterModel model(record, Context(), boxes);
        Choose(model, QString::fromUtf8(c.category), QString::fromUtf8(c.from),
               QString::fromUtf8(c.to));
        model.EditValueText(QString::fromUtf8(c.value));
        model.Convert();
        EXPECT_EQ(model.ResultText(), QString::fromUtf8(c.result));
        EXPECT_EQ(record.m_strLastResult, QString::fromUtf8(c.result));
        EXPECT_TRUE(model.IsAddEnabled());
    }
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(ConverterFixture, ValueFieldIsEvaluatedAndEditsClearTheResult) {
    results.insert(u"x*2"_s, u"2.5\r\n"_s);
    results.insert(u"1/0"_s, u"//ERRROR!! DIVISION BY ZERO!!\r\n"_s);
    C_VYXConverterModel model(record, Context(), boxes);
    Choose(model, "Length", "meter", "feet");
    model.EditValueText(u"x*2"_s);
    EXPECT_EQ(record.m_dValue, 1.0); // taken only when Convert reads the field
    model.Convert();
    EXPECT_EQ(evaluatedLines, QStringList({"x*2"}));
    EXPECT_EQ(model.ValueText(), u"2.5");
    EXPECT_EQ(record.m_dValue, 2.5);
    EXPECT_EQ(model.ResultText(), u"8.202100");
    // Editing clears the result and marks the document modified.
    const int before = modifiedCount;
    model.EditValueText(u"1/0"_s);
    EXPECT_TRUE(record.m_strLastResult.isEmpty());
    EXPECT_EQ(Enabled(model), QStringList({"Convert"}));
    EXPECT_GT(modifiedCount, before);
    // An engine error is reported and nothing converted.
    model.Convert();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.LastBox().caption, u"ERROR!!");
    EXPECT_EQ(boxes.LastBox().text, u"Please enter a number.");
    EXPECT_EQ(model.ValueText(), u"//ERRROR!! DIVISION BY ZERO!!");
    EXPECT_TRUE(model.ResultText().isEmpty());
    EXPECT_EQ(record.m_dValue, 2.5);
    EXPECT_FALSE(model.IsAddEnabled());
    // An empty value disables Convert and evaluates nothing.
    evaluatedLines.clear();
    model.EditValueText(QString());
    EXPECT_FALSE(model.IsConvertEnabled());
    model.Convert();
    EXPECT_TRUE(evaluatedLines.isEmpty());
    // The same unit on both sides copies the evaluated value and keeps no result.
    Choose(model, "Length", "feet", "feet");
    model.EditValueText(u"0.25"_s);
    model.Convert();
    EXPECT_EQ(model.ResultText(), u"0.25");
    EXPECT_TRUE(record.m_strLastResult.isEmpty());
}

TEST_F(ConverterFixture, SelectionChangesStoreTheIndicesAndClearTheResult) {
    C_VYXConverterModel model(record, Context(), boxes);
    Choose(model, "Length", "meter", "feet");
    model.Convert();
    model.SelectToUnit(int(model.UnitEntries().indexOf("inch")));
    EXPECT_EQ(record.m_nToIndex, model.UnitEntries().indexOf("inch"));
    EXPECT_TRUE(model.ResultText().isEmpty());
    model.Convert();
    EXPECT_EQ(model.ResultText(), u"39.370079");
    // A new category selects its first two units.
    const int before = modifiedCount;
    model.SelectCategory(int(model.CategoryEntries().indexOf("Mass")));
    EXPECT_EQ(model.UnitEntries(),
              QStringList({"gram", "Kilogram", "Pound", "Tonnes", "Tons(UK)", "Tons(US)"}));
    EXPECT_EQ(Selection(model), u"Mass: gram -> Kilogram");
    EXPECT_EQ(record.m_nCategoryIndex, 3);
    EXPECT_EQ(record.m_nFromIndex, 0);
    EXPECT_EQ(record.m_nToIndex, 1);
    EXPECT_TRUE(record.m_strLastResult.isEmpty());
    EXPECT_GT(modifiedCount, before);
}

TEST_F(ConverterFixture, RefreshRestoresSelectionsValueResultAndList) {
    record.m_nCategoryIndex = 2; // Length
    record.m_nFromIndex = 6;     // meter
    record.m_nToIndex = 2;       // feet
    record.m_dValue = 2.5;
    record.m_strLastResult = u"8.202100"_s;
    record.m_savedConversions = {u"b entry"_s, u"A entry"_s};
    C_VYXConverterModel model(record, Context(), boxes);
    EXPECT_EQ(Selection(model), u"Length: meter -> feet");
    EXPECT_EQ(model.ValueText(), u"2.5");
    EXPECT_EQ(model.ResultText(), u"8.202100");
    EXPECT_EQ(model.SavedEntries(), QStringList({"A entry", "b entry"}));
    EXPECT_EQ(Enabled(model), QStringList({"Convert", "Add", "Del all"}));
    EXPECT_EQ(modifiedCount, 0);
}

TEST_F(ConverterFixture, AddSavesValueUnitsAndResult) {
    C_VYXConverterModel model(record, Context(), boxes);
    model.Add(); // without a result nothing is saved
    EXPECT_TRUE(record.m_savedConversions.isEmpty());
    Choose(model, "Length", "meter", "feet");
    model.Convert();
    model.Add();
    EXPECT_EQ(model.SavedEntries(), QStringList({"1 meter = 3.280840 feet"}));
    EXPECT_EQ(Enabled(model), QStringList({"Convert", "Add", "Del all"}));
    EXPECT_EQ(model.MarkedEntry(), -1);
    model.EditFromBoxText(u"metres"_s); // the typed text of the box is used
    model.Add();
    EXPECT_EQ(record.m_savedConversions.last(), u"1 metres = 3.280840 feet");
}

TEST_F(ConverterFixture, SavedListIsSortedDelRemovesTheMarkedEntryUseInsertsIt) {
    record.m_savedConversions = {u"3 c"_s, u"1 a"_s, u"2 b"_s, u"1 a"_s};
    C_VYXConverterModel model(record, Context(), boxes);
    EXPECT_EQ(model.SavedEntries(), QStringList({"1 a", "1 a", "2 b", "3 c"}));
    model.MarkEntry(9);
    EXPECT_EQ(model.MarkedEntry(), -1);
    model.Delete(); // nothing marked
    model.Use();
    EXPECT_EQ(record.m_savedConversions.size(), 4);
    EXPECT_TRUE(inserted.isEmpty());
    model.MarkEntry(2);
    EXPECT_EQ(Enabled(model), QStringList({"Convert", "Del", "Use", "Del all"}));
    model.Use();
    EXPECT_EQ(inserted, QStringList({"//2 b"}));
    model.Delete();
    EXPECT_EQ(record.m_savedConversions, QStringList({"3 c", "1 a", "1 a"}));
    EXPECT_EQ(model.SavedEntries(), QStringList({"1 a", "1 a", "3 c"}));
    EXPECT_FALSE(model.IsDeleteEnabled());
    model.MarkEntry(0);
    model.Delete(); // only the first of two equal entries goes
    EXPECT_EQ(record.m_savedConversions, QStringList({"3 c", "1 a"}));
}

TEST_F(ConverterFixture, DelAllAsksOnlyForAListAndEmptiesItOnlyOnYes) {
    C_VYXConverterModel model(record, Context(), boxes);
    model.DeleteAll();
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    record.m_savedConversions = {u"1 a"_s, u"2 b"_s};
    model.RefreshFromSettings(record);
    boxes.QueueAnswer(C_VYXMessageBoxes::Answer::No);
    model.DeleteAll();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.LastBox().kind, C_VYXScriptedMessageBoxes::Kind::YesNo);
    EXPECT_EQ(boxes.LastBox().caption, u"Delete all?");
    EXPECT_EQ(boxes.LastBox().text, u"Delete all convertions?");
    EXPECT_EQ(model.SavedEntries().size(), 2);
    boxes.QueueAnswer(C_VYXMessageBoxes::Answer::Yes);
    model.DeleteAll();
    EXPECT_TRUE(record.m_savedConversions.isEmpty());
    EXPECT_TRUE(model.SavedEntries().isEmpty());
    EXPECT_FALSE(model.IsDeleteAllEnabled());
    EXPECT_GT(modifiedCount, 0);
}

TEST(EvaluateExpressionText, CommaBecomesPointAndLineBreaksGo) {
    QString seen;
    const C_VYXExpressionEvaluator evaluator = [&seen](const QString& line) {
        seen = line;
        return u"3\r\n"_s;
    };
    EXPECT_EQ(EvaluateExpressionText(evaluator, u"1,5*2"_s), u"3");
    EXPECT_EQ(seen, u"1.5*2");
    EXPECT_TRUE(EvaluateExpressionText(C_VYXExpressionEvaluator(), u"1+1"_s).isEmpty());
}

} // namespace
