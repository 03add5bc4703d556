// SPDX-License-Identifier: MIT
// C_VYXTriangleSolver: the triangle cases (SSS, SAS, SSA with two solutions, ASA/AAS) and checks.
#include "C_VYXTriangleSolver.h"

#include "C_VYXArchive.h"
#include "C_VYXMessageBoxes.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

/// What a few roundings leave of a result computed from doubles, relative to the magnitudes it
/// came from: values closer than this are taken as equal (an angle sum and its half turn, the
/// two roots of the ambiguous case, a side and the sum of the other two).
constexpr double kRoundingTolerance = 8 * std::numeric_limits<double>::epsilon();
const QString kErrorCaption = QStringLiteral("ERROR!!");
const QString kCantBeConstructed = QStringLiteral("TRIANGLE CANT BE CONSTRUCTED!!");

QString AngleSumMessage(qint32 unitId) {
    switch (unitId) {
    case VYX_ANGLE_DEG:
        return QStringLiteral(
            "The sum of the angles in a triangle\r\nhas to be equal to 180 Deg!!");
    case VYX_ANGLE_GRA:
        return QStringLiteral(
            "The sum of the angles in a triangle\r\nhas to be equal to 200 Gra!!");
    default:
        return QStringLiteral("The sum of the angles in a triangle\r\nhas to be equal to PI Rad!!");
    }
}

} // namespace

/// One solve: the working list W, in radians while it runs, and the messages shown so far.
class C_VYXTriangleSolver::Run {
public:
    Run(C_VYXTriangleSolver& solver, std::vector<double> working, C_VYXMessageBoxes& boxes)
        : m_solver(solver), m_w(std::move(working)), m_boxes(boxes) {
        // A solve starts from one solution [A, B, C, a, b, c, area]; a second one may arise.
        m_w.resize(SolutionSize, 0.0);
        m_w[Area] = 0.0;
    }

    void Execute();

private:
    /// Shows a message and sets the error flag. A message already shown in this solve is not
    /// shown twice (an impossible triangle fails in more than one sub-step).
    void Fail(const QString& message);
    /// Shows a message without making the solve fail.
    void Inform(const QString& message);
    /// False (with the message) when a given angle leaves no room for the other two.
    bool AnglesLeaveRoom();
    bool AngleSumFits();
    void ToRadians();
    void FromRadians();
    /// The first angle of the solution at `base` that is 0 becomes pi minus the other two.
    bool CompleteThirdAngle(size_t base);
    void ThreeSides();
    void OneAngleTwoSides();
    void ResolveRemainingAngles(size_t base);
    void SineRule(size_t base);
    void Store();

    C_VYXTriangleSolver& m_solver;
    std::vector<double> m_w;
    C_VYXMessageBoxes& m_boxes;
    QStringList m_shown;
};

void C_VYXTriangleSolver::Run::Fail(const QString& message) {
    m_solver.m_error = 1;
    if (m_shown.contains(message))
        return;
    m_shown.append(message);
    m_boxes.ShowError(kErrorCaption, message);
}

void C_VYXTriangleSolver::Run::Inform(const QString& message) {
    m_shown.append(message);
    m_boxes.ShowError(kErrorCaption, message);
}

bool C_VYXTriangleSolver::Run::AnglesLeaveRoom() {
    for (size_t i = AngleA; i <= AngleC; ++i) {
        if (m_w[i] >= std::numbers::pi * (1 - kRoundingTolerance)) {
            Fail(kCantBeConstructed);
            return false;
        }
    }
    return true;
}

bool C_VYXTriangleSolver::Run::AngleSumFits() {
    if (!(m_w[AngleA] > 0 && m_w[AngleB] > 0 && m_w[AngleC] > 0))
        return true;
    // Compared on the values as given, not on rounded texts: PI/3 three times sums to PI
    // although 1.047198 three times does not.
    const double sum = m_w[AngleA] + m_w[AngleB] + m_w[AngleC];
    const double halfTurn = C_VYXAngleUnit::HalfTurn(m_solver.m_angleUnit);
    if (std::fabs(sum - halfTurn) <= kRoundingTolerance * halfTurn)
        return true;
    Fail(AngleSumMessage(m_solver.m_angleUnit));
    return false;
}

void C_VYXTriangleSolver::Run::ToRadians() {
    const double factor = C_VYXAngleUnit::ToRadiansFactor(m_solver.m_angleUnit);
    for (int i = AngleA; i <= AngleC; ++i)
        m_w[static_cast<size_t>(i)] *= factor;
}

void C_VYXTriangleSolver::Run::FromRadians() {
    const double factor = C_VYXAngleUnit::FromRadiansFactor(m_solver.m_angleUnit);
    for (size_t base = 0; base < m_w.size(); base += SolutionSize) {
        for (int i = AngleA; i <= AngleC; ++i)
            m_w[base + static_cast<size_t>(i)] *= factor;
    }
}

