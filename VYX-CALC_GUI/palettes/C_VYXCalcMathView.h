// SPDX-License-Identifier: MIT
// C_VYXCalcMathView: the palette of punctuation, relation, arrow and operator symbols.
#pragma once

#include "C_VYXCharPalette.h"

/// 45 symbols, each inserting exactly what it shows; its settings record holds nothing.
class C_VYXCalcMathView : public C_VYXCharPalette {
    Q_OBJECT

public:
    explicit C_VYXCalcMathView(C_VYXPanelOwner& owner);
};
