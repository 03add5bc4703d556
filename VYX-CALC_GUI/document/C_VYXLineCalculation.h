// SPDX-License-Identifier: MIT
// C_VYXLineCalculation: what kind of line the caret is on, and an expression line's text.
#pragma once

#include "C_VYXResultLayout.h"

#include <QString>

class C_VYXUnicodeTranslatorContainer;
class VYXCalculator;

/// The steps of Enter that both the document and the live preview take, so that the preview
/// shows exactly what Enter writes.
namespace C_VYXLineCalculation {

enum class Kind {
    /// Comments and empty lines: Enter writes nothing.
    Nothing,
    /// "name=definition" defines a variable.
    Assignment,
    Expression,
};

Kind Classify(const QString& line);

struct Outcome {
    /// The text written below the line: the laid-out result, "//" + the engine's message, or
    /// empty when the engine failed without a message.
    QString text;
    /// The result's value for Ctrl+Enter; empty on failure.
    QString value;
    /// The engine gave a number.
    bool calculated = false;
};

/// Translates an expression line and evaluates it with `calculator`.
Outcome Calculate(const QString& line, C_VYXUnicodeTranslatorContainer& translator,
                  VYXCalculator& calculator, const C_VYXResultLayout& layout);

} // namespace C_VYXLineCalculation
