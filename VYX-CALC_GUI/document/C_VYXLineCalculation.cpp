// SPDX-License-Identifier: MIT
// C_VYXLineCalculation: classifying a line, translating and evaluating an expression line.
#include "C_VYXLineCalculation.h"

#include "C_VYXTextConversion.h"
#include "C_VYXUnicodeTranslatorContainer.h"
#include "VYXCalculator.h"

#include <memory>

namespace C_VYXLineCalculation {

namespace {

const QString kCommentMarker = QStringLiteral("//");
const QString kLineBreak = QStringLiteral("\r\n");

} // namespace

Kind Classify(const QString& line) {
    if (line.startsWith(kCommentMarker))
        return Kind::Nothing;
    if (line.contains(u'='))
        return Kind::Assignment;
    return line.isEmpty() ? Kind::Nothing : Kind::Expression;
}

Outcome Calculate(const QString& line, C_VYXUnicodeTranslatorContainer& translator,
                  VYXCalculator& calculator, const C_VYXResultLayout& layout) {
    const QString expression = translator.Translate(line);
    translator.TakeComment();
    const std::unique_ptr<VYXNum> number(
        calculator.ParseString(C_VYXTextConversion::ToNarrow(expression)));
    if (!number) {
        const QString message = C_VYXTextConversion::FromNarrow(calculator.GetExceptionMessage());
        return {message.isEmpty() ? QString() : kCommentMarker + message + kLineBreak, {}, false};
    }
    C_VYXResultLayout::Written written = layout.Layout(*number);
    return {std::move(written.text), std::move(written.value), true};
}

} // namespace C_VYXLineCalculation
