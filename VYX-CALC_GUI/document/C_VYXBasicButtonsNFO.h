// SPDX-License-Identifier: MIT
// C_VYXBasicButtonsNFO: the numpad's record, the number of decimals results are shown with.
#pragma once

#include <QtGlobal>

class C_VYXArchive;

/// Settings record of the numpad: decimals 1 to 10, 6 in a new document.
class C_VYXBasicButtonsNFO {
public:
    static constexpr qint32 kDefaultDecimals = 6;
    static constexpr qint32 kMinDecimals = 1;
    static constexpr qint32 kMaxDecimals = 10;

    /// One int: the number of decimals.
    void Serialize(C_VYXArchive& ar);

    /// Stored as read; a damaged file may hold any value, so readers clamp where it matters.
    qint32 m_nDecimals = kDefaultDecimals;
};
