// SPDX-License-Identifier: MIT
// Shared helpers of the expression-engine tests: one evaluation as printed text and number kind.
#pragma once

#include "VYXCalculator.h"
#include "VYXNumRational.h"
#include "VYXNumUni.h"

#include <memory>
#include <ostream>
#include <string>
#include <typeinfo>

namespace expression_tests {

/// 'R' for a VYXNumRational, 'U' for a VYXNumUni, '?' for anything else, '-' for an error.
inline char KindOf(const VYXNum* number) {
    if (number == nullptr)
        return '-';
    const std::type_info& type = typeid(*number);
    return type == typeid(VYXNumRational) ? 'R' : type == typeid(VYXNumUni) ? 'U' : '?';
}

/// What the user would see: the value's text, or "//" and the engine's message.
struct Outcome {
    std::string text;
    char kind;

    bool operator==(const Outcome&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Outcome& outcome) {
    return out << "[" << outcome.kind << "] " << outcome.text;
}

/// Evaluates through the facade and releases the number, as the document does.
inline Outcome Evaluate(VYXCalculator& calculator, const std::string& expression) {
    std::unique_ptr<VYXNum> number(calculator.ParseString(expression));
    if (!number)
        return {"//" + calculator.GetExceptionMessage(), '-'};
    return {number->GetValue(), KindOf(number.get())};
}

inline Outcome Evaluate(const std::string& expression, const std::string& angleKey = "ANGLE_RAD") {
    VYXCalculator calculator;
    calculator.SetAngle(angleKey);
    return Evaluate(calculator, expression);
}

} // namespace expression_tests
