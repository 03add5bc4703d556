// SPDX-License-Identifier: MIT
// Tests of the variables: validation, dependants in any name order, cycles, deletion, the panel.
#include "DocumentTestSupport.h"

#include "C_VYXCalcAreaModel.h"
#include "C_VYXTranslatorSymbols.h"
#include "C_VYXVariableDependencies.h"
#include "C_VYXVariables.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <optional>

using namespace Qt::StringLiterals;
using Answer = C_VYXMessageBoxes::Answer;

namespace {

class VariablesTest : public DocumentTestSupport::DocumentTest {
protected:
    /// Fills the panel's fields and presses "Add".
    bool Add(const QString& name, const QString& definition) {
        panel().SetNameField(name);
        panel().SetValueField(definition);
        return panel().OnAdd();
    }
    QString Value(const QString& name) { return doc.Settings().Var().values.value(name); }
    C_VYXVariablesModel& panel() { return doc.VariablesPanel(); }
};

// ---- dependants follow ----

TEST_F(VariablesTest, RedefiningAsksAndOnYesTheDependantsFollow) {
    ASSERT_TRUE(Add(u"A"_s, u"1"_s));
    ASSERT_TRUE(Add(u"B"_s, u"2"_s));
    ASSERT_TRUE(Add(u"C"_s, u"A+B"_s));
    EXPECT_EQ(panel().ListEntries(), QStringList({u"A = 1"_s, u"B = 2"_s, u"C = A+B = 3"_s}));
    boxes.QueueAnswer(Answer::No);
    EXPECT_FALSE(Add(u"A"_s, u"5"_s));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.LastBox().caption, u"OVERWRITE?");
    EXPECT_EQ(boxes.LastBox().text, u"The variable name\nA\nalready exists!! Overwrite?");
    EXPECT_EQ(doc.Settings().Var().definitions.value(u"A"_s), u"1");
    boxes.QueueAnswer(Answer::Yes);
    ASSERT_TRUE(Add(u"A"_s, u"5"_s));
    EXPECT_EQ(panel().ListEntries(), QStringList({u"A = 5"_s, u"B = 2"_s, u"C = A+B = 7"_s}));
}

TEST_F(VariablesTest, EveryLinkOfAChainSettlesAfterTheRootChanges) {
    // names[0] is the root, names[k] = names[k-1]+1; dependants later, earlier, mixed in name order
    for (const QStringList& names :
         {QStringList{"a", "b", "c", "d", "g", "h"}, QStringList{"Z", "Y", "X", "W", "V", "U"},
          QStringList{"m2", "z2", "b2", "x2", "a2", "q2"}}) {
        SCOPED_TRACE(names.join(u' ').toStdString());
        ASSERT_TRUE(Add(names.at(0), u"1"_s));
        for (qsizetype k = 1; k < names.size(); ++k)
            ASSERT_TRUE(Add(names.at(k), names.at(k - 1) + u"+1"_s));
        boxes.QueueAnswer(Answer::Yes);
        ASSERT_TRUE(Add(names.at(0), u"10"_s));
        for (qsizetype k = 0; k < names.size(); ++k)
            EXPECT_EQ(Value(names.at(k)), QString::number(10 + k)) << k;
        // Removing the root breaks the whole chain; defining it again mends it.
        panel().DeleteByName(names.at(0));
        for (qsizetype k = 1; k < names.size(); ++k)
            EXPECT_EQ(Value(names.at(k)), u"ERROR") << k;
        ASSERT_TRUE(Add(names.at(0), u"20"_s));
        EXPECT_EQ(Value(names.last()), QString::number(20 + names.size() - 1));
    }
}

