// SPDX-License-Identifier: MIT
// Tests of the triangle solver (every case, its messages, both solutions) and the panel's logic.
#include "DocumentTestSupport.h"

#include "C_VYXTriangleModel.h"
#include "C_VYXTriangleSolver.h"
#include "C_VYXTrigNFO.h"

#include <numbers>
#include <vector>

namespace {

const char* const kCantBeConstructed = "TRIANGLE CANT BE CONSTRUCTED!!";
const char* const kUnderconstrained = "TRIANGLE IS UNDERCONSTRAINED!!";
const char* const kLastAngleCalculated =
    "TRIANGLE IS UNDERCONSTRAINED\r\nBUT THE LAST ANGLE IS CALCULATED..";
const char* const kLengthRequired = "ATLEAST ONE LENGTH IS REQUIRED TO SOLVE THE TRIANGLE!!";
constexpr auto kSumDegrees = "The sum of the angles in a triangle\r\nhas to be equal to 180 Deg!!";
constexpr auto kSumGradians = "The sum of the angles in a triangle\r\nhas to be equal to 200 Gra!!";
constexpr auto kSumRadians = "The sum of the angles in a triangle\r\nhas to be equal to PI Rad!!";

constexpr qint32 kDeg = VYX_ANGLE_DEG;
constexpr qint32 kRad = VYX_ANGLE_RAD;
constexpr qint32 kGra = VYX_ANGLE_GRA;

/// The seven values A, B, C, a, b, c, area of one solution, to eight significant digits.
QString Solution(const C_VYXTriangleSolver& solver, int second) {
    QStringList values;
    for (int i = 0; i < 7; ++i)
        values.append(QString::number(solver.Value(7 * second + i), 'g', 8));
    return values.join(u' ');
}

TEST(TriangleSolver, SolvesOrReportsAndAFailureKeepsThePreviousTriangle) {
    // clang-format off
    const struct {
        const char* name; qint32 unit; std::vector<double> input; // A, B, C, a, b, c
        const char* message; bool error;
        const char* first = "0 0 0 0 0 0 0"; // nullptr: not checked
        const char* second = nullptr; // none
    } cases[] = {
        {"SideSideAngleTwoTriangles", kDeg, {30, 0, 0, 5, 8, 0}, nullptr, false,
         "30 53.130102 96.869898 5 8 9.9282032 19.856406",
         "30 126.8699 23.130102 5 8 3.9282032 7.8564065"},
        // what the sub-steps computed is stored nevertheless
        // Expected values by hand: c = 8 cos 30°, area = 4 * 8 * sin 60° / 2.
        {"SideSideAngleDoubleRootIsOneRightTriangle", kDeg, {30, 0, 0, 4, 8, 0}, nullptr, false,
         "30 90 60 4 8 6.9282032 13.856406"},
        // a = b up to rounding: the second root is 0, not a flat second triangle; c = 0.6 cos 30°
        {"SideSideAngleIsoscelesOneTriangle", kDeg, {30, 0, 0, 0.3, 0.1 + 0.2, 0}, nullptr, false,
         "30 30 120 0.3 0.3 0.51961524 0.038971143"},
        {"SideSideAngleObtuseFlat", kDeg, {150, 0, 0, 0.1 + 0.2, 0.3, 0}, kCantBeConstructed, true,
         nullptr},
        {"SideSideAngleNoTriangle", kDeg, {30, 0, 0, 2, 10, 0}, kCantBeConstructed, true,
         "30 0 150 2 10 0 5"},
        {"ThreeSidesImpossible", kRad, {0, 0, 0, 1, 2, 4}, kCantBeConstructed, true, "0 0 0 1 2 4 0"},
        // A side as long as the other two together lies flat, in any position and up to rounding.
        {"ThreeSidesFlatUpToRounding", kRad, {0, 0, 0, 0.4, 0.5, 0.1}, kCantBeConstructed,
         true, "0 0 0 0.4 0.5 0.1 0"},
        {"SideAngleSide", kDeg, {60, 0, 0, 0, 2, 3}, nullptr, false,
         "60 40.893395 79.106605 2.6457513 2 3 2.5980762"},
        {"AngleAngleSideRadians", kRad, {0.5, 1.0, 0, 2, 0, 0}, nullptr, false,
         "0.5 1 1.6415927 2 3.5103302 4.1612092 3.5015368"},
        {"ThreeAnglesOneSide", kDeg, {60, 60, 60, 1, 0, 0}, nullptr, false,
         "60 60 60 1 1 1 0.4330127"},
        // A sum off by 0.01 does not fit (the panel's test gives thirds of a half turn unrounded).
        {"AngleSumOffByAHundredth", kDeg, {59.99, 60, 60, 1, 0, 0}, kSumDegrees, true},
        {"AngleSumGradians", kGra, {60, 60, 60, 1, 0, 0}, kSumGradians, true},
        {"ThreeAnglesNoSide", kDeg, {60, 60, 60, 0, 0, 0}, kLengthRequired, true},
        {"AngleSumRadians", kRad, {1, 1, 1, 1, 0, 0}, kSumRadians, true},
        {"TwoSidesOnly", kDeg, {0, 0, 0, 3, 4, 0}, kUnderconstrained, true},
        {"TwoAnglesTwoSides", kDeg, {30, 60, 0, 1, 2, 0}, "TRIANGLE IS OVERCONSTRAINED!!", true},
        {"TwoAnglesOnlyGiveTheThird", kDeg, {30, 0, 60, 0, 0, 0}, kLastAngleCalculated, false,
         "30 90 60 0 0 0 0"},
        {"TwoAnglesFillingHalfATurn", kDeg, {120, 70, 0, 0, 0, 1}, kCantBeConstructed, true,
         "120 70 -10 0 0 1 0"},
        // 10.8° + 169.2° leave 4e-16 rad after conversion, which is no angle at all
        {"TwoAnglesFillingHalfATurnUpToRounding", kDeg, {10.8, 169.2, 0, 0, 0, 1},
         kCantBeConstructed, true, nullptr},
        {"ReflexAngleWithTwoSides", kDeg, {190, 0, 0, 0, 2, 3}, kCantBeConstructed, true},
        {"NegativeInputIsNotGiven", kDeg, {-30, 0, 0, 3, 4, 5}, nullptr, false,
         "36.869898 53.130102 90 3 4 5 6"},
        {"ShortInputIsPadded", kDeg, {0, 0, 0, 3, 4}, kUnderconstrained, true},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        C_VYXTriangleSolver solver;
        solver.SetAngleUnit(c.unit);
        C_VYXScriptedMessageBoxes boxes;
        solver.Solve(c.input, boxes);
        QStringList shown;
        for (const auto& box : boxes.Boxes()) {
            EXPECT_EQ(box.caption, u"ERROR!!");
            EXPECT_EQ(box.kind, C_VYXScriptedMessageBoxes::Kind::Error);
            shown.append(box.text);
        }
        EXPECT_EQ(shown, c.message ? QStringList{QString::fromLatin1(c.message)} : QStringList());
        EXPECT_EQ(solver.HasError(), c.error);
        EXPECT_EQ(solver.HasSecondSolution(), c.second != nullptr);
        if (c.first) {
            EXPECT_EQ(Solution(solver, 0), QString::fromLatin1(c.first));
        }
        EXPECT_EQ(Solution(solver, 1), QString::fromLatin1(c.second ? c.second : "0 0 0 0 0 0 0"));
    }
    // A stopping failure keeps the previous triangle, and Clear forgets it.
    C_VYXTriangleSolver solver;
    solver.SetAngleUnit(VYX_ANGLE_DEG);
    C_VYXScriptedMessageBoxes boxes;
    solver.Solve({30, 0, 0, 5, 8, 0}, boxes);
    const auto before = solver.Values();
    solver.Solve({0, 0, 0, 3, 4, 0}, boxes);
    EXPECT_TRUE(solver.HasError() && solver.HasSecondSolution());
    EXPECT_EQ(solver.Values(), before);
    solver.Clear();
    EXPECT_FALSE(solver.HasError() || solver.HasSecondSolution());
    EXPECT_EQ(solver.Values(), decltype(before){});
}

// ---- the panel's logic ----

class TriangleModelTest : public ::testing::Test {
protected:
    std::unique_ptr<C_VYXTriangleModel> Model() {
        return std::make_unique<C_VYXTriangleModel>(record, host.Context(), boxes);
    }
    /// Types the six fields A, B, C, a, b, c.
    static C_VYXTriangleModel& Type(C_VYXTriangleModel& model,
                                    const std::array<const char*, 6>& texts) {
        for (int i = 0; i < 6; ++i)
            model.EditField(C_VYXTriangleModel::Field(i), QString::fromUtf8(texts[size_t(i)]));
        return model;
    }
    void UseUnit(qint32 unit) {
        record.m_nAngleUnit = unit;
        record.m_solver.SetAngleUnit(unit);
    }
    /// The seven fields A, B, C, a, b, c, area joined by "|".
    static QString Fields(const C_VYXTriangleModel& model) {
        QStringList texts;
        for (int i = 0; i < C_VYXTriangleModel::FieldCount; ++i)
            texts.append(model.FieldText(C_VYXTriangleModel::Field(i)));
        return texts.join(u'|');
    }
    /// The enabled buttons among Exe, Clr, 2nd and Use.
    static QString Enabled(const C_VYXTriangleModel& model) {
        return QString::fromLatin1("%1%2%3%4")
            .arg(model.IsExecuteEnabled() ? "Exe " : "", model.IsClearEnabled() ? "Clr " : "",
                 model.IsSecondEnabled() ? "2nd " : "", model.IsUseEnabled() ? "Use" : "")
            .trimmed();
    }

