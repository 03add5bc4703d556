// SPDX-License-Identifier: MIT
// C_VYXCMPLXNFO: serialization of the always-show-argument flag.
#include "C_VYXCMPLXNFO.h"

#include "C_VYXArchive.h"

void C_VYXCMPLXNFO::Serialize(C_VYXArchive& ar) {
    ar.Exchange(m_nAlwaysShowArgument);
}
