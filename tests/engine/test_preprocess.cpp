// SPDX-License-Identifier: MIT
// Preprocessing: brace completion and checks, ")(" and the implicit "*" rules (a) to (d).
#include "VYXExceptions.h"
#include "VYXParser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct RewriteCase {
    const char* name;
    std::string input;
    std::string expected;
};

class PreprocessRewriteTest : public testing::TestWithParam<RewriteCase> {};

TEST_P(PreprocessRewriteTest, RewritesAsExpected) {
    const VYXParser parser;
    EXPECT_EQ(parser.Preprocess(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PreprocessRewriteTest,
    testing::Values(
        // Missing closing braces are supplied; ")(" gets its sign.
        RewriteCase{"ClosesOpenBraces", "((2+3", "((2+3))"},
        RewriteCase{"SeparatesAdjacentGroups", "(2)(3)(4)", "(2)*(3)*(4)"},
        // (a) before '(' unless an operator, '(' or a function name precedes it.
        RewriteCase{"A_DigitBeforeBrace", "2(3)", "2*(3)"},
        RewriteCase{"A_NameOfVariableBeforeBrace", "X(2)", "X*(2)"},
        RewriteCase{"A_ConstantBeforeBrace", "PI(2)", "PI*(2)"},
        RewriteCase{"A_OperatorBeforeBrace", "2+(3)", "2+(3)"},
        RewriteCase{"A_BraceBeforeBrace", "((2))", "((2))"},
        RewriteCase{"A_FunctionBeforeBrace", "SIN(0)", "SIN(0)"},
        RewriteCase{"A_ExponentialBeforeBrace", "E^(2)", "E^(2)"},
        RewriteCase{"A_FactorialBeforeBrace", "5!(2)", "5!(2)"},
        RewriteCase{"A_BraceAtStart", "(2)", "(2)"},
        // (b) after ')' unless an operator, ')' or an operator-function follows.
        RewriteCase{"B_DigitAfterBrace", "(2)3", "(2)*3"},
        RewriteCase{"B_NameAfterBrace", "(2)X", "(2)*X"},
        RewriteCase{"B_FunctionAfterBrace", "(2)SIN3", "(2)*SIN3"},
        RewriteCase{"B_PowerAfterBrace", "(2)^2", "(2)^2"},
        RewriteCase{"B_FactorialAfterBrace", "(3)!", "(3)!"},
        RewriteCase{"B_PercentAfterBrace", "(3)%", "(3)%"},
        RewriteCase{"B_OperatorAfterBrace", "(2)-3", "(2)-3"},
        // (c) between a digit and a function name that is not an operator-function.
        RewriteCase{"C_DigitBeforeFunction", "2SIN30", "2*SIN30"},
        RewriteCase{"C_DigitBeforeLongestName", "2ASIN1", "2*ASIN1"},
        RewriteCase{"C_DigitBeforeExponential", "2E^3", "2*E^3"},
        RewriteCase{"C_DigitBeforePower", "2^3", "2^3"},
        RewriteCase{"C_DigitBeforeFactorial", "5!", "5!"},
        RewriteCase{"C_DigitBeforeEuler", "2E3", "2E3"},
        RewriteCase{"C_DigitBeforeConstant", "2PI", "2PI"},
        // (d) after "!" or "%" followed by a function name or a digit.
        RewriteCase{"D_FactorialBeforeFunction", "5!SIN30", "5!*SIN30"},
        RewriteCase{"D_FactorialBeforeDigit", "5!2", "5!*2"},
        RewriteCase{"D_PercentBeforeDigit", "50%3", "50%*3"},
        RewriteCase{"D_FactorialBeforeFactorial", "5!!", "5!!"},
        RewriteCase{"D_FactorialBeforePower", "3!^2", "3!^2"},
        RewriteCase{"D_PowerNeverGetsASign", "2^SIN30", "2^SIN30"},
        RewriteCase{"D_RootNeverGetsASign", "2~8", "2~8"},
        // Several rules in one text.
        RewriteCase{"Combined", "2(3)4SIN(5)!2", "2*(3)*4*SIN(5)!*2"}),
    [](const testing::TestParamInfo<RewriteCase>& info) { return info.param.name; });

struct FailureCase {
    const char* name;
    std::string input;
    std::string message;
};

class PreprocessFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(PreprocessFailureTest, ThrowsTheExactMessage) {
    const VYXParser parser;
    try {
        parser.Preprocess(GetParam().input);
        FAIL() << "no exception for " << GetParam().input;
    } catch (const VYXExceptionFunction& e) {
        EXPECT_EQ(e.GetMessage(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Braces, PreprocessFailureTest,
    testing::Values(FailureCase{"SurplusClosingBrace", "2+3)",
                                "ERROR!! NOT EQUAL NUMBER OF BRACES!!\nNUMBER OF LEFTBRACES=0\n"
                                "NUMBER OF RIGHTBRACES=1\n"},
                    FailureCase{"CountsAreWholeNumbers", "((1)))))))))))",
                                "ERROR!! NOT EQUAL NUMBER OF BRACES!!\nNUMBER OF LEFTBRACES=2\n"
                                "NUMBER OF RIGHTBRACES=11\n"},
                    FailureCase{"EmptyGroup", "2()", "ERROR!! SYNTAX ERROR '()'.."},
                    FailureCase{"EmptyGroupAfterCompletion", "2(", "ERROR!! SYNTAX ERROR '()'.."}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

// The rules exactly as first written down: scan, and after every insertion start again at
// position 1. Quadratic, but an independent statement of the intended result.
class RescanningReference {
public:
    std::string Preprocess(std::string text) const {
        const auto left = std::count(text.begin(), text.end(), '(');
        const auto right = std::count(text.begin(), text.end(), ')');
        if (left < right) {
            return "BRACES";
        }
        text.append(static_cast<size_t>(left - right), ')');
        for (size_t at = text.find(")("); at != std::string::npos; at = text.find(")(")) {
            text.insert(at + 1, "*");
        }
        if (text.find("()") != std::string::npos) {
            return "EMPTY";
        }
        size_t off = 0;
        while (off < text.size()) {
            const size_t insertAt = InsertionAt(text, off);
            if (insertAt == std::string::npos) {
                ++off;
            } else {
                text.insert(insertAt, "*");
                off = 1;
            }
        }
        return text;
    }

private:
    static bool Arithmetic(char c) { return c == '*' || c == '/' || c == '+' || c == '-'; }
    static bool OperatorFunction(char c) { return c == '^' || c == '~' || c == '!' || c == '%'; }
    static bool Digit(char c) { return c >= '0' && c <= '9'; }

    bool BeginsAt(const std::string& text, size_t pos) const {
        return pos < text.size() &&
               std::any_of(kNames.begin(), kNames.end(), [&](std::string_view name) {
                   return std::string_view(text).substr(pos).starts_with(name);
               });
    }
    bool EndsAt(const std::string& text, size_t pos) const {
        return std::any_of(kNames.begin(), kNames.end(), [&](std::string_view name) {
            return std::string_view(text).substr(0, pos).ends_with(name);
        });
    }
    size_t InsertionAt(const std::string& t, size_t off) const {
        const char c = t[off];
        const bool hasNext = off + 1 < t.size();
        if (c == '(' && off > 0) {
            const char p = t[off - 1];
            return Arithmetic(p) || p == '(' || EndsAt(t, off) ? std::string::npos : off;
        }
        if (c == ')' && hasNext) {
            const char n = t[off + 1];
            return Arithmetic(n) || n == ')' || OperatorFunction(n) ? std::string::npos : off + 1;
        }
        if (Digit(c)) {
            return BeginsAt(t, off + 1) && !OperatorFunction(t[off + 1]) ? off + 1
                                                                         : std::string::npos;
        }
        if (c != '!' && c != '%') {
            return std::string::npos;
        }
        if (BeginsAt(t, off + 1)) {
            return OperatorFunction(t[off + 1]) ? std::string::npos : off + 1;
        }
        return hasNext && Digit(t[off + 1]) ? off + 1 : std::string::npos;
    }

    static constexpr std::array<std::string_view, 22> kNames = {
        "ASIN", "ACOS", "ATAN", "SINH", "COSH", "TANH", "SIN", "COS", "TAN", "LN",  "LOG",
        "E^",   "^",    "~",    "!",    "SQRT", "%",    "ABS", "ARG", "CNJ", "REP", "IMP"};
};

std::string OnePass(const VYXParser& parser, const std::string& text) {
    try {
        return parser.Preprocess(text);
    } catch (const VYXExceptionFunction& e) {
        return e.GetMessage().find("BRACES") != std::string::npos ? "BRACES" : "EMPTY";
    }
}

TEST(PreprocessEquivalenceTest, OnePassMatchesRescanningOnRandomTexts) {
    const std::array<std::string_view, 24> pieces = {
        "(", ")", "(", ")", "2", "5", "0", "SIN", "COS", "ASIN", "SINH", "E^",
        "E", "!", "%", "^", "~", "+", "-", "*",   "/",   "PI",   "X",    "LN"};
    std::mt19937 random(20240607);
    const VYXParser parser;
    const RescanningReference reference;
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int length = 1 + static_cast<int>(random() % 10);
        for (int i = 0; i < length; ++i) {
            text += pieces[random() % pieces.size()];
        }
        ASSERT_EQ(OnePass(parser, text), reference.Preprocess(text)) << "input: " << text;
    }
}

} // namespace
