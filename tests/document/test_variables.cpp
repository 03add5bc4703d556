// SPDX-License-Identifier: MIT
// Tests of the variables: validation, dependants in any name order, cycles, deletion, the panel.
#include "DocumentTestSupport.h"

#include "C_VYXCalcAreaModel.h"
#include "C_VYXTranslatorSymbols.h"
#include "C_VYXVariableDependencies.h"
#include "C_VYXVariables.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <functional>
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

TEST_F(VariablesTest, DependantFollowsARedefinition) {
    ASSERT_TRUE(Add(u"A"_s, u"1"_s));
    ASSERT_TRUE(Add(u"B"_s, u"2"_s));
    ASSERT_TRUE(Add(u"C"_s, u"A+B"_s));
    EXPECT_EQ(panel().ListEntries(), QStringList({u"A = 1"_s, u"B = 2"_s, u"C = A+B = 3"_s}));

    boxes.QueueAnswer(Answer::Yes);
    ASSERT_TRUE(Add(u"A"_s, u"5"_s));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.LastBox().caption, u"OVERWRITE?");
    EXPECT_EQ(boxes.LastBox().text, u"The variable name\nA\nalready exists!! Overwrite?");
    EXPECT_EQ(panel().ListEntries(), QStringList({u"A = 5"_s, u"B = 2"_s, u"C = A+B = 7"_s}));
}

TEST_F(VariablesTest, OverwriteAnsweredNoChangesNothing) {
    Add(u"A"_s, u"1"_s);
    Add(u"C"_s, u"A*3"_s);
    boxes.QueueAnswer(Answer::No);
    EXPECT_FALSE(Add(u"A"_s, u"5"_s));
    EXPECT_EQ(doc.Settings().Var().definitions.value(u"A"_s), u"1");
    EXPECT_EQ(Value(u"C"_s), u"3");
}

struct ChainCase {
    const char* name;
    QStringList names; ///< names[0] is the root; names[k] = names[k-1]+1
};

const ChainCase ChainCases[] = {
    {"DependantsLaterInNameOrder", {u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"g"_s, u"h"_s}},
    {"DependantsEarlierInNameOrder", {u"h"_s, u"g"_s, u"d"_s, u"c"_s, u"b"_s, u"a"_s}},
    {"MixedNameOrder", {u"m"_s, u"z"_s, u"b"_s, u"x"_s, u"a"_s, u"q"_s}},
};

class ChainTest : public VariablesTest, public ::testing::WithParamInterface<ChainCase> {};

TEST_P(ChainTest, EveryLinkSettlesAfterTheRootChanges) {
    const QStringList& names = GetParam().names;
    ASSERT_TRUE(Add(names.at(0), u"1"_s));
    for (qsizetype k = 1; k < names.size(); ++k)
        ASSERT_TRUE(Add(names.at(k), names.at(k - 1) + u"+1"_s));
    for (qsizetype k = 0; k < names.size(); ++k)
        ASSERT_EQ(Value(names.at(k)), QString::number(1 + k)) << names.at(k).toStdString();

    boxes.QueueAnswer(Answer::Yes);
    ASSERT_TRUE(Add(names.at(0), u"10"_s));
    for (qsizetype k = 0; k < names.size(); ++k)
        EXPECT_EQ(Value(names.at(k)), QString::number(10 + k)) << names.at(k).toStdString();

    // Removing the root breaks the whole chain.
    panel().DeleteByName(names.at(0));
    for (qsizetype k = 1; k < names.size(); ++k)
        EXPECT_EQ(Value(names.at(k)), u"ERROR") << names.at(k).toStdString();

    // Defining it again mends the chain.
    ASSERT_TRUE(Add(names.at(0), u"20"_s));
    EXPECT_EQ(Value(names.last()), QString::number(20 + names.size() - 1));
}

