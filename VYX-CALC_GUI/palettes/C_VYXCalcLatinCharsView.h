// SPDX-License-Identifier: MIT
// C_VYXCalcLatinCharsView: the Latin letters palette with its case toggle.
#pragma once

#include "C_VYXCharPalette.h"

/// The 26 Latin letters; upper case in a new document.
class C_VYXCalcLatinCharsView : public C_VYXCharPalette {
    Q_OBJECT

public:
    explicit C_VYXCalcLatinCharsView(C_VYXPanelOwner& owner);

protected:
    qint32* CaseFlag() override;
};
