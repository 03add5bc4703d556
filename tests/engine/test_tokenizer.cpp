// SPDX-License-Identifier: MIT
// Tokenizing: unclosed groups, operands, literals and variables. The tokens of ordinary
// expressions are checked through their values in the expression table.
#include "VYXExceptions.h"
#include "VYXParser.h"
#include "expression_test_support.h"
#include "number_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace expression_tests;

namespace {

std::string Describe(VYXNum* number) {
    return number ? number->GetValue() + ":" + KindOf(number) : "_";
}

const std::string kUnequalBraces = "ERROR!! NOT EQUAL NUMBERS OF BRACES!!\nNUMBER OF LEFTBRACES=";

TEST(TokenizeTest, GroupWithoutClosingBraceReportsTheCounts) {
    for (const auto& [text, counts] : {std::pair{"(2", "1\nNUMBER OF RIGHTBRACES=0"},
                                       std::pair{"2+((2)", "2\nNUMBER OF RIGHTBRACES=1"}})
        EXPECT_EQ(number_tests::MessageOf([&] { VYXParser().Tokenize(text); }),
                  kUnequalBraces + counts);
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
    // A variable named like a mantissa keeps the difference.
    parser.DefineVariable("1E", "7");
    EXPECT_EQ(Describe(parser.Tokenize("1E-5").numbers[0].get()), "7:R");
    for (const auto& [operand, expected] : cases) {
        std::string actual;
        const std::string message = number_tests::MessageOf(
            [&] { actual = Describe(parser.OperandToNumber(operand).get()); });
        EXPECT_EQ(actual.empty() ? message : actual, expected) << operand;
    }
}

} // namespace