INSTANTIATE_TEST_SUITE_P(Chains, ChainTest, ::testing::ValuesIn(ChainCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(VariablesTest, ReevaluateAllSettlesAChainStaleInEveryLink) {
    C_VYXVarNFO& record = doc.Settings().Var();
    // Values as a file may hold them, all out of date, dependants first in name order.
    const QStringList names = {u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    for (qsizetype k = 0; k < names.size(); ++k) {
        record.definitions.insert(names.at(k), k == 3 ? u"7"_s : names.at(k + 1) + u"*2"_s);
        record.values.insert(names.at(k), u"0"_s);
    }
    C_VYXVariables(record, doc).ReevaluateAll();
    EXPECT_EQ(Value(u"d"_s), u"7");
    EXPECT_EQ(Value(u"c"_s), u"14");
    EXPECT_EQ(Value(u"b"_s), u"28");
    EXPECT_EQ(Value(u"a"_s), u"56");
}

TEST_F(VariablesTest, DeletingAVariableMakesItsDependantsErrors) {
    Add(u"A"_s, u"1"_s);
    Add(u"B"_s, u"A*2"_s);
    Add(u"K"_s, u"4"_s);
    panel().SelectEntry(0);
    ASSERT_EQ(panel().NameField(), u"A");
    panel().OnDelete();
    EXPECT_FALSE(doc.Settings().Var().definitions.contains(u"A"_s));
    EXPECT_EQ(Value(u"B"_s), u"ERROR");
    EXPECT_EQ(Value(u"K"_s), u"4");
    EXPECT_EQ(panel().ListEntries(), QStringList({u"B = A*2 = ERROR"_s, u"K = 4"_s}));
    EXPECT_EQ(panel().NameField(), u"");
    EXPECT_EQ(panel().ValueField(), u"");
    // An expression using the broken variable fails in the engine.
    EXPECT_TRUE(doc.CalculateLine(u"B+1"_s).startsWith(u"//"));
}

// ---- cycles end as errors ----

TEST_F(VariablesTest, SelfReferenceEndsAsErrorNotACounter) {
    Add(u"x"_s, u"1"_s);
    boxes.QueueAnswer(Answer::Yes);
    ASSERT_TRUE(Add(u"x"_s, u"x+1"_s));
    EXPECT_EQ(Value(u"x"_s), u"ERROR");
    Add(u"y"_s, u"5"_s);
    EXPECT_EQ(Value(u"x"_s), u"ERROR");
}

TEST_F(VariablesTest, CycleThroughOthersEndsAsErrorForAllOnIt) {
    Add(u"a"_s, u"1"_s);
    Add(u"b"_s, u"a+1"_s);
    Add(u"c"_s, u"b*2"_s);
    Add(u"u"_s, u"3"_s);
    boxes.QueueAnswer(Answer::Yes);
    ASSERT_TRUE(Add(u"a"_s, u"c+1"_s));
    EXPECT_EQ(Value(u"a"_s), u"ERROR");
    EXPECT_EQ(Value(u"b"_s), u"ERROR");
    EXPECT_EQ(Value(u"c"_s), u"ERROR");
    EXPECT_EQ(Value(u"u"_s), u"3");
    // Breaking the cycle brings the values back.
    boxes.QueueAnswer(Answer::Yes);
    ASSERT_TRUE(Add(u"a"_s, u"2"_s));
    EXPECT_EQ(Value(u"c"_s), u"6");
}

// ---- what counts as a use ----

struct ReferenceCase {
    const char* name;
    QStringList variables;
    const char16_t* definition;
    QStringList expected;
};

const ReferenceCase ReferenceCases[] = {
    {"LongerNameFirst", {u"AB"_s, u"A"_s}, u"AB+A", {u"A"_s, u"AB"_s}},
    {"InsideLongerNameOnly", {u"AB"_s, u"A"_s}, u"AB*2", {u"AB"_s}},
    {"ShortNameNotInsideFunction", {u"s"_s}, u"sin(1)", {}},
    {"ShortNameAsFunctionArgument", {u"s"_s}, u"sin(s)", {u"s"_s}},
    {"FunctionNameInAnyCase", {u"s"_s}, u"SIN(1)+s", {u"s"_s}},
    {"LongNameEvenInsideFunction", {u"sinhx"_s}, u"asinhx", {u"sinhx"_s}},
    {"CaseSensitive", {u"x"_s}, u"X+1", {}},
    {"CommentIgnored", {u"a"_s, u"b"_s}, u"a+1 //b", {u"a"_s}},
    {"SpacesRemovedFirst", {u"ab"_s}, u"a b", {u"ab"_s}},
};

class ReferenceTest : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferenceTest, FindsTheNamesTheTranslatorSubstitutes) {
    const ReferenceCase& test = GetParam();
    QMap<QString, QString> definitions;
    for (const QString& name : test.variables)
        definitions.insert(name, u"1"_s);
    const C_VYXVariableDependencies graph(definitions, C_VYXTranslatorSymbols::FunctionNames());
    EXPECT_EQ(graph.References(QString::fromUtf16(test.definition)), test.expected);
}

INSTANTIATE_TEST_SUITE_P(Uses, ReferenceTest, ::testing::ValuesIn(ReferenceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(VariablesTest, ShortNameInsideFunctionIsNoSelfReference) {
    ASSERT_TRUE(Add(u"s"_s, u"sin(0)"_s));
    EXPECT_EQ(Value(u"s"_s), u"0");
    ASSERT_TRUE(Add(u"t"_s, u"s+1"_s));
    EXPECT_EQ(Value(u"t"_s), u"1");
}

// ---- validation ----

struct RejectCase {
    const char* name;
    const char16_t* variable;
    const char16_t* definition;
    bool panelCreated;
    const char16_t* caption;
    const char16_t* text;
};

const RejectCase RejectCases[] = {
    {"NoValue", u"x", u"", false, u"ERROR!!", u"No value entered!!"},
    {"NoName", u"", u"1", false, u"ERROR!!", u"No variable name entered!!"},
    {"NumericName", u"12", u"1", false, u"ERROR!!", u"Variable name is not allowed to be numeric."},
    {"NumericNameWithExponent", u"-1.5e3", u"1", false, u"ERROR!!",
     u"Variable name is not allowed to be numeric."},
    {"FunctionName", u"sin", u"1", false, u"Illegal variable name.",
     u"The variable name:\nsin\nis not allowed!!"},
    {"ConstantName", u"PI", u"1", false, u"Illegal variable name.",
     u"The variable name:\nPI\nis not allowed!!"},
    {"ImaginaryUnit", u"i", u"1", false, u"Illegal variable name.",
     u"The variable name:\ni\nis not allowed!!"},
    {"NameEvaluatesToNumber", u"2pi", u"1", true, u"ERROR!!",
     u"Variable name can be evaluated to a nummeric expression.\r\nThis kind of variable name "
     u"is not allowed!!"},
    {"DefinitionFails", u"x", u"1/0", false, u"ERROR!!", u"ERRROR!! DIVISION BY ZERO!!"},
};

class RejectTest : public VariablesTest, public ::testing::WithParamInterface<RejectCase> {};

TEST_P(RejectTest, ShowsOneErrorBoxAndLeavesTheMapsAlone) {
    const RejectCase& test = GetParam();
    Add(u"keep"_s, u"1"_s);
    panel().SetPanelCreated(test.panelCreated);
    EXPECT_FALSE(Add(QString::fromUtf16(test.variable), QString::fromUtf16(test.definition)));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.LastBox().kind, C_VYXScriptedMessageBoxes::Kind::Error);
    EXPECT_EQ(boxes.LastBox().caption, QString::fromUtf16(test.caption));
    EXPECT_EQ(boxes.LastBox().text, QString::fromUtf16(test.text));
    EXPECT_EQ(doc.Settings().Var().definitions.keys(), QStringList({u"keep"_s}));
    EXPECT_EQ(doc.Settings().Var().values.keys(), QStringList({u"keep"_s}));
}

INSTANTIATE_TEST_SUITE_P(Validation, RejectTest, ::testing::ValuesIn(RejectCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(VariablesTest, NumericLookingNameEmptiesTheNameField) {
    panel().SetPanelCreated(true);
    Add(u"2pi"_s, u"1"_s);
    EXPECT_EQ(panel().NameField(), u"");
    EXPECT_EQ(panel().ValueField(), u"1");
}

TEST_F(VariablesTest, NamesThatOnlyContainReservedWordsAreAllowed) {
    EXPECT_TRUE(Add(u"x1"_s, u"1"_s));
    EXPECT_TRUE(Add(u"sinx"_s, u"2"_s));
    EXPECT_TRUE(Add(u"\u03B1"_s, u"3"_s));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

// ---- assignment lines ----

TEST_F(VariablesTest, AssignmentLineWritesItsConfirmation) {
    C_VYXCalcAreaModel area(doc);
    area.TypeText(u"x=3"_s);
    area.PressEnter(false);
    EXPECT_EQ(area.Text(), u"x=3\r\n//Variable: x=3\r\n");
    EXPECT_EQ(status.Last(), u"Variable: x=3");
    area.TypeText(u"x*x"_s);
    area.PressEnter(false);
    EXPECT_EQ(area.LineText(3), u"9");
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
    EXPECT_EQ(area.Text(), u"//Variable: r=1.41\r\n//Variable: q=1/3\r\n");
}

// ---- the panel ----

TEST_F(VariablesTest, DeleteAllAnsweredNoChangesNothing) {
    Add(u"A"_s, u"1"_s);
    Add(u"B"_s, u"2"_s);
    boxes.QueueAnswer(Answer::No);
    panel().OnDeleteAll();
    EXPECT_EQ(boxes.LastBox().caption, u"Delete all?");
    EXPECT_EQ(boxes.LastBox().text, u"Delete all variables?");
    EXPECT_EQ(panel().ListEntries().size(), 2);
    EXPECT_EQ(doc.Settings().Var().values.size(), 2);

    boxes.QueueAnswer(Answer::Yes);
    panel().OnDeleteAll();
    EXPECT_TRUE(panel().ListEntries().isEmpty());
    EXPECT_TRUE(panel().ToolbarEntries().isEmpty());
    EXPECT_TRUE(doc.Settings().Var().definitions.isEmpty());
    EXPECT_TRUE(doc.Settings().Var().values.isEmpty());
}

TEST_F(VariablesTest, RemovingAnUnknownVariableSaysSo) {
    EXPECT_FALSE(C_VYXVariables(doc.Settings().Var(), doc).RemoveVariable(u"q"_s));
    EXPECT_EQ(boxes.LastBox().caption, u"Variable not found!!");
    EXPECT_EQ(boxes.LastBox().text, u"The variable q could not be found.");
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

TEST_F(VariablesTest, ButtonsFollowFieldsListAndSelection) {
    EXPECT_FALSE(panel().IsAddEnabled());
    EXPECT_FALSE(panel().IsDeleteAllEnabled());
    panel().SetNameField(u"v"_s);
    EXPECT_FALSE(panel().IsAddEnabled());
    panel().SetValueField(u"4"_s);
    EXPECT_TRUE(panel().IsAddEnabled());
    panel().OnAdd();
    EXPECT_TRUE(panel().IsDeleteAllEnabled());
    EXPECT_FALSE(panel().IsDeleteEnabled());
    EXPECT_FALSE(panel().IsUseSelectedEnabled());
    panel().SelectEntry(0);
    EXPECT_TRUE(panel().IsDeleteEnabled());
    EXPECT_TRUE(panel().IsUseSelectedEnabled());
    panel().SelectEntry(5);
    EXPECT_FALSE(panel().IsDeleteEnabled());
}

TEST_F(VariablesTest, SelectingFillsTheFieldsWithTheDefinitionAndUseInsertsTheName) {
    C_VYXCalcAreaModel area(doc);
    area.TypeText(u"2*"_s);
    Add(u"rate"_s, u"2+3"_s);
    panel().SelectEntry(0);
    EXPECT_EQ(panel().NameField(), u"rate");
    EXPECT_EQ(panel().ValueField(), u"2+3");
    panel().OnUseSelected();
    EXPECT_EQ(area.Text(), u"2*rate");
}

TEST_F(VariablesTest, ToolbarDeleteClearsTheFieldsOfTheSelectedVariable) {
    Add(u"p"_s, u"1"_s);
    Add(u"r"_s, u"2"_s);
    panel().SelectEntry(1);
    panel().DeleteByName(u"r"_s);
    EXPECT_EQ(panel().NameField(), u"");
    EXPECT_EQ(panel().ListEntries(), QStringList({u"p = 1"_s}));
}

TEST_F(VariablesTest, RepairRestoresTheSameNamesInBothMaps) {
    C_VYXVarNFO& record = doc.Settings().Var();
    record.definitions.insert(u"a"_s, u"1"_s);
    record.values.insert(u"b"_s, u"2"_s);
    C_VYXVariables(record, doc).RepairMaps();
    EXPECT_EQ(record.definitions.keys(), record.values.keys());
    EXPECT_EQ(record.values.value(u"a"_s), u"ERROR");
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

struct ChangeSourceCase {
    const char* name;
    std::function<void(C_TOBRIK_CALCULATORDoc&, const QString& tempDir)> change;
    QStringList expectedEntries;
};

const ChangeSourceCase ChangeSourceCases[] = {
    {"TypedAssignment",
     [](C_TOBRIK_CALCULATORDoc& doc, const QString&) { doc.CalculateLine(u"a=5"_s); },
     {u"a = 5"_s, u"k = 1"_s}},
    {"PanelDelete",
     [](C_TOBRIK_CALCULATORDoc& doc, const QString&) { doc.VariablesPanel().DeleteByName(u"k"_s); },
     {}},
    {"FileNew", [](C_TOBRIK_CALCULATORDoc& doc, const QString&) { doc.OnNewDocument(); }, {}},
    {"FileOpen",
     [](C_TOBRIK_CALCULATORDoc& doc, const QString& tempDir) {
         // A document saved with other variables than the open one.
         const QString path = tempDir + u"/other.vyx"_s;
         doc.VariablesPanel().DeleteByName(u"k"_s);
         doc.CalculateLine(u"z=2*3"_s);
         ASSERT_TRUE(doc.OnSaveDocument(path));
         doc.VariablesPanel().DeleteByName(u"z"_s);
         doc.CalculateLine(u"q=1"_s);
         ASSERT_TRUE(doc.OnOpenDocument(path));
     },
     {u"z = 6"_s}},
};

class ChangeSourceTest : public VariablesTest,
                         public ::testing::WithParamInterface<ChangeSourceCase> {};

TEST_P(ChangeSourceTest, EveryListenerSeesTheNewEntries) {
    ASSERT_TRUE(Add(u"k"_s, u"1"_s));
    EntriesSeen panelSeen;
    EntriesSeen toolbarSeen;
    const auto panelWatch = Watch(panel(), panelSeen);
    const auto toolbarWatch = Watch(panel(), toolbarSeen);
    QTemporaryDir tempDir;
    ASSERT_TRUE(tempDir.isValid());
    GetParam().change(doc, tempDir.path());
    EXPECT_GT(panelSeen.calls, 0);
    EXPECT_GT(toolbarSeen.calls, 0);
    EXPECT_EQ(panelSeen.last, GetParam().expectedEntries);
    EXPECT_EQ(toolbarSeen.last, GetParam().expectedEntries);
}

INSTANTIATE_TEST_SUITE_P(Sources, ChangeSourceTest, ::testing::ValuesIn(ChangeSourceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(VariablesTest, AnEndedSubscriptionHearsNothingMore) {
    EntriesSeen kept;
    EntriesSeen ended;
    const auto keptWatch = Watch(panel(), kept);
    {
        const auto endedWatch = Watch(panel(), ended);
        Add(u"a"_s, u"1"_s);
    }
    const int endedCalls = ended.calls;
    ASSERT_GT(endedCalls, 0);
    Add(u"b"_s, u"2"_s);
    EXPECT_EQ(ended.calls, endedCalls);
    EXPECT_EQ(kept.last, QStringList({u"a = 1"_s, u"b = 2"_s}));

    // A moved subscription carries the registration with it, and only once.
    EntriesSeen moved;
    auto first = Watch(panel(), moved);
    C_VYXVariablesModel::Subscription second = std::move(first);
    first.Cancel();
    panel().SelectEntry(0);
    EXPECT_EQ(moved.calls, 1);
    second.Cancel();
    panel().SelectEntry(1);
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
