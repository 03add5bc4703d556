// SPDX-License-Identifier: MIT
// C_VYXConvertNFO: the stored part of the unit converter's record.
#include "C_VYXConvertNFO.h"

#include "C_VYXArchive.h"

void C_VYXConvertNFO::Serialize(C_VYXArchive& ar) {
    if (ar.IsLoading())
        m_savedConversions.clear();
    ar.Exchange(m_savedConversions);
    ar.Exchange(m_dValue);
    ar.Exchange(m_strLastResult);
    ar.Exchange(m_nCategoryIndex);
    ar.Exchange(m_nFromIndex);
    ar.Exchange(m_nToIndex);
}
