// SPDX-License-Identifier: MIT
// C_VYXPanelContext: safe calls into the optional document services.
#include "C_VYXPanelContext.h"

#include "C_VYXBasicButtonsNFO.h"
#include "C_VYXNumberText.h"

#include <cmath>

int C_VYXPanelContext::Decimals() const {
    return decimals ? decimals() : C_VYXBasicButtonsNFO::kDefaultDecimals;
}

QString C_VYXPanelContext::RoundToDecimals(const QString& numberText) const {
    return C_VYXNumberText::RoundNumberText(numberText, Decimals());
}

QString C_VYXPanelContext::EvaluateExpressionText(const QString& text) const {
    return ::EvaluateExpressionText(evaluate, text);
}

std::optional<double> C_VYXPanelContext::EvaluateRealValue(const QString& text) const {
    if (!evaluateReal)
        return std::nullopt;
    QString expression = text;
    expression.replace(u',', u'.');
    const std::optional<double> value = evaluateReal(expression);
    if (value && !std::isfinite(*value))
        return std::nullopt;
    return value;
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
