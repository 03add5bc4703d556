// SPDX-License-Identifier: MIT
// C_VYXTriangleSolver: stored values and flags of the triangle solver.
#include "C_VYXTriangleSolver.h"

#include "C_VYXArchive.h"

C_VYXTriangleSolver::C_VYXTriangleSolver() {
    Clear();
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
