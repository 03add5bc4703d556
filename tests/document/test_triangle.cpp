// SPDX-License-Identifier: MIT
// Tests of the triangle solver (every case, its messages, both solutions) and the panel's logic.
#include "C_VYXNumberText.h"
#include "C_VYXScriptedMessageBoxes.h"
#include "C_VYXTriangleModel.h"
#include "C_VYXTriangleSolver.h"
#include "C_VYXTrigNFO.h"

#include <gtest/gtest.h>

#include <QMap>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

const char* const CantBeConstructed = "TRIANGLE CANT BE CONSTRUCTED!!";
const char* const Underconstrained = "TRIANGLE IS UNDERCONSTRAINED!!";
const char* const LastAngleCalculated =
    "TRIANGLE IS UNDERCONSTRAINED\r\nBUT THE LAST ANGLE IS CALCULATED..";
const char* const Overconstrained = "TRIANGLE IS OVERCONSTRAINED!!";
const char* const LengthRequired = "ATLEAST ONE LENGTH IS REQUIRED TO SOLVE THE TRIANGLE!!";
const char* const SumDegrees =
    "The sum of the angles in a triangle\r\nhas to be equal to 180 Deg!!";
const char* const SumGradians =
    "The sum of the angles in a triangle\r\nhas to be equal to 200 Gra!!";
const char* const SumRadians = "The sum of the angles in a triangle\r\nhas to be equal to PI Rad!!";

using Solution = std::array<double, 7>; // A, B, C, a, b, c, area

struct SolveCase {
    const char* name;
    qint32 unit;
    std::vector<double> input; // A, B, C, a, b, c
    int decimals;
    std::vector<const char*> messages;
    bool error;
    std::optional<Solution> first{};  // expected stored values when the solve stores
    std::optional<Solution> second{}; // expected second solution, none when absent
    bool valuesUnchecked = false;     // an impossible triangle stores whatever was computed
};

class TriangleSolveTest : public ::testing::TestWithParam<SolveCase> {};

TEST_P(TriangleSolveTest, SolvesOrReports) {
    const SolveCase& c = GetParam();
    C_VYXTriangleSolver solver;
    solver.SetAngleUnit(c.unit);
    solver.SetDecimals(c.decimals);
    C_VYXScriptedMessageBoxes boxes;
    solver.Solve(c.input, boxes);

    QStringList shown;
    for (const auto& box : boxes.Boxes()) {
        EXPECT_EQ(box.caption, QStringLiteral("ERROR!!"));
        EXPECT_EQ(box.kind, C_VYXScriptedMessageBoxes::Kind::Error);
        shown.append(box.text);
    }
    QStringList expectedMessages;
    for (const char* message : c.messages)
        expectedMessages.append(QString::fromLatin1(message));
    EXPECT_EQ(shown, expectedMessages);
    EXPECT_EQ(solver.HasError(), c.error);

    EXPECT_EQ(solver.HasSecondSolution(), c.second.has_value());
    if (c.valuesUnchecked)
        return;
    const Solution zeros{};
    const Solution first = c.first.value_or(zeros);
    const Solution second = c.second.value_or(zeros);
    for (int i = 0; i < 7; ++i) {
        EXPECT_NEAR(solver.Value(i), first[static_cast<size_t>(i)], 1e-6) << "first, entry " << i;
        EXPECT_NEAR(solver.Value(7 + i), second[static_cast<size_t>(i)], 1e-6)
            << "second, entry " << i;
    }
}

