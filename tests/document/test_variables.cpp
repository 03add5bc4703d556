// SPDX-License-Identifier: MIT
// Tests of the variables: validation, dependants in any name order, cycles, deletion, the panel.
#include "DocumentTestSupport.h"

#include "C_VYXAngleUnit.h"
#include "C_VYXCalcAreaModel.h"
#include "C_VYXValueText.h"
#include "C_VYXVariables.h"
#include "VYXNum.h"

#include <cmath>
#include <random>

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
    /// The real part of what the expression evaluates to (NaN on an engine error).
    double RealOf(const QString& expression) {
        const std::unique_ptr<VYXNum> number = doc.EvaluateExpression(expression);
        return number ? number->GetRealValue() : std::nan("");
    }
    C_VYXVariablesModel& panel() { return doc.VariablesPanel(); }
};

// ---- dependants follow ----

TEST_F(VariablesTest, RedefiningAndDeletingAskAndMakeDependantsErrorsAsTheListsShow) {
    for (const auto& [name, definition] :
         {std::pair{u"b"_s, u"2"_s}, {u"A"_s, u"1"_s}, {u"c"_s, u"A+b"_s}, {u"d"_s, u"1/2"_s}})
        ASSERT_TRUE(Add(name, definition));
    // The panel sorts without regard to letter case; the toolbar keeps the map's order.
    EXPECT_EQ(panel().ListEntries(),
              QStringList({u"A = 1"_s, u"b = 2"_s, u"c = A+b = 3"_s, u"d = 1/2"_s}));
    EXPECT_EQ(panel().ToolbarEntries(),
              QStringList({u"A = 1"_s, u"b = 2"_s, u"c = 3"_s, u"d = 1/2"_s}));
    EXPECT_EQ(panel().ListText(), u"A=1\nb=2\nc=A+b=3\nd=1/2\n");
    boxes.QueueAnswer(Answer::No);
    EXPECT_FALSE(Add(u"A"_s, u"5"_s));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(CaptionAndText(boxes),
              u"OVERWRITE?|The variable name\nA\nalready exists!! Overwrite?");
    EXPECT_EQ(doc.Settings().Var().definitions.value(u"A"_s), u"1");
    boxes.QueueAnswer(Answer::Yes);
    ASSERT_TRUE(Add(u"A"_s, u"5"_s));
    EXPECT_EQ(panel().ListEntries()[2], u"c = A+b = 7");
    panel().SelectEntry(0);
    ASSERT_EQ(panel().NameField(), u"A");
    panel().OnDelete();
    EXPECT_EQ(panel().ListEntries(), QStringList({u"b = 2"_s, u"c = A+b = ERROR"_s, u"d = 1/2"_s}));
    EXPECT_EQ(panel().NameField() + panel().ValueField(), u"");
    // The toolbar's delete of the selected variable clears the fields too.
    panel().SelectEntry(2);
    panel().DeleteByName(u"d"_s);
    EXPECT_EQ(panel().NameField(), u"");
    // Delete all asks first and empties both maps only on Yes.
    boxes.QueueAnswer(Answer::No);
    panel().OnDeleteAll();
    EXPECT_EQ(CaptionAndText(boxes), u"Delete all?|Delete all variables?");
    EXPECT_EQ(doc.Settings().Var().values.size(), 2);
    boxes.QueueAnswer(Answer::Yes);
    panel().OnDeleteAll();
    EXPECT_TRUE(doc.Settings().Var().definitions.isEmpty() &&
                doc.Settings().Var().values.isEmpty());
}

TEST_F(VariablesTest, EveryDefinitionFollowsTheAngleUnitAndOldSixDigitValuesAtTheNextChange) {
    doc.CalculateLine(u"s=SIN30"_s);
    EXPECT_NEAR(RealOf(u"s"_s), -0.9880316240928618, 1e-15); // python3: math.sin(30)
    doc.Settings().Trig().m_nAngleUnit = VYX_ANGLE_DEG;
    doc.ApplyAngleUnit();
    doc.CalculateLine(u"t=1"_s);
    EXPECT_NEAR(RealOf(u"s"_s), 0.5, 1e-15);
    // Six-digit values of old files stay in use until the next change.
    C_VYXVarNFO& record = doc.Settings().Var();
    record.definitions = {{u"r"_s, u"SQRT(2)"_s}, {u"x"_s, u"1234567.891"_s}};
    record.values = {{u"r"_s, u"1.41421"_s}, {u"x"_s, u"1.23457e+06"_s}}; // as older files hold
    EXPECT_EQ(QList({RealOf(u"r*2"_s), RealOf(u"x"_s)}), QList({2.82842, 1234570.0}));
    ASSERT_TRUE(Add(u"y"_s, u"1"_s));
    EXPECT_EQ(record.values.values(), QStringList({"1.4142135623730951", "1234567.891", "1"}));
}

