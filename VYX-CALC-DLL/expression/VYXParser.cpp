// SPDX-License-Identifier: MIT
// VYXParser: literals, the tokenizer, operands and the variable store.
#include "VYXParser.h"

#include "VYXBraceMap.h"
#include "VYXExceptions.h"
#include "VYXListArithmetic.h"
#include "VYXLiteralText.h"
#include "VYXNumRational.h"
#include "VYXNumberText.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <typeinfo>

namespace {
// Largest number of token slots reserved in advance for one group.
constexpr size_t kTokenReserveCap = 32;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A whole text that a complex-double number accepts as its literal: exact when the rational
// number accepts it as well (7, 3I), decimal otherwise (0.5). Null when it is no literal.
VYXNumPtr ParseNumberLiteral(std::string_view text) {
    double real = 0.0;
    double imag = 0.0;
    if (!vyx_text::TryReadComplexDoubleLiteral(text, real, imag)) {
        return nullptr;
    }
    if (vyx_text::IsExactLiteral(text)) {
        return std::make_unique<VYXNumRational>(real, 1.0, imag, 1.0);
    }
    return std::make_unique<VYXNumUni>(real, imag);
}

// "I", "J", "-I", "-J", or a plain number followed by "I" or "J"; null for any other text.
VYXNumPtr ImaginaryLiteral(std::string_view text) {
    if (text == "I" || text == "J") {
        return VYXParser::MakeNumber(1.0, true);
    }
    if (text == "-I" || text == "-J") {
        return VYXParser::MakeNumber(-1.0, true);
    }
    if (text.empty() || (text.back() != 'I' && text.back() != 'J')) {
        return nullptr;
    }
    double coefficient = 0.0;
    if (!vyx_text::TryParseDoubleText(text.substr(0, text.size() - 1), coefficient)) {
        return nullptr;
    }
    return VYXParser::MakeNumber(coefficient, true);
}

// A copy of the same kind, so that evaluating never changes a stored variable.
VYXNumPtr CopyOfValue(const VYXNum& value) {
    if (typeid(value) == typeid(VYXNumUni)) {
        return std::make_unique<VYXNumUni>(static_cast<const VYXNumUni&>(value));
    }
    if (const auto* rational = dynamic_cast<const VYXNumRational*>(&value)) {
        return std::make_unique<VYXNumRational>(*rational);
    }
    return ToComplexDouble(value);
}
} // namespace

struct VYXParser::Source {
    std::string_view text;
    const VYXBraceMap& braces;
};

VYXParser::VYXParser()
    : m_pFunctCalc(std::make_unique<VYXFunctCalc>()), m_names(*m_pFunctCalc),
      m_preprocessor(m_names), m_evaluator(*m_pFunctCalc) {}

VYXParser::~VYXParser() = default;

VYXNumPtr VYXParser::Calculate(const std::string& text) {
    double ignored = 0.0;
    const std::string prepared =
        vyx_text::TryParseDoubleText(text, ignored) ? text : Preprocess(text);
    const VYXBraceMap braces(prepared);
    return EvaluateText(Source{prepared, braces}, 0, prepared.size(), 0);
}

std::string VYXParser::Preprocess(const std::string& text) const {
    return m_preprocessor.Preprocess(text);
}

VYXTokenList VYXParser::Tokenize(const std::string& text) {
    const VYXBraceMap braces(text);
    return TokenizeRange(Source{text, braces}, 0, text.size(), 0);
}

VYXNumPtr VYXParser::EvaluateTokens(VYXTokenList tokens) const {
    return m_evaluator.EvaluateTokens(std::move(tokens));
}

VYXNumPtr VYXParser::EvaluateText(const Source& source, size_t begin, size_t end, int depth) {
    if (begin >= end) {
        throw VYXExceptionNumberFormat("");
    }
    if (VYXNumPtr literal = ParseNumberLiteral(source.text.substr(begin, end - begin))) {
        return literal;
    }
    VYXTokenList tokens = TokenizeRange(source, begin, end, depth);
    if (tokens.numbers.size() == 1 && tokens.operators.empty()) {
        return std::move(tokens.numbers.front());
    }
    if (!tokens.numbers.empty() && !tokens.operators.empty()) {
        return m_evaluator.EvaluateTokens(std::move(tokens));
    }
    throw VYXExceptionNumberFormat("SYNTAX ERROR!!");
}

