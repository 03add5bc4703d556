// SPDX-License-Identifier: MIT
// C_VYXVarNFO: serialization of the variable maps.
#include "C_VYXVarNFO.h"

#include "C_VYXArchive.h"

void C_VYXVarNFO::Serialize(C_VYXArchive& ar) {
    if (ar.IsLoading()) {
        // Both go first, so a load that fails inside the definitions leaves no old values.
        definitions.clear();
        values.clear();
    }
    ar.Exchange(definitions);
    ar.Exchange(values);
}
