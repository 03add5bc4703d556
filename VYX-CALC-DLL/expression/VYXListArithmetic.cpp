// SPDX-License-Identifier: MIT
// The number arithmetic of the evaluator: exact while every number is rational, else
// complex-double.
#include "VYXListArithmetic.h"

#include "VYXFunctSupport.h"
#include "VYXNumRational.h"
#include "VYXNumberText.h"
#include "VYXRationalArithmetic.h"

#include <string>
#include <typeinfo>

namespace {
bool TryExact(char op, const VYXNumRational& a, const VYXNumRational& b, VYXNumRational& result) {
    switch (op) {
    case '*':
        return TryRationalMultiply(a, b, result);
    case '/':
        return TryRationalDivide(a, b, result);
    case '+':
        return TryRationalAdd(a, b, result);
    default:
        return TryRationalSubtract(a, b, result);
    }
}

void CombineInPlace(char op, VYXNumUni& left, const VYXNumUni& right) {
    switch (op) {
    case '*':
        left *= right;
        break;
    case '/':
        left /= right;
        break;
    case '+':
        left += right;
        break;
    default:
        left -= right;
        break;
    }
}
} // namespace

VYXNumPtr ToComplexDouble(const VYXNum& number) {
    return std::make_unique<VYXNumUni>(ToUniValue(number));
}

void CombineInto(char op, VYXNumPtr& left, const VYXNum& right, bool allRational) {
    if (allRational && IsExactlyRational(left.get()) && IsExactlyRational(&right)) {
        auto& exact = static_cast<VYXNumRational&>(*left);
        // The Try routines leave the number untouched when the exact result does not fit.
        if (TryExact(op, exact, static_cast<const VYXNumRational&>(right), exact)) {
            return;
        }
        // The exact result does not fit: the same two operands continue in complex-double.
    }
    if (typeid(*left) == typeid(VYXNumUni)) {
        CombineInPlace(op, static_cast<VYXNumUni&>(*left), ToUniValue(right));
        return;
    }
    VYXNumUni result = ToUniValue(*left);
    CombineInPlace(op, result, ToUniValue(right));
    left = std::make_unique<VYXNumUni>(result);
}

VYXNumPtr ApplySign(std::string_view sign, VYXNumPtr number) {
    // The sign is read as the number text sign + "1", so "*" or "/" fail with its format message.
    const double coefficient = vyx_text::ParseDoubleText(std::string(sign) + "1");
    if (IsExactlyRational(number.get())) {
        CombineInto('*', number, VYXNumRational(coefficient, 1, 0, 1), true);
    } else {
        CombineInto('*', number, VYXNumUni(coefficient, 0), false);
    }
    return number;
}