VYXTokenList VYXParser::TokenizeRange(const Source& source, size_t begin, size_t end, int depth) {
    const std::string_view text = source.text.substr(0, end);
    VYXTokenList tokens;
    // Every token takes at least one character; the cap keeps deeply nested groups of a huge
    // line from reserving much more than they use.
    const size_t expectedTokens = std::min<size_t>((end - begin) / 2 + 2, kTokenReserveCap);
    tokens.numbers.reserve(expectedTokens);
    tokens.operators.reserve(expectedTokens);
    int consecutiveOperators = 0;
    // Two operators in a row always have a placeholder number between them.
    const auto addOperator = [&](const VYXOperatorToken& op) {
        tokens.operators.push_back(op);
        if (tokens.numbers.empty()) {
            tokens.numbers.push_back(nullptr);
        }
        if (++consecutiveOperators > 1) {
            tokens.numbers.push_back(nullptr);
            consecutiveOperators = 1;
        }
    };
    size_t pos = begin;
    while (pos < end) {
        if (text[pos] == '(') {
            const size_t close = GroupClose(source, pos, end, depth);
            tokens.numbers.push_back(EvaluateText(source, pos + 1, close, depth + 1));
            pos = close + 1;
            consecutiveOperators = 0;
        } else if (m_names.MatchAt(text, pos)) {
            std::vector<VYXOperatorToken> chain;
            const size_t after = ReadFunctionChain(text, pos, chain);
            if (chain.front().kind == VYXOperatorKind::NamedFunction && after < end &&
                text[after] == '(') {
                // SIN(30)^2 is (SIN(30))^2: functions written before a group take that group
                // alone, each applied where braces around it and the group would apply it
                // (SINCOS(0)^2 is (SIN((COS(0))))^2).
                const size_t close = GroupClose(source, after, end, depth);
                VYXNumPtr value = EvaluateText(source, after + 1, close, depth + 1);
                for (size_t k = chain.size(); k-- > 0;) {
                    value = ApplyToGroup(chain[k], std::move(value));
                }
                tokens.numbers.push_back(std::move(value));
                pos = close + 1;
                consecutiveOperators = 0;
            } else {
                for (const VYXOperatorToken& token : chain) {
                    addOperator(token);
                }
                pos = after;
            }
        } else if (IsArithmeticChar(text[pos])) {
            addOperator(ArithmeticToken(text[pos]));
            ++pos;
        } else {
            const size_t length = OperandLength(text.substr(pos));
            tokens.numbers.push_back(OperandToNumber(text.substr(pos, length)));
            pos += length;
            consecutiveOperators = 0;
        }
    }
    return tokens;
}

// Named functions written one after another (SINCOS) are read at once, so that a long chain is
// scanned only once; an operator-function is a chain of its own.
size_t VYXParser::ReadFunctionChain(std::string_view text, size_t pos,
                                    std::vector<VYXOperatorToken>& chain) const {
    while (const std::string* name = m_names.MatchAt(text, pos)) {
        const VYXOperatorToken token = m_names.TokenFor(*name);
        if (!chain.empty() && (token.kind != VYXOperatorKind::NamedFunction ||
                               chain.front().kind != VYXOperatorKind::NamedFunction)) {
            break;
        }
        chain.push_back(token);
        pos += name->size();
    }
    return pos;
}

size_t VYXParser::GroupClose(const Source& source, size_t open, size_t end, int depth) const {
    const size_t close = source.braces.MatchingClose(open, end);
    if (depth >= kVyxMaxNestingDepth) {
        throw VYXExceptionFunction("ERROR!! THE EXPRESSION IS NESTED TOO DEEPLY!!");
    }
    return close;
}

