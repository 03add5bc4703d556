// SPDX-License-Identifier: MIT
// C_VYXKeyBoardNFO: serialization of the two palette case flags.
#include "C_VYXKeyBoardNFO.h"

#include "C_VYXArchive.h"

void C_VYXKeyBoardNFO::Serialize(C_VYXArchive& ar) {
    ar.Exchange(m_nLatinCaps);
    ar.Exchange(m_nGreekCaps);
}
