// SPDX-License-Identifier: MIT
// Tests of the unit converter panel's logic: selections, Convert, Add, Del, Del all, Use, enabling.
#include "DocumentTestSupport.h"

#include "C_VYXConvertNFO.h"
#include "C_VYXConverterModel.h"

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

TEST_F(ConverterFixture, NewOrLoadedRecordIsShownBadIndicesFallBackAndTheSavedListIsKept) {
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
}

TEST_F(ConverterFixture, ValueFieldIsEvaluatedAddSavesAndSelectionChangesClearTheResult) {
    host.results.insert(u"x*2"_s, u"2.5\r\n"_s);
    host.results.insert(u"1/0"_s, u"//ERRROR!! DIVISION BY ZERO!!\r\n"_s);
    C_VYXConverterModel model(record, host.Context(), boxes);
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

} // namespace