TEST_F(VariablesTest, ReevaluateAllSettlesAChainStaleInEveryLink) {
    C_VYXVarNFO& record = doc.Settings().Var();
    // Values as a file may hold them, all out of date, dependants first in name order.
    const QStringList names = {u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    for (qsizetype k = 0; k < names.size(); ++k) {
        record.definitions.insert(names.at(k), k == 3 ? u"7"_s : names.at(k + 1) + u"*2"_s);
        record.values.insert(names.at(k), u"0"_s);
    }
    C_VYXVariables(record, doc).ReevaluateAll();
    EXPECT_EQ(record.values.values(), QStringList({"56", "28", "14", "7"}));
}

TEST_F(VariablesTest, DeletingAVariableMakesItsDependantsErrors) {
    Add(u"A"_s, u"1"_s);
    Add(u"B"_s, u"A*2"_s);
    Add(u"K"_s, u"4"_s);
    panel().SelectEntry(0);
    ASSERT_EQ(panel().NameField(), u"A");
    panel().OnDelete();
    EXPECT_EQ(panel().ListEntries(), QStringList({u"B = A*2 = ERROR"_s, u"K = 4"_s}));
    EXPECT_EQ(panel().NameField() + panel().ValueField(), u"");
    // The toolbar's delete of the selected variable clears the fields too.
    panel().SelectEntry(1);
    panel().DeleteByName(u"K"_s);
    EXPECT_EQ(panel().NameField(), u"");
    EXPECT_EQ(panel().ListEntries(), QStringList({u"B = A*2 = ERROR"_s}));
}

TEST_F(VariablesTest, CyclesEndAsErrorsForAllOnThemNotAsCounters) {
    Add(u"x"_s, u"1"_s);
    boxes.QueueAnswer(Answer::Yes);
    ASSERT_TRUE(Add(u"x"_s, u"x+1"_s));
    EXPECT_EQ(Value(u"x"_s), u"ERROR");
    Add(u"a"_s, u"1"_s);
    Add(u"b"_s, u"a+1"_s);
    Add(u"c"_s, u"b*2"_s);
    EXPECT_EQ(Value(u"x"_s), u"ERROR"); // other additions do not count it up
    boxes.QueueAnswer(Answer::Yes);
    ASSERT_TRUE(Add(u"a"_s, u"c+1"_s));
    EXPECT_EQ(QStringList({Value(u"a"_s), Value(u"b"_s), Value(u"c"_s)}),
              QStringList({"ERROR", "ERROR", "ERROR"}));
    // Breaking the cycle brings the values back.
    boxes.QueueAnswer(Answer::Yes);
    ASSERT_TRUE(Add(u"a"_s, u"2"_s));
    EXPECT_EQ(Value(u"c"_s), u"6");
    // A short name inside a function name is no use of it, so no self-reference.
    ASSERT_TRUE(Add(u"s"_s, u"sin(0)"_s));
    EXPECT_EQ(Value(u"s"_s), u"0");
}

TEST(VariableReferences, FindsTheNamesTheTranslatorSubstitutes) {
    // clang-format off
    const struct { QStringList variables; const char16_t* definition; QStringList expected; }
    cases[] = {
        {{"AB", "A"}, u"AB+A", {"A", "AB"}}, // longer name first
        {{"s"}, u"sin(s)", {"s"}},
        {{"s"}, u"SIN(1)+s", {"s"}},          // function names in any case
        {{"sinhx"}, u"asinhx", {"sinhx"}},    // a long name even inside a function name
        {{"a", "b"}, u"a+1 //b", {"a"}},      // comments ignored
        {{"ab"}, u"a b", {"ab"}},             // spaces removed first
    };
    // clang-format on
    for (const auto& c : cases) {
        QMap<QString, QString> definitions;
        for (const QString& name : c.variables)
            definitions.insert(name, u"1"_s);
        const C_VYXVariableDependencies graph(definitions, C_VYXTranslatorSymbols::FunctionNames());
        const QString definition = QString::fromUtf16(c.definition);
        EXPECT_EQ(graph.References(definition), c.expected) << definition.toStdString();
    }
}

// ---- validation ----

TEST_F(VariablesTest, BadInputShowsOneErrorBoxAndLeavesTheMapsAlone) {
    const char16_t* const illegal = u"Illegal variable name.";
    // clang-format off
    const struct {
        const char16_t *variable, *definition; bool panelCreated; const char16_t *caption, *text;
    }
    cases[] = {
        {u"x", u"", false, u"ERROR!!", u"No value entered!!"},
        {u"", u"1", false, u"ERROR!!", u"No variable name entered!!"},
        {u"12", u"1", false, u"ERROR!!", u"Variable name is not allowed to be numeric."},
        {u"sin", u"1", false, illegal, u"The variable name:\nsin\nis not allowed!!"},
        {u"i", u"1", false, illegal, u"The variable name:\ni\nis not allowed!!"},
        {u"2pi", u"1", true, u"ERROR!!", u"Variable name can be evaluated to a nummeric "
         u"expression.\r\nThis kind of variable name is not allowed!!"},
        {u"x", u"1/0", false, u"ERROR!!", u"ERRROR!! DIVISION BY ZERO!!"},
    };
    // clang-format on
    Add(u"keep"_s, u"1"_s);
    for (const auto& c : cases) {
        const QString name = QString::fromUtf16(c.variable);
        SCOPED_TRACE(name.toStdString());
        const qsizetype shown = boxes.Boxes().size();
        panel().SetPanelCreated(c.panelCreated);
        EXPECT_FALSE(Add(name, QString::fromUtf16(c.definition)));
        ASSERT_EQ(boxes.Boxes().size(), shown + 1);
        EXPECT_EQ(boxes.LastBox().kind, C_VYXScriptedMessageBoxes::Kind::Error);
        EXPECT_EQ(boxes.LastBox().caption, QString::fromUtf16(c.caption));
        EXPECT_EQ(boxes.LastBox().text, QString::fromUtf16(c.text));
        EXPECT_EQ(doc.Settings().Var().definitions.keys(), QStringList({u"keep"_s}));
        EXPECT_EQ(doc.Settings().Var().values.keys(), QStringList({u"keep"_s}));
        if (c.panelCreated) { // a name that evaluates to a number is emptied, the value stays
            EXPECT_EQ(panel().NameField() + u"|"_s + panel().ValueField(), u"|1");
        }
    }
}

TEST_F(VariablesTest, AssignmentShowsTheValueRoundedAndNeedsAValue) {
    C_VYXCalcAreaModel area(doc);
    doc.Settings().BasicButtons().m_nDecimals = 2;
    doc.CalculateLine(u"r=sqrt(2)"_s);
    doc.CalculateLine(u"q=1/3"_s);
    EXPECT_EQ(area.Text(), u"//Variable: r=1.41\r\n//Variable: q=1/3\r\n");
    // Without a value the assignment is rejected and writes nothing.
    EXPECT_EQ(doc.CalculateLine(u"x="_s), u"");
    EXPECT_EQ(boxes.LastBox().text, u"No value entered!!");
}

// ---- the panel ----

TEST_F(VariablesTest, DeleteAllAsksAndEmptiesEverythingOnlyOnYes) {
    Add(u"A"_s, u"1"_s);
    Add(u"B"_s, u"2"_s);
    boxes.QueueAnswer(Answer::No);
    panel().OnDeleteAll();
    EXPECT_EQ(boxes.LastBox().caption, u"Delete all?");
    EXPECT_EQ(boxes.LastBox().text, u"Delete all variables?");
    EXPECT_EQ(doc.Settings().Var().values.size(), 2);
    boxes.QueueAnswer(Answer::Yes);
    panel().OnDeleteAll();
    EXPECT_TRUE(panel().ToolbarEntries().isEmpty());
    EXPECT_TRUE(doc.Settings().Var().definitions.isEmpty());
    EXPECT_TRUE(doc.Settings().Var().values.isEmpty());
}

TEST_F(VariablesTest, RemovingAnUnknownVariableSaysSoAndRepairMatchesTheMaps) {
    C_VYXVarNFO& record = doc.Settings().Var();
    EXPECT_FALSE(C_VYXVariables(record, doc).RemoveVariable(u"q"_s));
    EXPECT_EQ(boxes.LastBox().caption, u"Variable not found!!");
    EXPECT_EQ(boxes.LastBox().text, u"The variable q could not be found.");
    record.definitions.insert(u"a"_s, u"1"_s);
    record.values.insert(u"b"_s, u"2"_s);
    C_VYXVariables(record, doc).RepairMaps();
    EXPECT_EQ(record.definitions.keys(), record.values.keys());
    EXPECT_EQ(record.values.value(u"a"_s), u"ERROR");
}

TEST_F(VariablesTest, ListsAndPrintedTextShowValuesOnlyWhereTheyDiffer) {
    Add(u"b"_s, u"2"_s);
    Add(u"A"_s, u"1"_s);
    Add(u"c"_s, u"A+b"_s);
    Add(u"d"_s, u"1/2"_s);
    // The panel sorts without regard to letter case; the toolbar keeps the map's order.
    EXPECT_EQ(panel().ListEntries(),
              QStringList({u"A = 1"_s, u"b = 2"_s, u"c = A+b = 3"_s, u"d = 1/2"_s}));
    EXPECT_EQ(panel().ToolbarEntries(),
              QStringList({u"A = 1"_s, u"b = 2"_s, u"c = 3"_s, u"d = 1/2"_s}));
    EXPECT_EQ(panel().ListText(), u"A=1\nb=2\nc=A+b=3\nd=1/2\n");
}

TEST_F(VariablesTest, ButtonsFollowFieldsAndSelectionAndUseInsertsTheName) {
    C_VYXCalcAreaModel area(doc);
    area.TypeText(u"2*"_s);
    EXPECT_FALSE(panel().IsDeleteAllEnabled());
    panel().SetNameField(u"rate"_s);
    EXPECT_FALSE(panel().IsAddEnabled());
    panel().SetValueField(u"2+3"_s);
    EXPECT_TRUE(panel().IsAddEnabled());
    panel().OnAdd();
    EXPECT_TRUE(panel().IsDeleteAllEnabled());
    EXPECT_FALSE(panel().IsDeleteEnabled() || panel().IsUseSelectedEnabled());
    panel().SelectEntry(0);
    EXPECT_TRUE(panel().IsDeleteEnabled() && panel().IsUseSelectedEnabled());
    EXPECT_EQ(panel().NameField() + u"|"_s + panel().ValueField(), u"rate|2+3");
    panel().OnUseSelected();
    EXPECT_EQ(area.Text(), u"2*rate");
    panel().SelectEntry(5);
    EXPECT_FALSE(panel().IsDeleteEnabled());
}

// ---- everyone who shows the variables hears of every change ----

/// Records what a listener saw of the toolbar entries each time it was told of a change.
struct EntriesSeen {
    int calls = 0;
    QStringList last;
};

C_VYXVariablesModel::Subscription Watch(C_VYXVariablesModel& model, EntriesSeen& seen) {
    return model.AddChangeListener([&model, &seen] {
        ++seen.calls;
        seen.last = model.ToolbarEntries();
    });
}

TEST_F(VariablesTest, EveryKindOfChangeReachesTheListener) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"other.vyx"_s); // saved with other variables than at open
    doc.CalculateLine(u"z=2*3"_s);
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EntriesSeen seen, ended;
    const auto watch = Watch(panel(), seen);
    (void)Watch(panel(), ended); // ends at once, hears nothing
    const auto expectSeen = [&seen](const QStringList& entries) {
        EXPECT_GT(seen.calls, 0);
        EXPECT_EQ(seen.last, entries);
        seen = {};
    };
    doc.CalculateLine(u"a=5"_s); // typed assignment
    expectSeen({"a = 5", "z = 6"});
    panel().DeleteByName(u"z"_s); // the toolbar's delete
    expectSeen({"a = 5"});
    ASSERT_TRUE(doc.OnOpenDocument(path));
    expectSeen({"z = 6"});
    doc.OnNewDocument();
    expectSeen({});
    EXPECT_EQ(ended.calls, 0);
}

TEST_F(VariablesTest, AMovedSubscriptionCarriesTheRegistrationOnlyOnce) {
    EntriesSeen moved;
    Add(u"a"_s, u"1"_s);
    auto first = Watch(panel(), moved);
    C_VYXVariablesModel::Subscription second = std::move(first);
    first.Cancel();
    panel().SelectEntry(0);
    EXPECT_EQ(moved.calls, 1);
    second.Cancel();
    Add(u"b"_s, u"2"_s);
    EXPECT_EQ(moved.calls, 1);
}

TEST_F(VariablesTest, AListenerMayEndAnotherWhileTheModelNotifies) {
    std::optional<C_VYXVariablesModel::Subscription> later;
    int laterCalls = 0;
    const auto first = panel().AddChangeListener([&later] { later.reset(); });
    later.emplace(panel().AddChangeListener([&laterCalls] { ++laterCalls; }));
    panel().SetNameField(u"x"_s);
    EXPECT_EQ(laterCalls, 0);
    EXPECT_FALSE(later.has_value());
}

} // namespace
