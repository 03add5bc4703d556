// SPDX-License-Identifier: MIT
// VYXParser: from one line of expression text to a number, and the variable store.
#pragma once

#include "VYXEvaluator.h"
#include "VYXFunctCalc.h"
#include "VYXFunctionNameTable.h"
#include "VYXPreprocessor.h"
#include "VYXTokenList.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class VYXBraceMap;

/// Deepest nesting of braces that an expression may have.
constexpr int kVyxMaxNestingDepth = 1000;

/// Preprocesses, tokenizes and evaluates expression text; owns the function calculator and the
/// variables. Not reentrant: one evaluation at a time.
class VYXParser {
public:
    VYXParser();
    virtual ~VYXParser();
    VYXParser(const VYXParser&) = delete;
    VYXParser& operator=(const VYXParser&) = delete;

    /// Evaluates one expression; the number belongs to the caller. Throws the engine's exceptions.
    VYXNumPtr Calculate(const std::string& text);
    /// Brace checks and implicit "*" signs.
    std::string Preprocess(const std::string& text) const;
    /// Splits (preprocessed) text into numbers and operators; groups in braces are evaluated,
    /// together with the named functions written right before them (SIN(30) is one number).
    VYXTokenList Tokenize(const std::string& text);
    /// Reduces token lists to a number (at least one number and one operator).
    VYXNumPtr EvaluateTokens(VYXTokenList tokens) const;
    /// A literal, PI, E, an imaginary literal or a variable's value (a copy).
    VYXNumPtr OperandToNumber(std::string_view operand) const;
    /// Integral values become exact rationals, other values complex-double numbers.
    static VYXNumPtr MakeNumber(double value, bool imaginary);

    /// "RAD", "DEG" or "GRA"; anything else is ignored.
    void SetAngle(const std::string& unit) { m_pFunctCalc->SetAngle(unit); }
    const std::string& GetAngle() const { return m_pFunctCalc->GetAngle(); }

    /// Evaluates the value expression and stores it under the name (replacing an old value).
    /// Names containing a function name, and PI, I, J, E, are refused.
    void DefineVariable(const std::string& name, const std::string& valueExpression);
    bool HasVariable(std::string_view name) const;
    /// The stored value; throws "ERROR!! THE VARIABLE NAME: name IS NOT DEFINED!!".
    const VYXNum& LookupVariable(std::string_view name) const;
    /// "name=value" in ascending name order; sets each stored value's precision to `decimals`.
    std::vector<std::string> GetDefinedVars(int decimals);

private:
    struct Source; // the text being evaluated and its brace pairs

    VYXNumPtr EvaluateText(const Source& source, size_t begin, size_t end, int depth);
    VYXTokenList TokenizeRange(const Source& source, size_t begin, size_t end, int depth);
    /// Appends the function names from `pos` on (named functions one after another, or one
    /// operator-function) to `chain`; returns the position after them.
    size_t ReadFunctionChain(std::string_view text, size_t pos,
                             std::vector<VYXOperatorToken>& chain) const;
    /// The ')' that closes the group opening at `open`; refuses nesting beyond the limit.
    size_t GroupClose(const Source& source, size_t open, size_t end, int depth) const;
    /// A named function applied to the value of the group written right after it.
    VYXNumPtr ApplyToGroup(const VYXOperatorToken& function, VYXNumPtr argument) const;
    size_t OperandLength(std::string_view rest) const;
    size_t ScientificLiteralStart(std::string_view rest) const;

    std::unique_ptr<VYXFunctCalc> m_pFunctCalc;
    VYXFunctionNameTable m_names;
    VYXPreprocessor m_preprocessor;
    VYXEvaluator m_evaluator;
    std::map<std::string, VYXNumPtr, std::less<>> m_variables;
};
