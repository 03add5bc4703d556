// SPDX-License-Identifier: MIT
// C_VYXPanelContext: safe calls into the optional document services.
#include "C_VYXPanelContext.h"

#include "C_VYXNumberText.h"

namespace {
constexpr int DefaultDecimals = 6;
}

int C_VYXPanelContext::Decimals() const {
    return decimals ? decimals() : DefaultDecimals;
}

QString C_VYXPanelContext::RoundToDecimals(const QString& numberText) const {
    return C_VYXNumberText::RoundNumberText(numberText, Decimals());
}

QString C_VYXPanelContext::EvaluateExpressionText(const QString& text) const {
    return ::EvaluateExpressionText(evaluate, text);
}

void C_VYXPanelContext::MarkModified() const {
    if (markModified)
        markModified();
}

void C_VYXPanelContext::InsertText(const QString& text) const {
    if (insertText)
        insertText(text);
}

void C_VYXPanelContext::SetEngineAngle(const QString& key) const {
    if (setEngineAngle)
        setEngineAngle(key);
}