/// What ReevaluateAll must give, done the plain way: every definition in every pass, in map
/// order, until a pass changes nothing; what still changes in pass (count + 1) ends as "ERROR",
/// and the passes go on.
void ReevaluateByFullPasses(C_TOBRIK_CALCULATORDoc& doc, C_VYXVarNFO& record) {
    QStringList ended;
    for (;;) {
        QStringList changed;
        for (qsizetype pass = 0; pass <= record.definitions.size(); ++pass) {
            changed.clear();
            for (const auto& [name, definition] : record.definitions.asKeyValueRange()) {
                if (ended.contains(name))
                    continue;
                const std::unique_ptr<VYXNum> number = doc.EvaluateExpression(definition);
                doc.TakeEngineMessage();
                const QString value = number ? C_VYXValueText::FromNumber(*number) : u"ERROR"_s;
                if (value != record.values.value(name)) {
                    record.values.insert(name, value);
                    changed.append(name);
                }
            }
            if (changed.isEmpty())
                return;
        }
        ended += changed;
        for (const QString& name : changed)
            record.values.insert(name, u"ERROR"_s);
    }
}

// Chains in any name order, names inside function names and one another as the translator
// substitutes them, cycles (which end as "ERROR", never counting up) and their breaking are all
// met by the random definitions.
TEST_F(VariablesTest, ReevaluationGivesWhatFullPassesGiveOnRandomDefinitions) {
    // Names that overlap function names and one another; pieces that put them inside and next
    // to function names. Values start stale, as a file may hold them.
    const QStringList names = {"x", "nx", "lnx", "sinx", "cost", "cosa", "s", "a", "xa"};
    const QStringList pieces = names + QStringList{"1", "2", "cos(0)", "ln(1)", "sin(x)", "cos"};
    std::mt19937 random(20240611);
    const auto any = [&random](const QStringList& list) {
        return list.at(qsizetype(random() % std::uint32_t(list.size())));
    };
    C_VYXVarNFO& record = doc.Settings().Var();
    for (int round = 0; round < 300; ++round) {
        record.definitions.clear();
        record.values.clear();
        for (std::uint32_t k = 2 + random() % 6; k > 0; --k) {
            QString definition = any(pieces);
            for (std::uint32_t more = random() % 3; more > 0; --more)
                definition += any({"+", "*", "-", ""}) + any(pieces);
            const QString name = any(names);
            record.definitions.insert(name, definition);
            record.values.insert(name, any({"0", "1", "7", "ERROR"}));
        }
        const QMap<QString, QString> stale = record.values;
        C_VYXVariables(record, doc).ReevaluateAll();
        const QMap<QString, QString> values = record.values;
        record.values = stale;
        ReevaluateByFullPasses(doc, record);
        ASSERT_EQ(values, record.values)
            << QStringList(record.definitions.values()).join(u" ; ").toStdString();
    }
}

// ---- values keep every digit ----

TEST_F(VariablesTest, ValuesKeepEveryDigitInTheEnginesLayoutAndReadBackAsTheSameNumber) {
    // Expected texts from python3: the shortest round-trip digits of repr(), written in the fixed
    // form where that is shorter (every integer digit, e.g. int(2**60/3)); 2**60 exactly.
    // clang-format off
    const struct { const char16_t *definition, *value; } cases[] = {
        {u"1234567.891", u"1234567.891"}, {u"SQRT(2)", u"1.4142135623730951"},
        {u"PI", u"3.141592653589793"}, {u"1E16*3", u"3e+16"},
        {u"1E-7/3", u"3.3333333333333334e-08"}, {u"2^60/3", u"384307168202282304"},
        {u"2^60", u"1152921504606846976"}, {u"1/3-2i/7", u"1/3-2i/7"},
        {u"2.5+SQRT(2)*SQRT(-1)", u"2.5+1.4142135623730951i"}, {u"1.5-SQRT(-1)", u"1.5-i"},
        {u"SQRT(-1)", u"i"}, {u"-SQRT(-1)", u"-i"}, {u"3*SQRT(-1)", u"3i"},
    };
    // clang-format on
    int index = 0;
    for (const auto& c : cases) {
        const QString definition = QString::fromUtf16(c.definition);
        const QString name = u"v"_s + QString::number(++index);
        SCOPED_TRACE(definition.toStdString());
        ASSERT_TRUE(Add(name, definition));
        EXPECT_EQ(doc.Settings().Var().values.value(name), QString::fromUtf16(c.value));
        const std::unique_ptr<VYXNum> direct = doc.EvaluateExpression(definition);
        const std::unique_ptr<VYXNum> readBack = doc.EvaluateExpression(name);
        ASSERT_TRUE(direct && readBack);
        EXPECT_EQ(readBack->GetRealValue(), direct->GetRealValue());
        EXPECT_EQ(readBack->GetCmplxValue(), direct->GetCmplxValue());
    }
}

// ---- validation ----