constexpr qint32 Deg = VYX_ANGLE_DEG;
constexpr qint32 Rad = VYX_ANGLE_RAD;
constexpr qint32 Gra = VYX_ANGLE_GRA;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, TriangleSolveTest, ::testing::Values(
    SolveCase{"SideSideAngleTwoTriangles", Deg, {30, 0, 0, 5, 8, 0}, 6, {}, false,
        Solution{30, 53.130102354156, 96.869897645844, 5, 8, 9.928203230276, 19.856406460551},
        Solution{30, 126.869897645844, 23.130102354156, 5, 8, 3.928203230276, 7.856406460551}},
    // what the sub-steps computed is stored nevertheless
    SolveCase{"SideSideAngleNoTriangle", Deg, {30, 0, 0, 2, 10, 0}, 6, {CantBeConstructed}, true,
        Solution{30, 0, 150, 2, 10, 0, 5}},
    SolveCase{"SideSideAngleObtuseTooShort", Deg, {100, 0, 0, 5, 5.05, 0}, 6, {CantBeConstructed},
        true, std::nullopt, std::nullopt, true},
    SolveCase{"ThreeSidesImpossible", Rad, {0, 0, 0, 1, 2, 4}, 6, {CantBeConstructed}, true,
        Solution{0, 0, 0, 1, 2, 4, 0}},
    SolveCase{"ThreeSidesRightTriangle", Deg, {0, 0, 0, 3, 4, 5}, 6, {}, false,
        Solution{36.869897645844, 53.130102354156, 90, 3, 4, 5, 6}},
    SolveCase{"SideAngleSide", Deg, {60, 0, 0, 0, 2, 3}, 6, {}, false,
        Solution{60, 40.893394649131, 79.106605350869, 2.645751311065, 2, 3, 2.598076211353}},
    SolveCase{"AngleSideAngle", Deg, {30, 60, 0, 0, 0, 10}, 6, {}, false,
        Solution{30, 60, 90, 5, 8.660254037844, 10, 21.650635094611}},
    SolveCase{"AngleAngleSideRadians", Rad, {0.5, 1.0, 0, 2, 0, 0}, 6, {}, false,
        Solution{0.5, 1.0, 1.641592653590, 2, 3.510330247561, 4.161209223473, 3.501536823267}},
    SolveCase{"AngleAngleSideGradians", Gra, {50, 50, 0, 0, 0, 2}, 6, {}, false,
        Solution{50, 50, 100, 1.414213562373, 1.414213562373, 2, 1}},
    SolveCase{"ThreeAnglesOneSide", Deg, {60, 60, 60, 1, 0, 0}, 6, {}, false,
        Solution{60, 60, 60, 1, 1, 1, 0.433012701892}},
    SolveCase{"AngleSumFitsToOneDecimal", Deg, {59.99, 60, 60, 0, 0, 0}, 1, {LengthRequired}, true},
    SolveCase{"AngleSumFailsWithTwoDecimals", Deg, {59.99, 60, 60, 0, 0, 0}, 2, {SumDegrees}, true},
    SolveCase{"AngleSumGradians", Gra, {60, 60, 60, 1, 0, 0}, 6, {SumGradians}, true},
    SolveCase{"AngleSumRadians", Rad, {1, 1, 1, 1, 0, 0}, 6, {SumRadians}, true},
    SolveCase{"ThreeAnglesOnlyRadians", Rad, {1, 1, 1.141592653589793, 0, 0, 0}, 6,
        {LengthRequired}, true},
    SolveCase{"TwoSidesOnly", Deg, {0, 0, 0, 3, 4, 0}, 6, {Underconstrained}, true},
    SolveCase{"NothingGiven", Deg, {0, 0, 0, 0, 0, 0}, 6, {Underconstrained}, true},
    SolveCase{"OneAngleOneSide", Deg, {40, 0, 0, 3, 0, 0}, 6, {Underconstrained}, true},
    SolveCase{"TwoAnglesTwoSides", Deg, {30, 60, 0, 1, 2, 0}, 6, {Overconstrained}, true},
    SolveCase{"ThreeSidesOneAngle", Deg, {30, 0, 0, 3, 4, 5}, 6, {Overconstrained}, true},
    SolveCase{"TwoAnglesOnlyGiveTheThird", Deg, {30, 0, 60, 0, 0, 0}, 6, {LastAngleCalculated},
        false, Solution{30, 90, 60, 0, 0, 0, 0}},
    SolveCase{"TwoAnglesFillingHalfATurn", Deg, {120, 70, 0, 0, 0, 1}, 6, {CantBeConstructed},
        true, Solution{120, 70, -10, 0, 0, 1, 0}},
    SolveCase{"ReflexAngleWithTwoSides", Deg, {190, 0, 0, 0, 2, 3}, 6, {CantBeConstructed}, true},
    SolveCase{"NegativeInputIsNotGiven", Deg, {-30, 0, 0, 3, 4, 5}, 6, {}, false,
        Solution{36.869897645844, 53.130102354156, 90, 3, 4, 5, 6}},
    SolveCase{"ShortInputIsPadded", Deg, {0, 0, 0, 3, 4}, 6, {Underconstrained}, true}),
    [](const ::testing::TestParamInfo<SolveCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(TriangleSolver, StoppingFailureKeepsThePreviousTriangle) {
    C_VYXTriangleSolver solver;
    solver.SetAngleUnit(VYX_ANGLE_DEG);
    C_VYXScriptedMessageBoxes boxes;
    solver.Solve({30, 0, 0, 5, 8, 0}, boxes);
    ASSERT_TRUE(solver.HasSecondSolution());
    const auto before = solver.Values();
    solver.Solve({0, 0, 0, 3, 4, 0}, boxes);
    EXPECT_TRUE(solver.HasError());
    EXPECT_EQ(solver.Values(), before);
    EXPECT_TRUE(solver.HasSecondSolution());
    solver.Solve({0, 0, 0, 3, 4, 5}, boxes);
    EXPECT_FALSE(solver.HasError());
    EXPECT_FALSE(solver.HasSecondSolution());
    EXPECT_EQ(solver.Value(13), 0.0);
    EXPECT_FALSE(solver.ThreeAnglesGiven());
    solver.Solve({60, 60, 60, 2, 0, 0}, boxes);
    EXPECT_TRUE(solver.ThreeAnglesGiven());
    solver.Solve({60, 60, 0, 2, 0, 0}, boxes);
    EXPECT_FALSE(solver.ThreeAnglesGiven());
}

TEST(TriangleSolver, ClearForgetsValuesFlagsAndError) {
    C_VYXTriangleSolver solver;
    solver.SetAngleUnit(VYX_ANGLE_DEG);
    C_VYXScriptedMessageBoxes boxes;
    solver.Solve({30, 0, 0, 5, 8, 0}, boxes);
    solver.Solve({0, 0, 0, 1, 2, 4}, boxes);
    ASSERT_TRUE(solver.HasError());
    solver.Clear();
    EXPECT_FALSE(solver.HasError());
    EXPECT_FALSE(solver.HasSecondSolution());
    for (int i = 0; i < C_VYXTriangleSolver::ValueCount; ++i)
        EXPECT_EQ(solver.Value(i), 0.0);
    EXPECT_EQ(solver.AngleUnit(), VYX_ANGLE_DEG);
}

// ---- the panel's logic ----

class TriangleModelFixture : public ::testing::Test {
protected:
    C_VYXPanelContext Context() {
        C_VYXPanelContext context;
        context.evaluate = [this](const QString& line) {
            if (results.contains(line))
                return results.value(line);
            return line + QStringLiteral("\r\n");
        };
        context.decimals = [this] { return decimals; };
        context.markModified = [this] { ++modifiedCount; };
        context.insertText = [this](const QString& text) { inserted.append(text); };
        context.setEngineAngle = [this](const QString& key) { engineAngles.append(key); };
        return context;
    }

    void Type(C_VYXTriangleModel& model, const std::array<const char*, 6>& texts) {
        for (int i = 0; i < 6; ++i)
            model.EditField(static_cast<C_VYXTriangleModel::Field>(i), QString::fromUtf8(texts[i]));
    }

    void UseDegrees() {
        record.m_nAngleUnit = VYX_ANGLE_DEG;
        record.m_solver.SetAngleUnit(VYX_ANGLE_DEG);
    }

    QStringList Fields(const C_VYXTriangleModel& model) const {
        QStringList texts;
        for (int i = 0; i < C_VYXTriangleModel::FieldCount; ++i)
            texts.append(model.FieldText(static_cast<C_VYXTriangleModel::Field>(i)));
        return texts;
    }

    C_VYXTrigNFO record;
    C_VYXScriptedMessageBoxes boxes;
    QMap<QString, QString> results;
    QStringList inserted;
    QStringList engineAngles;
    int decimals = 6;
    int modifiedCount = 0;
};

TEST_F(TriangleModelFixture, NewDocumentShowsZerosRadiansAndTellsTheEngine) {
    C_VYXTriangleModel model(record, Context(), boxes);
    EXPECT_EQ(Fields(model), QStringList({"0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(model.RadioIndex(), C_VYXTriangleModel::RadioRadians);
    EXPECT_EQ(engineAngles, QStringList({"ANGLE_RAD"}));
    EXPECT_FALSE(model.IsExecuteEnabled());
    EXPECT_FALSE(model.IsClearEnabled());
    EXPECT_FALSE(model.IsSecondEnabled());
    EXPECT_FALSE(model.IsUseEnabled());
    EXPECT_EQ(modifiedCount, 0);
    model.Execute(); // all zero: nothing to solve, nothing to report
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_FALSE(record.m_solver.HasError());
}

TEST_F(TriangleModelFixture, ExeFillsTheRightTriangleAndUseNamesDegrees) {
    UseDegrees();
    C_VYXTriangleModel model(record, Context(), boxes);
    Type(model, {"30", "60", "", "", "", "10"});
    EXPECT_TRUE(model.IsExecuteEnabled());
    model.Execute();
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_EQ(Fields(model), QStringList({"30.000000", "60.000000", "90.000000", "5.000000",
                                          "8.660254", "10.000000", "21.650635"}));
    EXPECT_TRUE(model.IsUseEnabled());
    EXPECT_FALSE(model.IsSecondEnabled());
    model.Use();
    ASSERT_EQ(inserted.size(), 1);
    EXPECT_EQ(inserted.first(),
              QStringLiteral("Calculated Triangle:\r\nAngle: (Degrees)\r\nA=30.000000\r\n"
                             "B=60.000000\r\nC=90.000000\r\nLengths: (LengthUnits)\r\n"
                             "a=5.000000\r\nb=8.660254\r\nc=10.000000\r\n"
                             "Area: (LengthUnits²)\r\n21.650635\r\n"));
    EXPECT_GT(modifiedCount, 0);
}

TEST_F(TriangleModelFixture, FieldsMayHoldExpressions) {
    results.insert(QStringLiteral("x+1"), QStringLiteral("4\r\n"));
    C_VYXTriangleModel model(record, Context(), boxes);
    Type(model, {"", "", "", "x+1", "3", "5"});
    model.Execute();
    EXPECT_EQ(model.FieldText(C_VYXTriangleModel::FieldSideA), QStringLiteral("4.000000"));
    EXPECT_EQ(model.FieldText(C_VYXTriangleModel::FieldC), QStringLiteral("1.570796"));
}

TEST_F(TriangleModelFixture, SecondSolutionToggles) {
    UseDegrees();
    decimals = 3;
    C_VYXTriangleModel model(record, Context(), boxes);
    Type(model, {"30", "", "", "5", "8", ""});
    model.Execute();
    EXPECT_TRUE(model.IsSecondEnabled());
    EXPECT_EQ(model.FieldText(C_VYXTriangleModel::FieldSideC), QStringLiteral("9.928"));
    model.ToggleSecondSolution();
    EXPECT_TRUE(model.ShowsSecondSolution());
    EXPECT_EQ(model.FieldText(C_VYXTriangleModel::FieldSideC), QStringLiteral("3.928"));
    EXPECT_EQ(model.FieldText(C_VYXTriangleModel::FieldB), QStringLiteral("126.870"));
    EXPECT_EQ(model.FieldText(C_VYXTriangleModel::FieldArea), QStringLiteral("7.856"));
    model.ToggleSecondSolution();
    EXPECT_EQ(model.FieldText(C_VYXTriangleModel::FieldSideC), QStringLiteral("9.928"));
    // A new triangle without a second solution shows the first even if the second was shown.
    model.ToggleSecondSolution();
    Type(model, {"", "", "", "3", "4", "5"});
    model.Execute();
    EXPECT_FALSE(model.ShowsSecondSolution());
    EXPECT_EQ(model.FieldText(C_VYXTriangleModel::FieldC), QStringLiteral("90.000"));
    EXPECT_FALSE(model.IsSecondEnabled());
}

struct EnableCase {
    const char* name;
    std::array<const char*, 6> texts;
    bool execute;
    bool clear;
};

class TriangleEnableTest : public TriangleModelFixture,
                           public ::testing::WithParamInterface<EnableCase> {};

TEST_P(TriangleEnableTest, ExeNeedsASolvableCombination) {
    const EnableCase& c = GetParam();
    C_VYXTriangleModel model(record, Context(), boxes);
    Type(model, c.texts);
    EXPECT_EQ(model.IsExecuteEnabled(), c.execute);
    EXPECT_EQ(model.IsClearEnabled(), c.clear);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TriangleEnableTest,
    ::testing::Values(EnableCase{"Empty", {"", "", "", "", "", ""}, false, false},
                      EnableCase{"ZerosAreNotGiven", {"0", "0", "0", "0", "0", "0"}, false, false},
                      EnableCase{"ThreeSides", {"", "", "", "3", "4", "5"}, true, true},
                      EnableCase{"ThreeSidesOneZero", {"", "", "", "3", "4", "0"}, false, true},
                      EnableCase{"ZeroPointZeroCounts", {"", "", "", "3", "4", "0.0"}, true, true},
                      EnableCase{"OneAngleTwoSides", {"30", "", "", "5", "8", ""}, true, true},
                      EnableCase{"TwoAnglesOneSide", {"30", "60", "", "", "", "1"}, true, true},
                      EnableCase{"ThreeAnglesOneSide", {"60", "60", "60", "1", "", ""}, true, true},
                      EnableCase{"TwoAnglesNoSide", {"30", "60", "", "", "", ""}, false, true},
                      EnableCase{"TwoAnglesTwoSides", {"30", "60", "", "1", "2", ""}, false, true},
                      EnableCase{"OneAngleThreeSides", {"30", "", "", "3", "4", "5"}, false, true},
                      EnableCase{"ExpressionCounts", {"", "", "", "x", "4", "5"}, true, true}),
    [](const ::testing::TestParamInfo<EnableCase>& info) { return std::string(info.param.name); });

TEST_F(TriangleModelFixture, EnterSolvesTwoAnglesEvenWithExeDisabled) {
    UseDegrees();
    C_VYXTriangleModel model(record, Context(), boxes);
    Type(model, {"30", "60", "", "", "", ""});
    ASSERT_FALSE(model.IsExecuteEnabled());
    model.PressEnter();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.LastBox().text, QString::fromLatin1(LastAngleCalculated));
    EXPECT_EQ(model.FieldText(C_VYXTriangleModel::FieldC), QStringLiteral("90.000000"));
    EXPECT_TRUE(model.IsUseEnabled());
    EXPECT_EQ(modifiedCount, 1);
}

TEST_F(TriangleModelFixture, SolverErrorKeepsInputAndDisablesUse) {
    C_VYXTriangleModel model(record, Context(), boxes);
    Type(model, {"", "", "", "1", "2", "4"});
    model.Execute();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.LastBox().text, QString::fromLatin1(CantBeConstructed));
    EXPECT_EQ(Fields(model), QStringList({"0", "0", "0", "1", "2", "4", "0"}));
    EXPECT_FALSE(model.IsUseEnabled());
    model.Use();
    EXPECT_TRUE(inserted.isEmpty());
}

TEST_F(TriangleModelFixture, FieldThatIsNoNumberIsReported) {
    results.insert(QStringLiteral("1/0"), QStringLiteral("//ERRROR!! DIVISION BY ZERO!!\r\n"));
    C_VYXTriangleModel model(record, Context(), boxes);
    Type(model, {"", "", "", "1/0", "4", "5"});
    model.Execute();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.LastBox().caption, QStringLiteral("ERROR!!"));
    EXPECT_EQ(boxes.LastBox().text, QStringLiteral("Please enter a number."));
    EXPECT_EQ(record.m_solver.Value(C_VYXTriangleSolver::SideA), 0.0);
}

TEST_F(TriangleModelFixture, ClearResetsFieldsSolverAndButtons) {
    UseDegrees();
    C_VYXTriangleModel model(record, Context(), boxes);
    Type(model, {"30", "", "", "5", "8", ""});
    model.Execute();
    model.ToggleSecondSolution();
    model.Clear();
    EXPECT_EQ(Fields(model), QStringList({"0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_FALSE(model.ShowsSecondSolution());
    EXPECT_FALSE(model.IsSecondEnabled());
    EXPECT_FALSE(model.IsUseEnabled());
    EXPECT_FALSE(model.IsClearEnabled());
    EXPECT_FALSE(record.m_solver.HasSecondSolution());
    EXPECT_EQ(record.m_solver.Value(C_VYXTriangleSolver::SideA), 0.0);
}

TEST_F(TriangleModelFixture, AngleButtonsSetRecordSolverAndEngine) {
    UseDegrees();
    C_VYXTriangleModel model(record, Context(), boxes);
    Type(model, {"30", "60", "", "", "", "10"});
    model.Execute();
    const auto solved = record.m_solver.Values();
    engineAngles.clear();
    model.SelectAngleUnit(VYX_ANGLE_RAD);
    EXPECT_EQ(engineAngles, QStringList({"ANGLE_RAD"}));
    EXPECT_EQ(record.m_nAngleUnit, VYX_ANGLE_RAD);
    EXPECT_EQ(record.m_solver.AngleUnit(), VYX_ANGLE_RAD);
    EXPECT_EQ(model.RadioIndex(), C_VYXTriangleModel::RadioRadians);
    EXPECT_EQ(record.m_solver.Values(), solved);
    EXPECT_EQ(modifiedCount, 1);
    model.SelectAngleUnit(VYX_ANGLE_GRA);
    EXPECT_EQ(model.RadioIndex(), C_VYXTriangleModel::RadioGradians);
    EXPECT_EQ(engineAngles.last(), QStringLiteral("ANGLE_GRA"));
    model.SelectAngleUnit(999);
    EXPECT_EQ(record.m_nAngleUnit, VYX_ANGLE_GRA);
    EXPECT_EQ(engineAngles.size(), 2);
}

TEST_F(TriangleModelFixture, RefreshShowsTheStoredFirstSolution) {
    record.m_nAngleUnit = VYX_ANGLE_GRA;
    record.m_solver.SetAngleUnit(VYX_ANGLE_GRA);
    C_VYXScriptedMessageBoxes solverBoxes;
    record.m_solver.Solve({50, 50, 0, 0, 0, 2}, solverBoxes);
    decimals = 4;
    C_VYXTriangleModel model(record, Context(), boxes);
    EXPECT_EQ(model.RadioIndex(), C_VYXTriangleModel::RadioGradians);
    EXPECT_EQ(engineAngles, QStringList({"ANGLE_GRA"}));
    const QStringList fields = Fields(model);
    EXPECT_EQ(fields.at(C_VYXTriangleModel::FieldA), QStringLiteral("50"));
    EXPECT_EQ(fields.at(C_VYXTriangleModel::FieldB), QStringLiteral("50"));
    EXPECT_EQ(fields.at(C_VYXTriangleModel::FieldC), QStringLiteral("100"));
    EXPECT_EQ(fields.at(C_VYXTriangleModel::FieldSideC), QStringLiteral("2"));
    EXPECT_EQ(fields.at(C_VYXTriangleModel::FieldArea), QStringLiteral("1.0000000000"));
    // At most fifteen significant digits, as a double is written into a field.
    for (int side : {C_VYXTriangleModel::FieldSideA, C_VYXTriangleModel::FieldSideB}) {
        double value = 0;
        EXPECT_TRUE(C_VYXNumberText::ParseDouble(fields.at(side), value)) << side;
        EXPECT_NEAR(value, std::sqrt(2.0), 1e-13) << side;
        EXPECT_LE(fields.at(side).size(), 16) << side;
        EXPECT_GE(fields.at(side).size(), 14) << side;
    }
    EXPECT_EQ(record.m_solver.Decimals(), 4);
    EXPECT_TRUE(model.IsUseEnabled());
}

TEST_F(TriangleModelFixture, UseTextNamesUnknownUnits) {
    record.m_nAngleUnit = 7;
    C_VYXTriangleModel model(record, Context(), boxes);
    EXPECT_TRUE(model.UseText().startsWith(
        QStringLiteral("Calculated Triangle:\r\nAngle: (UNKNOWN ANGLE UNIT.)\r\nA=0\r\n")));
    EXPECT_TRUE(engineAngles.isEmpty());
}

} // namespace
