// SPDX-License-Identifier: MIT
// C_VYXTriangleSolver: solves a triangle from known angles and sides, both ambiguous solutions.
#pragma once

#include "C_VYXAngleUnit.h"

#include <QString>

#include <array>
#include <vector>

class C_VYXArchive;
class C_VYXMessageBoxes;

/// Computes the missing angles A, B, C, sides a, b, c and the area of a triangle. Errors are
/// reported through message boxes (caption "ERROR!!") and the error flag.
class C_VYXTriangleSolver {
public:
    /// Positions inside one solution; the second solution starts at SolutionSize.
    enum Entry { AngleA = 0, AngleB, AngleC, SideA, SideB, SideC, Area, SolutionSize };
    static constexpr int ValueCount = 2 * SolutionSize;

    C_VYXTriangleSolver();

    /// Solves [A, B, C, a, b, c, ...] (angles in the solver's unit; 0 or negative = not given).
    void Solve(std::vector<double> working, C_VYXMessageBoxes& boxes);
    /// No values, no second solution, no error.
    void Clear();

    /// One of the 14 stored values (0 outside the range).
    double Value(int index) const;
    const std::array<double, ValueCount>& Values() const { return m_values; }

    qint32 AngleUnit() const { return m_angleUnit; }
    void SetAngleUnit(qint32 unitId) { m_angleUnit = unitId; }

    bool HasSecondSolution() const { return m_hasSecondSolution != 0; }
    /// The second-solution flag as stored, which a file may hold as any integer.
    qint32 SecondSolutionFlag() const { return m_hasSecondSolution; }
    bool HasError() const { return m_error != 0; }

    /// The 14 values, then the second-solution flag.
    void Serialize(C_VYXArchive& ar);

private:
    class Run;

    std::array<double, ValueCount> m_values{};
    qint32 m_angleUnit = VYX_ANGLE_RAD;
    qint32 m_hasSecondSolution = 0;
    qint32 m_error = 0;
    qint32 m_threeAnglesGiven = 0;
};