TEST_F(VariablesTest, BadInputShowsOneErrorBoxAndAnAssignmentNeedsAValue) {
    // clang-format off
    const struct {
        const char16_t *variable, *definition, *shown; bool panelCreated = false;
    } cases[] = {
        {u"x", u"", u"ERROR!!|No value entered!!"},
        {u"", u"1", u"ERROR!!|No variable name entered!!"},
        {u"12", u"1", u"ERROR!!|Variable name is not allowed to be numeric."},
        // Whatever the C library reads as a whole number, in the C locale.
        {u"1e3", u"1", u"ERROR!!|Variable name is not allowed to be numeric."},
        {u"nan", u"1", u"ERROR!!|Variable name is not allowed to be numeric."},
        {u"a b", u"1", u"Illegal variable name.|The variable name:\na b\nis not allowed!!"},
        {u"sin", u"1", u"Illegal variable name.|The variable name:\nsin\nis not allowed!!"},
        {u"i", u"1", u"Illegal variable name.|The variable name:\ni\nis not allowed!!"},
        {u"2pi", u"1", u"ERROR!!|Variable name can be evaluated to a nummeric expression.\r\n"
         u"This kind of variable name is not allowed!!", true},
        {u"x", u"1/0", u"ERROR!!|ERRROR!! DIVISION BY ZERO!!"},
    };
    // clang-format on
    Add(u"keep"_s, u"1"_s);
    for (const auto& c : cases) {
        const QString name = QString::fromUtf16(c.variable);
        SCOPED_TRACE(name.toStdString());
        const qsizetype before = boxes.Boxes().size();
        panel().SetPanelCreated(c.panelCreated);
        EXPECT_FALSE(Add(name, QString::fromUtf16(c.definition)));
        ASSERT_EQ(boxes.Boxes().size(), before + 1);
        EXPECT_EQ(boxes.LastBox().kind, C_VYXScriptedMessageBoxes::Kind::Error);
        EXPECT_EQ(CaptionAndText(boxes), QString::fromUtf16(c.shown));
        EXPECT_EQ(doc.Settings().Var().definitions.keys() + doc.Settings().Var().values.keys(),
                  QStringList({u"keep"_s, u"keep"_s}));
        if (c.panelCreated) { // a name that evaluates to a number is emptied, the value stays
            EXPECT_EQ(panel().NameField() + u"|"_s + panel().ValueField(), u"|1");
        }
    }
    // An assignment shows the value rounded and needs a value.
    C_VYXCalcAreaModel area(doc);
    doc.CalculateLine(u"x=1234567.891"_s);
    doc.Settings().BasicButtons().m_nDecimals = 2;
    // Blanks and tabs around the name and the definition are no part of them.
    doc.CalculateLine(u" r \t= sqrt(2)\t"_s);
    doc.CalculateLine(u"q=1/3"_s);
    EXPECT_EQ(area.Text(),
              u"//Variable: x=1234567.891\r\n//Variable: r=1.41\r\n//Variable: q=1/3\r\n");
    EXPECT_EQ(doc.Settings().Var().definitions.value(u"r"_s), u"sqrt(2)");
    // Without a value the assignment is rejected and writes nothing.
    EXPECT_EQ(doc.CalculateLine(u"x="_s), u"");
    EXPECT_EQ(boxes.LastBox().text, u"No value entered!!");
}

// ---- the panel ----

TEST_F(VariablesTest, RemovingAnUnknownSaysSoRepairMatchesTheMapsAndTheButtonsFollow) {
    C_VYXVarNFO& record = doc.Settings().Var();
    EXPECT_FALSE(C_VYXVariables(record, doc).RemoveVariable(u"q"_s));
    EXPECT_EQ(CaptionAndText(boxes), u"Variable not found!!|The variable q could not be found.");
    record.definitions.insert(u"a"_s, u"1"_s);
    record.values.insert(u"b"_s, u"2"_s);
    C_VYXVariables(record, doc).RepairMaps();
    EXPECT_EQ(record.definitions.keys(), record.values.keys());
    EXPECT_EQ(record.values.value(u"a"_s), u"ERROR");
    // The buttons follow the fields and the selection, and Use inserts the name.
    record.definitions.clear();
    record.values.clear();
    C_VYXCalcAreaModel area(doc);
    area.TypeText(u"2*"_s);
    EXPECT_FALSE(panel().IsDeleteAllEnabled());
    panel().SetNameField(u"rate"_s);
    EXPECT_FALSE(panel().IsAddEnabled());
    panel().SetValueField(u"2+3"_s);
    EXPECT_TRUE(panel().IsAddEnabled());
    panel().OnAdd();
    EXPECT_TRUE(panel().IsDeleteAllEnabled() &&
                !(panel().IsDeleteEnabled() || panel().IsUseSelectedEnabled()));
    panel().SelectEntry(0);
    EXPECT_TRUE(panel().IsDeleteEnabled() && panel().IsUseSelectedEnabled());
    EXPECT_EQ(panel().NameField() + u"|"_s + panel().ValueField(), u"rate|2+3");
    panel().OnUseSelected();
    EXPECT_EQ(area.Text(), u"2*rate");
    panel().SelectEntry(5);
    EXPECT_FALSE(panel().IsDeleteEnabled());
}

} // namespace