// The list that the group "(F(x))" would tokenize to, so that the result and every message are
// those of the explicit braces.
VYXNumPtr VYXParser::ApplyToGroup(const VYXOperatorToken& function, VYXNumPtr argument) const {
    VYXTokenList call;
    call.numbers.push_back(nullptr);
    call.numbers.push_back(std::move(argument));
    call.operators.push_back(function);
    return m_evaluator.EvaluateTokens(std::move(call));
}

// The operand ends before an operator, before the character in front of a brace, or after the
// character in front of a function name.
size_t VYXParser::OperandLength(std::string_view rest) const {
    const size_t n = rest.size();
    for (size_t len = ScientificLiteralStart(rest); len < n; ++len) {
        const bool braceFollows = len + 1 < n && rest[len + 1] == '(' && n > len + 2;
        if (braceFollows || IsArithmeticChar(rest[len])) {
            return len > 0 ? len : n;
        }
        if (m_names.MatchAt(rest, len + 1)) {
            return len + 1;
        }
    }
    return n;
}

// A number in scientific notation with a signed exponent (1E-5, 2.5E+3) is one operand: the
// operand scan starts after its sign. A variable named like the part up to the "E" keeps the
// reading as a difference or sum (1E-5 is then 1E minus 5).
size_t VYXParser::ScientificLiteralStart(std::string_view rest) const {
    size_t i = 0;
    while (i < rest.size() && IsDigit(rest[i])) {
        ++i;
    }
    if (i == 0) {
        return 0;
    }
    if (i < rest.size() && rest[i] == '.') {
        ++i;
        while (i < rest.size() && IsDigit(rest[i])) {
            ++i;
        }
    }
    if (i + 2 >= rest.size() || rest[i] != 'E' || (rest[i + 1] != '+' && rest[i + 1] != '-') ||
        !IsDigit(rest[i + 2])) {
        return 0;
    }
    if (HasVariable(rest.substr(0, i + 1))) {
        return 0;
    }
    return i + 2;
}

VYXNumPtr VYXParser::OperandToNumber(std::string_view text) const {
    double value = 0.0;
    if (vyx_text::TryParseDoubleText(text, value)) {
        return MakeNumber(value, false);
    }
    if (text == "PI") {
        return MakeNumber(std::numbers::pi, false);
    }
    if (text == "E") {
        return MakeNumber(std::exp(1.0), false);
    }
    if (text.empty()) {
        throw VYXExceptionNumberFormat("NOTHING TO CALCULATE!!");
    }
    if (VYXNumPtr imaginary = ImaginaryLiteral(text)) {
        return imaginary;
    }
    return CopyOfValue(LookupVariable(text));
}

VYXNumPtr VYXParser::MakeNumber(double value, bool imaginary) {
    if (vyx_text::IsInteger(value)) {
        return imaginary ? std::make_unique<VYXNumRational>(0, 1, value, 1)
                         : std::make_unique<VYXNumRational>(value, 1, 0, 1);
    }
    return imaginary ? std::make_unique<VYXNumUni>(0, value)
                     : std::make_unique<VYXNumUni>(value, 0);
}

void VYXParser::DefineVariable(const std::string& name, const std::string& valueExpression) {
    if (m_names.ContainsAnyName(name) || name == "PI" || name == "I" || name == "J" ||
        name == "E") {
        throw VYXExceptionFunction("ERROR!! THE VARIABLE NAME: " + name + " IS NOT ALLOWED!!");
    }
    VYXNumPtr value = Calculate(valueExpression);
    m_variables.insert_or_assign(name, std::move(value));
}

bool VYXParser::HasVariable(std::string_view name) const {
    return m_variables.find(name) != m_variables.end();
}

const VYXNum& VYXParser::LookupVariable(std::string_view name) const {
    const auto found = m_variables.find(name);
    if (found == m_variables.end()) {
        throw VYXExceptionFunction("ERROR!! THE VARIABLE NAME: " + std::string(name) +
                                   " IS NOT DEFINED!!");
    }
    return *found->second;
}

std::vector<std::string> VYXParser::GetDefinedVars(int decimals) {
    std::vector<std::string> result;
    result.reserve(m_variables.size());
    for (auto& [name, value] : m_variables) {
        value->SetPrecision(decimals);
        result.push_back(name + "=" + value->GetValue());
    }
    return result;
}