bool C_VYXTriangleSolver::Run::CompleteThirdAngle(size_t base) {
    for (size_t i = AngleA; i <= AngleC; ++i) {
        if (m_w[base + i] != 0)
            continue;
        double others = 0;
        for (size_t j = AngleA; j <= AngleC; ++j)
            others += j == i ? 0.0 : m_w[base + j];
        m_w[base + i] = std::numbers::pi - others;
        // Two angles that already fill half a turn, up to rounding, leave no room for a triangle.
        if (m_w[base + i] <= std::numbers::pi * kRoundingTolerance) {
            Fail(kCantBeConstructed);
            return false;
        }
        return true;
    }
    return true;
}

void C_VYXTriangleSolver::Run::ThreeSides() {
    for (size_t base = 0; base < m_w.size(); base += SolutionSize) {
        const double a = m_w[base + SideA], b = m_w[base + SideB], c = m_w[base + SideC];
        const double cosA = ((c * c + b * b) - a * a) / ((b + b) * c);
        // A longest side that equals the other two together, up to rounding, lies flat.
        const double perimeter = a + b + c;
        const bool flat = perimeter - 2 * std::max({a, b, c}) <= kRoundingTolerance * perimeter;
        if (flat || std::fabs(cosA) > 1) {
            Fail(kCantBeConstructed);
            continue;
        }
        m_w[base + AngleA] = std::acos(cosA);
        ResolveRemainingAngles(base);
    }
}

void C_VYXTriangleSolver::Run::OneAngleTwoSides() {
    size_t angle = AngleA;
    while (angle < AngleC && m_w[angle] <= 0)
        ++angle;
    size_t missing = SideA;
    while (missing < SideC && m_w[missing] > 0)
        ++missing;
    const double theta = m_w[angle];
    const size_t opposite = SideA + angle;

    if (missing == opposite) {
        // Side-angle-side: the law of cosines gives the side across the angle.
        const size_t first = missing == SideA ? SideB : SideA;
        const size_t second = missing == SideC ? SideB : SideC;
        const double s1 = m_w[first], s2 = m_w[second];
        m_w[missing] = std::sqrt(s1 * s1 + s2 * s2 - 2 * s1 * s2 * std::cos(theta));
    } else {
        // Side-side-angle: the missing side x solves x^2 + p x + q = 0, which may have two
        // positive roots (two triangles).
        const size_t adjacent = SideA + SideB + SideC - missing - opposite;
        const double s = m_w[adjacent], o = m_w[opposite];
        const double p = -2 * s * std::cos(theta);
        const double q = s * s - o * o;
        double d = (p / 2) * (p / 2) - q;
        // Both terms are rounded to about the squares of the sides: a smaller d is the double
        // root of a right triangle, which must neither fail nor come out twice.
        if (std::fabs(d) <= kRoundingTolerance * (s * s + o * o))
            d = 0;
        // A root this small is a side of length 0: a flat triangle.
        const double zeroSide = kRoundingTolerance * (s + o);
        double x1 = 0, x2 = 0;
        if (d >= 0) {
            x1 = -p / 2 + std::sqrt(d);
            x2 = -p / 2 - std::sqrt(d);
        }
        // No positive root: the given side across the angle cannot reach the third side.
        if (x1 <= zeroSide) {
            Fail(kCantBeConstructed);
            x1 = x2 = 0;
        }
        m_w[missing] = x1;
        if (d > 0 && x2 > zeroSide) {
            m_w.resize(ValueCount);
            std::copy(m_w.begin(), m_w.begin() + SolutionSize, m_w.begin() + SolutionSize);
            m_w[SolutionSize + missing] = x2;
        }
    }
    for (size_t base = 0; base < m_w.size(); base += SolutionSize)
        ResolveRemainingAngles(base);
}

