// SPDX-License-Identifier: MIT
// Tokenizing: operands, operators, placeholders, groups, literals and variables.
#include "VYXExceptions.h"
#include "VYXParser.h"
#include "expression_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace expression_tests;

namespace {

std::string Describe(VYXNum* number) {
    return number ? number->GetValue() + ":" + KindOf(number) : "_";
}

// "2:R * _ SIN 30:R": numbers and operators in their order, "_" for a placeholder.
std::string Describe(VYXTokenList& tokens) {
    std::string text;
    for (size_t k = 0; k < std::max(tokens.numbers.size(), tokens.operators.size()); ++k) {
        if (k < tokens.numbers.size()) {
            text += (text.empty() ? "" : " ") + Describe(tokens.numbers[k].get());
        }
        if (k < tokens.operators.size()) {
            text += " " + std::string(tokens.operators[k].name);
        }
    }
    return text;
}

const std::string kUnequalBraces = "ERROR!! NOT EQUAL NUMBERS OF BRACES!!\nNUMBER OF LEFTBRACES=";

// clang-format off
TEST(TokenizeTest, SplitsIntoNumbersOperatorsAndPlaceholders) {
    const std::pair<const char*, const char*> cases[] = {
        {"2*-3", "2:R * _ - 3:R"},          {"-SIN30", "_ - _ SIN 30:R"},
        {"SINH1", "_ SINH 1:R"},            {"E^2", "_ E^ 2:R"},
        {"3!+1", "3:R ! _ + 1:R"},          {"((1+1)*(2+2))-1", "8:R - 1:R"},
        {"XSIN3", "4:R SIN 3:R"},           {"3I+2.5J", "3i:R + 2.5i:U"},
        {"2*1E-5+1", "2:R * 1e-05:U + 1:R"}, {"1.5E+3/2", "1500:R / 2:R"},
        {"-SINCOS(0)^2", "_ - 0.841471:U ^ 2:R"}, {"SIN-(0)", "_ SIN _ - 0:R"}};
    for (const auto& [text, expected] : cases) {
        VYXParser parser;
        parser.DefineVariable("X", "4");
        VYXTokenList tokens = parser.Tokenize(text);
        EXPECT_EQ(Describe(tokens), expected) << text;
    }
    // A variable named like a mantissa keeps the difference.
    VYXParser parser;
    parser.DefineVariable("1E", "7");
    VYXTokenList tokens = parser.Tokenize("1E-5");
    EXPECT_EQ(Describe(tokens), "7:R - 5:R");
}
// clang-format on

TEST(TokenizeTest, GroupWithoutClosingBraceReportsTheCounts) {
    for (const auto& [text, counts] : {std::pair{"(2", "1\nNUMBER OF RIGHTBRACES=0"},
                                       std::pair{"2+((2)", "2\nNUMBER OF RIGHTBRACES=1"}}) {
        try {
            VYXParser().Tokenize(text);
            ADD_FAILURE() << "no exception for " << text;
        } catch (const VYXExceptionFunction& e) {
            EXPECT_EQ(e.GetMessage(), kUnequalBraces + counts);
        }
    }
    // Preprocessing balances the counts; only a variable named ")" lets a full evaluation
    // reach an unclosed group.
    VYXCalculator calculator;
    calculator.SetVariable(")", "1");
    EXPECT_EQ(Evaluate(calculator, ")+(2"),
              (Outcome{"//" + kUnequalBraces + "1\nNUMBER OF RIGHTBRACES=0", '-'}));
}

// clang-format off
TEST(OperandToNumberTest, ConvertsOrRefuses) {
    const std::pair<const char*, const char*> cases[] = {
        {"2.0", "2:R"},        {"-J", "-i:R"},
        {"THIRD", "1/3:R"},    {"HALF", "0.5:U"},        {"", "NOTHING TO CALCULATE!!"},
        {"2i", "ERROR!! THE VARIABLE NAME: 2i IS NOT DEFINED!!"}};
    // clang-format on
    VYXParser parser;
    parser.DefineVariable("THIRD", "1/3");
    parser.DefineVariable("HALF", "0.5");
    for (const auto& [operand, expected] : cases) {
        std::string actual;
        try {
            actual = Describe(parser.OperandToNumber(operand).get());
        } catch (const VYXExceptionFunction& e) {
            actual = e.GetMessage();
        } catch (const VYXExceptionNumberFormat& e) {
            actual = e.GetMessage();
        }
        EXPECT_EQ(actual, expected) << operand;
    }
}

TEST(MakeNumberTest, IntegralValuesAreExact) {
    struct Case {
        double value;
        bool imaginary;
        const char* expected;
    };
    // Beyond 2^53 only multiples of 2^31 count as integral.
    for (const Case& c : {Case{3, true, "3i:R"}, Case{-0.5, true, "-0.5i:U"},
                          Case{9007199254740994.0, false, "9.0072e+15:U"},
                          Case{2147483648.0, false, "2147483648:R"}}) {
        EXPECT_EQ(Describe(VYXParser::MakeNumber(c.value, c.imaginary).get()), c.expected)
            << c.value;
    }
}

} // namespace