    C_VYXTrigNFO record;
    C_VYXScriptedMessageBoxes boxes;
    DocumentTestSupport::FakePanelHost host;
};

TEST_F(TriangleModelTest, ExeUseAngleButtonsEnterAndTheSecondSolutionUntilClearOrANewTriangle) {
    UseUnit(VYX_ANGLE_DEG);
    auto model = Model();
    Type(*model, {"30", "60", "", "", "", "10"}).Execute();
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_EQ(Fields(*model),
              u"30.000000|60.000000|90.000000|5.000000|8.660254|10.000000|21.650635");
    EXPECT_EQ(Enabled(*model), u"Clr Use"); // all six given: Exe waits
    model->Use(); // its text is printed by vyxcalc's triangle command too, and checked there
    ASSERT_EQ(host.inserted.size(), 1);
    EXPECT_TRUE(host.inserted[0].endsWith(u"c=10.000000\r\nArea: (LengthUnits²)\r\n21.650635\r\n"));
    // The angle buttons set record, solver and engine; the values are kept as they stand.
    host.modified = 0;
    host.engineAngles.clear();
    const auto solved = record.m_solver.Values();
    model->SelectAngleUnit(VYX_ANGLE_RAD);
    model->SelectAngleUnit(999);
    EXPECT_EQ(host.engineAngles, QStringList({"ANGLE_RAD"}));
    EXPECT_EQ(QList<int>({record.m_nAngleUnit, record.m_solver.AngleUnit(), model->RadioIndex(),
                          host.modified}),
              QList<int>({kRad, kRad, C_VYXTriangleModel::RadioRadians, 1}));
    EXPECT_EQ(record.m_solver.Values(), solved);
    model->SelectAngleUnit(VYX_ANGLE_DEG);
    host.modified = 0;
    // Enter solves two angles even with Exe disabled.
    Type(*model, {"30", "60", "", "", "", ""});
    model->PressEnter();
    EXPECT_EQ(boxes.LastBox().text, QString::fromLatin1(kLastAngleCalculated));
    EXPECT_EQ(model->FieldText(C_VYXTriangleModel::FieldC), u"90.000000");
    EXPECT_TRUE(model->IsUseEnabled());
    EXPECT_EQ(host.modified, 1);
    host.decimals = 3;
    Type(*model, {"30", "", "", "5", "8", ""}).Execute();
    EXPECT_EQ(Enabled(*model), u"Clr 2nd Use");
    model->ToggleSecondSolution();
    EXPECT_EQ(Fields(*model), u"30.000|126.870|23.130|5.000|8.000|3.928|7.856");
    model->Clear();
    EXPECT_EQ(Fields(*model), u"0|0|0|0|0|0|0");
    EXPECT_FALSE(model->ShowsSecondSolution());
    EXPECT_EQ(Enabled(*model), u"");
    // A new triangle without a second solution shows the first even if the second was shown.
    Type(*model, {"30", "", "", "5", "8", ""}).Execute();
    model->ToggleSecondSolution();
    Type(*model, {"", "", "", "3", "4", "5"}).Execute();
    EXPECT_FALSE(model->ShowsSecondSolution());
    EXPECT_EQ(model->FieldText(C_VYXTriangleModel::FieldC), u"90.000");
}

TEST_F(TriangleModelTest, ErrorsKeepTheInputAndTheSolverTakesTheFieldsUnrounded) {
    host.results.insert(u"1/0"_s, u"//ERRROR!! DIVISION BY ZERO!!\r\n"_s);
    host.results.insert(u"PI/3"_s, u"1.047198\r\n"_s);
    host.values.insert(u"PI/3"_s, std::numbers::pi / 3);
    auto model = Model(); // radians
    // The solver's error keeps the input and leaves nothing to use.
    Type(*model, {"", "", "", "1", "2", "4"}).Execute();
    EXPECT_EQ(boxes.LastBox().text, QString::fromLatin1(kCantBeConstructed));
    EXPECT_EQ(Fields(*model), u"0|0|0|1|2|4|0");
    model->Use();
    EXPECT_TRUE(host.inserted.isEmpty());
    // A field that is no number is reported before the solver is asked.
    record.m_solver.Clear();
    Type(*model, {"", "", "", "1/0", "4", "5"}).Execute();
    ASSERT_EQ(boxes.Boxes().size(), 2);
    EXPECT_EQ(CaptionAndText(boxes), u"ERROR!!|Please enter a number.");
    EXPECT_EQ(record.m_solver.Value(C_VYXTriangleSolver::SideA), 0.0);
    // The solver takes the fields unrounded and they show rounded: equilateral, area sqrt(3)/4.
    Type(*model, {"PI/3", "PI/3", "PI/3", "1", "", ""}).Execute();
    EXPECT_EQ(boxes.Boxes().size(), 2);
    EXPECT_EQ(Fields(*model), u"1.047198|1.047198|1.047198|1.000000|1.000000|1.000000|0.433013");
}

TEST_F(TriangleModelTest, ExeNeedsASolvableCombinationAndANewModelShowsTheStoredSolution) {
    Model()->Execute(); // a new document: nothing to solve, nothing to report
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_EQ(host.engineAngles, QStringList({"ANGLE_RAD"}));
    EXPECT_EQ(host.modified, 0);
    // Exe needs a solvable combination, Clr any given field.
    // clang-format off
    const struct { std::array<const char*, 6> texts; const char* enabled; } cases[] = {
        {{"", "", "", "", "", ""}, ""},
        {{"0", "0", "0", "0", "0", "0"}, ""}, // zeros are not given
        {{"", "", "", "3", "4", "0.0"}, "Exe Clr"}, // only "0" itself counts as not given
        {{"60", "60", "60", "1", "", ""}, "Exe Clr"},
        {{"30", "60", "", "", "", ""}, "Clr"},
        {{"30", "60", "", "1", "2", ""}, "Clr"},
        {{"30", "", "", "3", "4", "5"}, "Clr"},
        {{"", "", "", "x", "4", "5"}, "Exe Clr"}, // an expression counts
    };
    // clang-format on
    for (const auto& c : cases) {
        auto model = Model();
        Type(*model, c.texts);
        EXPECT_EQ(Enabled(*model), QString::fromLatin1(c.enabled)) << Fields(*model).toStdString();
    }
    host.engineAngles.clear();
    UseUnit(VYX_ANGLE_GRA);
    record.m_solver.Solve({50, 50, 0, 0, 0, 2}, boxes);
    host.decimals = 4;
    auto model = Model();
    EXPECT_EQ(model->RadioIndex(), C_VYXTriangleModel::RadioGradians);
    EXPECT_EQ(host.engineAngles, QStringList({"ANGLE_GRA"}));
    // At most fifteen significant digits, as a double is written into a field.
    EXPECT_EQ(Fields(*model), u"50|50|100|1.4142135623731|1.4142135623731|2|1.0000000000");
    EXPECT_EQ(Enabled(*model), u"Clr Use");
    // An unknown angle unit is named so and not given to the engine.
    record.m_nAngleUnit = 7;
    host.engineAngles.clear();
    EXPECT_TRUE(Model()->UseText().startsWith(
        u"Calculated Triangle:\r\nAngle: (UNKNOWN ANGLE UNIT.)\r\nA=50\r\n"_s));
    EXPECT_TRUE(host.engineAngles.isEmpty());
}

} // namespace