void C_VYXTriangleSolver::Run::ResolveRemainingAngles(size_t base) {
    size_t k = AngleA;
    while (k <= AngleC && m_w[base + k] == 0)
        ++k;
    if (k > AngleC) {
        Fail(kCantBeConstructed); // a flat triangle: no angle to start from
        return;
    }
    // The other two angles, in the order the solver has always taken them.
    const size_t j = k == AngleB ? AngleA : AngleB;
    const size_t l = k == AngleC ? AngleA : AngleC;
    double& angleJ = m_w[base + j];
    const double sideK = m_w[base + SideA + k];
    const double sideJ = m_w[base + SideA + j];
    const double sideL = m_w[base + SideA + l];

    double sinJ = sideK != 0 ? std::sin(m_w[base + k]) * sideJ / sideK : 0.0;
    // Within rounding of 1 the angle is a right one; the arcsine would turn that rounding into
    // 1e-8 rad (89.999999 degrees).
    if (std::fabs(std::fabs(sinJ) - 1) <= kRoundingTolerance)
        sinJ = std::copysign(1.0, sinJ);
    if (sideK == 0 || std::fabs(sinJ) > 1) {
        Fail(kCantBeConstructed);
    } else {
        const double j1 = std::asin(sinJ);
        const double j2 = std::numbers::pi - j1;
        const double across = sideK * sideK + sideL * sideL;
        if (sideJ * sideJ > across)
            angleJ = std::max(j1, j2); // the side is longer than a right angle allows: obtuse
        else if (sideJ * sideJ < across)
            angleJ = std::min(j1, j2);
        else
            angleJ = j1;
    }
    m_w[base + l] = std::numbers::pi - m_w[base + k] - angleJ;
    if (m_w[base + l] <= std::numbers::pi * kRoundingTolerance)
        Fail(kCantBeConstructed); // the two angles fill half a turn: a flat triangle
}

void C_VYXTriangleSolver::Run::SineRule(size_t base) {
    size_t k = SideA;
    while (k <= SideC && m_w[base + k] <= 0)
        ++k;
    if (k > SideC)
        return;
    const double sinK = std::sin(m_w[base + k - SideA]);
    if (sinK == 0) {
        Fail(kCantBeConstructed);
        return;
    }
    for (size_t j = SideA; j <= SideC; ++j) {
        if (j != k)
            m_w[base + j] = std::sin(m_w[base + j - SideA]) * m_w[base + k] / sinK;
    }
}

void C_VYXTriangleSolver::Run::Store() {
    for (size_t i = 0; i < static_cast<size_t>(ValueCount); ++i)
        m_solver.m_values[i] = i < m_w.size() ? m_w[i] : 0.0;
    m_solver.m_hasSecondSolution = m_solver.m_values[SolutionSize + Area] != 0 ? 1 : 0;
}

void C_VYXTriangleSolver::Run::Execute() {
    m_solver.m_error = 0;
    m_solver.m_threeAnglesGiven = 0;
    if (!AngleSumFits())
        return;
    ToRadians();

    int given = 0, angles = 0, sides = 0;
    for (size_t i = AngleA; i <= SideC; ++i) {
        if (m_w[i] < 0)
            m_w[i] = 0; // a negative input counts as not given
        if (m_w[i] > 0) {
            ++given;
            (i <= AngleC ? angles : sides)++;
        }
    }
    if (given < 3 && angles != 2) {
        Fail(QStringLiteral("TRIANGLE IS UNDERCONSTRAINED!!"));
        return;
    }
    if (given == 3 && sides == 0) {
        Fail(QStringLiteral("ATLEAST ONE LENGTH IS REQUIRED TO SOLVE THE TRIANGLE!!"));
        return;
    }
    if (given >= 4 && !(angles == 3 && sides == 1)) {
        Fail(QStringLiteral("TRIANGLE IS OVERCONSTRAINED!!"));
        return;
    }
    if (!AnglesLeaveRoom())
        return;

    if (given < 3) {
        // Two angles alone: the third follows, which is worth showing although no side does.
        if (!CompleteThirdAngle(0))
            return;
        Inform(
            QStringLiteral("TRIANGLE IS UNDERCONSTRAINED\r\nBUT THE LAST ANGLE IS CALCULATED.."));
        FromRadians();
        Store();
        return;
    }
    if (given == 3 && sides == 3) {
        ThreeSides();
    } else if (given == 3 && sides == 2) {
        OneAngleTwoSides();
    } else if (given == 3 && sides == 1) {
        if (CompleteThirdAngle(0))
            SineRule(0);
    } else {
        m_solver.m_threeAnglesGiven = 1;
        SineRule(0);
    }

    for (size_t base = 0; base < m_w.size(); base += SolutionSize)
        m_w[base + Area] =
            std::sin(m_w[base + AngleC]) * (m_w[base + SideB] * m_w[base + SideA]) * 0.5;
    FromRadians();
    Store();
}

C_VYXTriangleSolver::C_VYXTriangleSolver() {
    Clear();
}

void C_VYXTriangleSolver::Solve(std::vector<double> working, C_VYXMessageBoxes& boxes) {
    Run(*this, std::move(working), boxes).Execute();
}

void C_VYXTriangleSolver::Clear() {
    m_error = 0;
    m_hasSecondSolution = 0;
    m_values.fill(0.0);
}

double C_VYXTriangleSolver::Value(int index) const {
    return index >= 0 && index < ValueCount ? m_values[static_cast<size_t>(index)] : 0.0;
}

void C_VYXTriangleSolver::Serialize(C_VYXArchive& ar) {
    for (double& value : m_values)
        ar.Exchange(value);
    ar.Exchange(m_hasSecondSolution);
}
