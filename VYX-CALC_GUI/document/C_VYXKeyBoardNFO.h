// SPDX-License-Identifier: MIT
// C_VYXKeyBoardNFO: the letter case of the Latin and Greek character palettes.
#pragma once

#include <QtGlobal>

class C_VYXArchive;

/// Settings record of the Latin and Greek palettes; flags are ints so any stored value
/// survives a load and save unchanged.
class C_VYXKeyBoardNFO {
public:
    /// Latin flag, then Greek flag.
    void Serialize(C_VYXArchive& ar);

    /// Non-zero: the Latin palette is in upper case.
    qint32 m_nLatinCaps = 1;
    /// Non-zero: the Greek palette is in upper case.
    qint32 m_nGreekCaps = 0;
};
