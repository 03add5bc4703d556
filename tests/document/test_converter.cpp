// SPDX-License-Identifier: MIT
// Tests of the unit table, unit conversions, the list order of the boxes and the units' bytes; and
// of the unit converter panel's logic: selections, Convert, Add, Del, Del all, Use, enabling.
#include "DocumentTestSupport.h"

#include "../platform/VyxTestBytes.h"
#include "C_VYXConvertNFO.h"
#include "C_VYXConverterModel.h"
#include "C_VYXListOrder.h"
#include "C_VYXUnit.h"

#include <cmath>

namespace {

class ConverterFixture : public ::testing::Test {
protected:
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
    /// The enabled buttons in panel order, each followed by "|".
    static QString Enabled(const C_VYXConverterModel& model) {
        return u"%1%2%3%4%5"_s.arg(
            model.IsConvertEnabled() ? "Convert|" : "", model.IsAddEnabled() ? "Add|" : "",
            model.IsDeleteEnabled() ? "Del|" : "", model.IsUseEnabled() ? "Use|" : "",
            model.IsDeleteAllEnabled() ? "Del all|" : "");
    }

    C_VYXConvertNFO record;
    C_VYXScriptedMessageBoxes boxes;
    DocumentTestSupport::FakePanelHost host;
};

TEST_F(ConverterFixture, RecordsSavedListValueFieldAddAndSelectionChanges) {
    C_VYXConverterModel model(record, host.Context(), boxes);
    EXPECT_EQ(Selection(model) + u' ' + model.ValueText() + u' ' + Enabled(model),
              u"Area: acres -> cm² 1 Convert|");
    model.SelectCategory(42);
    model.SelectFromUnit(-1);
    model.SelectToUnit(99);
    EXPECT_EQ(host.modified, 0);
    // A loaded record restores selections, value, result and list.
    C_VYXConvertNFO loaded;
    loaded.m_nCategoryIndex = 2; // Length
    loaded.m_nFromIndex = 6;     // meter
    loaded.m_nToIndex = 2;       // feet
    loaded.m_dValue = 2.5;
    loaded.m_strLastResult = u"8.202100"_s;
    loaded.m_savedConversions = {u"b entry"_s, u"A entry"_s};
    model.RefreshFromSettings(loaded);
    EXPECT_EQ(Selection(model) + u' ' + model.ValueText() + u' ' + model.ResultText(),
              u"Length: meter -> feet 2.5 8.202100");
    EXPECT_EQ(model.SavedEntries(), QStringList({"A entry", "b entry"}));
    EXPECT_EQ(Enabled(model), u"Convert|Add|Del all|");
    // Damaged indices in a loaded record fall back to the first entries.
    C_VYXConvertNFO damaged;
    damaged.m_nCategoryIndex = 77;
    damaged.m_nFromIndex = -4;
    damaged.m_nToIndex = 1000;
    model.RefreshFromSettings(damaged);
    EXPECT_EQ(Selection(model), u"Area: acres -> cm²");
    // The model works on the record it was last given (File Open replaces it).
    model.Convert();
    EXPECT_TRUE(!damaged.m_strLastResult.isEmpty() && record.m_strLastResult.isEmpty());
    // The saved list is sorted; Del removes the marked entry, Use inserts it, Del all asks.
    record.m_savedConversions = {u"3 c"_s, u"1 a"_s, u"2 b"_s, u"1 a"_s};
    model.RefreshFromSettings(record);
    EXPECT_EQ(model.SavedEntries(), QStringList({"1 a", "1 a", "2 b", "3 c"}));
    model.MarkEntry(9);
    model.Delete(); // nothing marked
    model.Use();
    EXPECT_EQ(record.m_savedConversions.size(), 4);
    EXPECT_TRUE(host.inserted.isEmpty());
    model.MarkEntry(2);
    EXPECT_EQ(Enabled(model), u"Convert|Del|Use|Del all|");
    model.Use();
    EXPECT_EQ(host.inserted, QStringList({"//2 b"}));
    model.Delete();
    EXPECT_EQ(record.m_savedConversions, QStringList({"3 c", "1 a", "1 a"}));
    EXPECT_FALSE(model.IsDeleteEnabled());
    model.MarkEntry(0);
    model.Delete(); // only the first of two equal entries goes
    EXPECT_EQ(record.m_savedConversions, QStringList({"3 c", "1 a"}));
    // Del all asks first and empties the list only on Yes; an empty list is not asked about.
    boxes.QueueAnswer(C_VYXMessageBoxes::Answer::No);
    model.DeleteAll();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(CaptionAndText(boxes), u"Delete all?|Delete all convertions?");
    EXPECT_EQ(model.SavedEntries().size(), 2);
    boxes.QueueAnswer(C_VYXMessageBoxes::Answer::Yes);
    model.DeleteAll();
    EXPECT_TRUE(record.m_savedConversions.isEmpty() && !model.IsDeleteAllEnabled());
    EXPECT_GT(host.modified, 0);
    model.DeleteAll();
    EXPECT_EQ(boxes.Boxes().size(), 2);
    // The value field is evaluated, Add saves, and selection changes clear the result.
    host.results.insert(u"x*2"_s, u"2.5\r\n"_s);
    host.results.insert(u"1/0"_s, u"//ERRROR!! DIVISION BY ZERO!!\r\n"_s);
    boxes.Reset();
    Choose(model, "Length", "meter", "feet");
    model.EditValueText(u"x*2"_s);
    model.Convert();
    EXPECT_EQ(model.ValueText() + u' ' + model.ResultText(), u"2.5 8.202100");
    EXPECT_EQ(record.m_dValue, 2.5);
    // Editing clears the result and marks the document modified.
    int before = host.modified;
    model.EditValueText(u"1/0"_s);
    EXPECT_TRUE(record.m_strLastResult.isEmpty());
    EXPECT_EQ(Enabled(model), u"Convert|");
    EXPECT_GT(host.modified, before);
    // An engine error is reported and nothing converted.
    model.Convert();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(CaptionAndText(boxes), u"ERROR!!|Please enter a number.");
    EXPECT_EQ(model.ValueText() + u'|' + model.ResultText(), u"//ERRROR!! DIVISION BY ZERO!!|");
    EXPECT_EQ(record.m_dValue, 2.5);
    // An empty value disables Convert and evaluates nothing.
    host.evaluated.clear();
    model.EditValueText(QString());
    EXPECT_FALSE(model.IsConvertEnabled());
    model.Convert();
    EXPECT_TRUE(host.evaluated.isEmpty());
    // The same unit on both sides copies the evaluated value and keeps no result.
    Choose(model, "Length", "feet", "feet");
    model.EditValueText(u"0.25"_s);
    model.Convert();
    EXPECT_EQ(model.ResultText() + u'|' + record.m_strLastResult, u"0.25|");
    // Add saves the conversion, and selection changes clear the result.
    model.EditValueText(u"1"_s);
    model.Add(); // without a result nothing is saved
    EXPECT_TRUE(record.m_savedConversions.isEmpty());
    Choose(model, "Length", "meter", "feet");
    model.Convert();
    model.EditFromBoxText(u"metres"_s); // the typed text of the box is used
    model.Add();
    EXPECT_EQ(model.SavedEntries(), QStringList({"1 metres = 3.280840 feet"}));
    model.SelectToUnit(int(model.UnitEntries().indexOf("inch")));
    EXPECT_TRUE(model.ResultText().isEmpty());
    model.Convert();
    EXPECT_EQ(model.ResultText(), u"39.370079");
    // A new category selects its first two units.
    before = host.modified;
    model.SelectCategory(int(model.CategoryEntries().indexOf("Mass")));
    EXPECT_EQ(Selection(model), u"Mass: gram -> Kilogram");
    EXPECT_EQ(QList<int>({record.m_nCategoryIndex, record.m_nFromIndex, record.m_nToIndex}),
              QList<int>({3, 0, 1}));
    EXPECT_TRUE(record.m_strLastResult.isEmpty());
    EXPECT_GT(host.modified, before);
    // Convert shows the result rounded and keeps it.
    host.decimals = 1;
    Choose(model, "Mass", "Kilogram", "gram");
    model.EditValueText(u"1,5"_s); // a comma is a decimal point
    model.Convert();
    EXPECT_EQ(model.ResultText() + u'|' + record.m_strLastResult, u"1500.0|1500.0");
    EXPECT_EQ(boxes.Boxes().size(), 1); // the engine error above, nothing more
}

using namespace VyxTestBytes;

TEST(kUnitTable, UnitsConvertSerializeAndSortLikeTheDesktopLists) {
    const C_VYXConvertNFO table;
    EXPECT_EQ(table.FindUnit(QStringLiteral("Meter")), nullptr); // names are case-sensitive
    int counted = 0;
    for (const QString& category : table.Categories()) {
        for (const QString& name : table.UnitNamesOf(category)) {
            const C_VYXUnit* unit = table.FindUnit(name);
            ASSERT_NE(unit, nullptr) << name.toStdString();
            EXPECT_EQ(unit->m_strCategory, category);
            EXPECT_EQ(unit->ConvertFrom(*unit, 123.456), 123.456) << name.toStdString();
            ++counted;
        }
    }
    EXPECT_EQ(counted, table.UnitCount());
    // Expected values from the exact definitions (python3 fractions): foot 0.3048 m,
    // kelvin = celsius + 273.15, fahrenheit = celsius * 9/5 + 32.
    // clang-format off
    const struct { const char *from, *to; double value, expected; } cases[] = {
        {"meter", "feet", 1, 3.2808398950131235},
        // Temperatures have an offset besides the factor, every way.
        {"Kelvin", "Celcius", 300, 26.85},
        {"Kelvin", "Farenheit", 300, 80.33},
        {"Celcius", "Kelvin", 26.85, 300},
        {"Celcius", "Farenheit", 37, 98.6},
        {"Farenheit", "Kelvin", 98.6, 310.15},
        {"Farenheit", "Celcius", 98.6, 37},
        {"meter", "Kilogram", 5, -1}, // across categories
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
        const C_VYXUnit* from = table.FindUnit(QString::fromUtf8(c.from));
        const C_VYXUnit* to = table.FindUnit(QString::fromUtf8(c.to));
        ASSERT_TRUE(from != nullptr && to != nullptr);
        EXPECT_NEAR(to->ConvertFrom(*from, c.value), c.expected, 1e-12 * std::fabs(c.expected));
    }
    // A unit serializes category, name, factor and multiplier.
    const QByteArray bytes = StoredBytes(C_VYXUnit(u"Area"_s, u"m²"_s, 2.5));
    EXPECT_EQ(bytes, ShortString("Area") + ShortString(u"m²"_s) + Double(2.5) + Double(1.0));
    C_VYXUnit loaded;
    EXPECT_EQ(LoadBytes(loaded, bytes), 0);
    EXPECT_EQ(loaded.m_strName + u' ' + QString::number(loaded.m_dFactor), u"m² 2.5");
    // Loading a conversion record replaces its saved conversions.
    C_VYXConvertNFO source, record;
    source.m_savedConversions = {u"1 meter = 3.280840 feet"_s, u"2"_s};
    record.m_savedConversions = {u"stale entry"_s};
    EXPECT_EQ(LoadBytes(record, StoredBytes(source)), 0);
    EXPECT_EQ(record.m_savedConversions, source.m_savedConversions);
    EXPECT_EQ(record.UnitCount(), C_VYXConvertNFO().UnitCount()); // built, not loaded
    // The list order of the boxes sorts like the desktop lists.
    // clang-format off
    const struct { const char* name; QStringList unsorted, expected; } lists[] = {
        {"CaseIgnored", {"Kilogram", "gram", "Pound", "Tonnes", "Tons(UK)", "Tons(US)"},
            {"gram", "Kilogram", "Pound", "Tonnes", "Tons(UK)", "Tons(US)"}},
        {"SuperscriptsCountAsDigits", {"m²", "mm²", "miles²", "acres"},
            {"acres", "m²", "miles²", "mm²"}},
        {"PunctuationBeforeLetters", {"pints, liquid(US)", "pints (UK)", "m/s", "mach"},
            {"m/s", "mach", "pints (UK)", "pints, liquid(US)"}},
        {"PrefixFirst", {"feet/h", "feet"}, {"feet", "feet/h"}},
        {"DuplicatesKept", {"b", "a", "b"}, {"a", "b", "b"}},
    };
    // clang-format on
    for (const auto& c : lists)
        EXPECT_EQ(C_VYXListOrder::Sorted(c.unsorted), c.expected) << c.name;
}

} // namespace
