// SPDX-License-Identifier: MIT
// C_VYXPanelContext: what the panels' logic needs from the document, as replaceable functions.
#pragma once

#include "C_VYXExpressionEvaluator.h"

#include <QString>

#include <functional>
#include <optional>

/// The document services a panel uses. Every member may be left empty (tests, no document):
/// the helpers below then do nothing or return the neutral value.
struct C_VYXPanelContext {
    /// The document's CalculateLine with the decimal display forced.
    C_VYXExpressionEvaluator evaluate;
    /// The real value of an expression at full precision (no counting, no layout); empty for an
    /// engine error or a complex result.
    std::function<std::optional<double>(const QString& expression)> evaluateReal;
    /// The numpad's number of decimals (6 when not given).
    std::function<int()> decimals;
    /// Marks the document modified.
    std::function<void()> markModified;
    /// Inserts a text at the caret of the calculation area (replacing the selection).
    std::function<void(const QString&)> insertText;
    /// Passes an angle unit key ("ANGLE_DEG", ...) to the engine's SetAngle.
    std::function<void(const QString&)> setEngineAngle;

    int Decimals() const;
    /// RoundNumberText with the numpad's number of decimals.
    QString RoundToDecimals(const QString& numberText) const;
    QString EvaluateExpressionText(const QString& text) const;
    /// The value behind a field's evaluated text, unrounded ("," read as "."); empty when there
    /// is none or it is not a finite real number.
    std::optional<double> EvaluateRealValue(const QString& text) const;
    void MarkModified() const;
    void InsertText(const QString& text) const;
    void SetEngineAngle(const QString& key) const;
};
