// SPDX-License-Identifier: MIT
// C_VYXTrigNFO: the stored form of the trigonometry record.
#include "C_VYXTrigNFO.h"

#include "C_VYXArchive.h"

void C_VYXTrigNFO::Serialize(C_VYXArchive& ar) {
    m_solver.Serialize(ar);
    ar.Exchange(m_nAngleUnit);
    // The solver's own unit is not stored; it follows the record's.
    if (ar.IsLoading())
        m_solver.SetAngleUnit(m_nAngleUnit);
}
