// SPDX-License-Identifier: MIT
// C_VYXBasicButtonsNFO: serialization of the number of decimals.
#include "C_VYXBasicButtonsNFO.h"

#include "C_VYXArchive.h"

void C_VYXBasicButtonsNFO::Serialize(C_VYXArchive& ar) {
    ar.Exchange(m_nDecimals);
}
