// SPDX-License-Identifier: MIT
// C_VYXCalcGreekCharsView: the Greek letters palette with its case toggle.
#pragma once

#include "C_VYXCharPalette.h"

/// The 24 Greek letters and the final sigma; lower case in a new document.
class C_VYXCalcGreekCharsView : public C_VYXCharPalette {
    Q_OBJECT

public:
    explicit C_VYXCalcGreekCharsView(C_VYXPanelOwner& owner);

protected:
    qint32* CaseFlag() override;
};
