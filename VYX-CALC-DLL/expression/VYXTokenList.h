// SPDX-License-Identifier: MIT
// The two token lists that the tokenizer builds and the evaluator reduces.
#pragma once

#include "VYXNum.h"

#include <memory>
#include <string_view>
#include <vector>

using VYXNumPtr = std::unique_ptr<VYXNum>;

/// How an operator token takes its operands.
enum class VYXOperatorKind {
    Arithmetic,    ///< "*", "/", "+", "-" (also a sign when its left number is missing)
    NamedFunction, ///< SIN, LN, E^, ...: takes the number on its right
    Postfix,       ///< "!" and "%": take the number on their left
    Infix          ///< "^" and "~": take the numbers on both sides
};

/// One operator: an arithmetic character or a function name.
struct VYXOperatorToken {
    /// Refers to storage that outlives every evaluation (string literals, the function table).
    std::string_view name;
    VYXOperatorKind kind = VYXOperatorKind::Arithmetic;

    bool IsOperatorFunction() const {
        return kind == VYXOperatorKind::Postfix || kind == VYXOperatorKind::Infix;
    }
};

/// Operator k stands between numbers k and k + 1; a null number is a placeholder for an operand
/// that is missing (before a sign or a function). The lists own their numbers.
struct VYXTokenList {
    std::vector<VYXNumPtr> numbers;
    std::vector<VYXOperatorToken> operators;
};

/// The four arithmetic operator characters.
inline bool IsArithmeticChar(char c) {
    return c == '*' || c == '/' || c == '+' || c == '-';
}

/// The token of an arithmetic operator character (the name refers to static storage).
VYXOperatorToken ArithmeticToken(char c);
