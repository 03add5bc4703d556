// SPDX-License-Identifier: MIT
// C_VYXExpressionEvaluator: how panel fields get an expression evaluated by the document.
#pragma once

#include <QString>

#include <functional>

/// Evaluates one line exactly as the document's CalculateLine does, with the result display
/// forced to the decimal form for the call (the user's display setting restored afterwards).
/// Returns the text that would be written as the line's result, "//message" for an engine error,
/// or an empty text. The document supplies it; an empty function means there is no document.
using C_VYXExpressionEvaluator = std::function<QString(const QString& line)>;

/// The text a panel field is replaced with when its expression is evaluated: "," read as the
/// decimal point, the result without line breaks; empty without an evaluator.
QString EvaluateExpressionText(const C_VYXExpressionEvaluator& evaluator, const QString& text);
