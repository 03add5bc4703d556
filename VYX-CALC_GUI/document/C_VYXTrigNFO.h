// SPDX-License-Identifier: MIT
// C_VYXTrigNFO: the trigonometry panel's record, the angle unit and the last solved triangle.
#pragma once

#include "C_VYXAngleUnit.h"
#include "C_VYXTriangleSolver.h"

class C_VYXArchive;

/// Settings record of the trigonometry panel; the triangle is saved with the document.
class C_VYXTrigNFO {
public:
    C_VYXTrigNFO() = default;

    /// The solver first, then the angle unit; loading copies the unit into the solver.
    void Serialize(C_VYXArchive& ar);

    /// String id of the engine's angle unit key (102, 213 or 214).
    qint32 m_nAngleUnit = VYX_ANGLE_RAD;
    C_VYXTriangleSolver m_solver;
};
