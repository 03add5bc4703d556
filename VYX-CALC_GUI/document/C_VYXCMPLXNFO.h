// SPDX-License-Identifier: MIT
// C_VYXCMPLXNFO: the complex-number panel's record, whether results always show their argument.
#pragma once

#include <QtGlobal>

class C_VYXArchive;

/// Settings record of the complex-number panel: the always-show-argument flag, 0 when new.
class C_VYXCMPLXNFO {
public:
    /// One int used as a flag.
    void Serialize(C_VYXArchive& ar);

    /// Non-zero: complex results get the "ARGUMENT:" suffix. Kept as an int so that any
    /// stored value is written back unchanged.
    qint32 m_nAlwaysShowArgument = 0;
};
