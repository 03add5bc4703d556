// SPDX-License-Identifier: MIT
// Reduces the token lists of one (sub)expression to a number, level by level.
#pragma once

#include "VYXTokenList.h"

#include <string_view>

class VYXFunctCalc;

/// The precedence levels, each a single left-to-right pass: operator-functions ("^", "~", "!",
/// "%"), named functions, signs, "*" and "/", "+" and "-". Every number made on the way is owned
/// by the lists, so nothing leaks on any error path, and the result belongs to the caller.
class VYXEvaluator {
public:
    explicit VYXEvaluator(VYXFunctCalc& functCalc) : m_functCalc(functCalc) {}

    /// Needs at least one number and one operator; throws the engine's exceptions.
    VYXNumPtr EvaluateTokens(VYXTokenList tokens) const;

private:
    VYXTokenList ReduceOperatorFunctions(VYXTokenList in) const;
    VYXTokenList ReduceNamedFunctions(VYXTokenList in) const;
    static VYXTokenList ApplySigns(VYXTokenList in);
    static VYXTokenList ReduceArithmetic(VYXTokenList in, char first, char second,
                                         int& complexDoubleCount);
    VYXNumPtr EvaluateRun(VYXTokenList run) const;
    void ClosePendingPower(VYXTokenList& out, size_t powerIndex) const;
    VYXNumPtr Apply(const VYXOperatorToken& op, VYXNum* first, VYXNum* second) const;

    VYXFunctCalc& m_functCalc;
};

/// "ERROR!! MISSING OPERAND AFTER " op "!!": an operator whose operand never comes.
[[noreturn]] void ThrowMissingOperand(std::string_view op);
