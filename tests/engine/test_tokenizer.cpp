// SPDX-License-Identifier: MIT
// Tokenizing: operands, operators, placeholders, groups, literals and variables.
#include "VYXExceptions.h"
#include "VYXParser.h"
#include "expression_test_support.h"

#include <gtest/gtest.h>

#include <string>

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

struct TokenCase {
    const char* name;
    std::string text;
    std::string expected;
};

class TokenizeTest : public testing::TestWithParam<TokenCase> {};

TEST_P(TokenizeTest, SplitsIntoNumbersAndOperators) {
    VYXParser parser;
    parser.DefineVariable("X", "4");
    VYXTokenList tokens = parser.Tokenize(GetParam().text);
    EXPECT_EQ(Describe(tokens), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, TokenizeTest, testing::Values(
    TokenCase{"ProductOfTwo", "2*3", "2:R * 3:R"},
    TokenCase{"LeadingSignGetsPlaceholder", "-3", "_ - 3:R"},
    TokenCase{"PlaceholderBetweenOperators", "2*-3", "2:R * _ - 3:R"},
    TokenCase{"TwoSigns", "--3", "_ - _ - 3:R"},
    TokenCase{"LeadingFunction", "SIN30", "_ SIN 30:R"},
    TokenCase{"SignThenFunction", "-SIN30", "_ - _ SIN 30:R"},
    TokenCase{"OperatorThenFunction", "2*SIN30", "2:R * _ SIN 30:R"},
    TokenCase{"LongestNameWins", "ASIN1", "_ ASIN 1:R"},
    TokenCase{"HyperbolicBeforeSine", "SINH1", "_ SINH 1:R"},
    TokenCase{"ExponentialIsAFunction", "E^2", "_ E^ 2:R"},
    TokenCase{"PostfixAtEnd", "5!", "5:R !"},
    TokenCase{"PostfixThenOperator", "3!+1", "3:R ! _ + 1:R"},
    TokenCase{"PowerChain", "2^3^2", "2:R ^ 3:R ^ 2:R"},
    TokenCase{"GroupBecomesOneNumber", "2+(3*4)", "2:R + 12:R"},
    TokenCase{"NestedGroups", "((1+1)*(2+2))-1", "8:R - 1:R"},
    TokenCase{"VariableBeforeFunction", "XSIN3", "4:R SIN 3:R"},
    TokenCase{"DecimalOperand", "0.5+1", "0.5:U + 1:R"},
    TokenCase{"ImaginaryOperands", "3I+2.5J", "3i:R + 2.5i:U"},
    TokenCase{"ConstantsAreDecimal", "PI-E", "3.14159:U - 2.71828:U"},
    TokenCase{"ScientificWithNegativeExponent", "2*1E-5+1", "2:R * 1e-05:U + 1:R"},
    TokenCase{"ScientificWithPositiveExponent", "1.5E+3/2", "1500:R / 2:R"},
    TokenCase{"ScientificImaginary", "1E-5I*2", "1e-05i:U * 2:R"},
    TokenCase{"EulerMinusNumberStaysDifference", "E-5", "2.71828:U - 5:R"}),
    [](const testing::TestParamInfo<TokenCase>& info) { return info.param.name; });
// clang-format on

TEST(TokenizeScientificTest, VariableNamedLikeMantissaKeepsTheDifference) {
    VYXParser parser;
    parser.DefineVariable("1E", "7");
    VYXTokenList tokens = parser.Tokenize("1E-5");
    EXPECT_EQ(Describe(tokens), "7:R - 5:R");
}

struct BraceCase {
    const char* name;
    std::string text;
    std::string message;
};

class MatchingBraceTest : public testing::TestWithParam<BraceCase> {};

TEST_P(MatchingBraceTest, GroupWithoutClosingBraceReportsTheCounts) {
    VYXParser parser;
    try {
        parser.Tokenize(GetParam().text);
        FAIL() << "no exception";
    } catch (const VYXExceptionFunction& e) {
        EXPECT_EQ(e.GetMessage(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Groups, MatchingBraceTest,
    testing::Values(BraceCase{"SingleOpenBrace", "(2",
                              "ERROR!! NOT EQUAL NUMBERS OF BRACES!!\nNUMBER OF LEFTBRACES=1\n"
                              "NUMBER OF RIGHTBRACES=0"},
                    BraceCase{"InnerGroupClosed", "2+((2)",
                              "ERROR!! NOT EQUAL NUMBERS OF BRACES!!\nNUMBER OF LEFTBRACES=2\n"
                              "NUMBER OF RIGHTBRACES=1"}),
    [](const testing::TestParamInfo<BraceCase>& info) { return info.param.name; });

TEST(MatchingBraceTest, UnclosedGroupAfterAVariableNamedBrace) {
    // Preprocessing balances the counts; only a variable named ")" lets the walk reach an
    // unclosed group in a full evaluation.
    VYXCalculator calculator;
    calculator.SetVariable(")", "1");
    EXPECT_EQ(Evaluate(calculator, ")+(2"),
              (Outcome{"//ERROR!! NOT EQUAL NUMBERS OF BRACES!!\nNUMBER OF LEFTBRACES=1\n"
                       "NUMBER OF RIGHTBRACES=0",
                       '-'}));
}

struct OperandCase {
    const char* name;
    std::string operand;
    std::string expected; // value:kind, or the message of the exception
};

class OperandToNumberTest : public testing::TestWithParam<OperandCase> {};

TEST_P(OperandToNumberTest, ConvertsOrRefuses) {
    VYXParser parser;
    parser.DefineVariable("THIRD", "1/3");
    parser.DefineVariable("HALF", "0.5");
    std::string actual;
    try {
        VYXNumPtr number = parser.OperandToNumber(GetParam().operand);
        actual = Describe(number.get());
    } catch (const VYXExceptionFunction& e) {
        actual = e.GetMessage();
    } catch (const VYXExceptionNumberFormat& e) {
        actual = e.GetMessage();
    }
    EXPECT_EQ(actual, GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Operands, OperandToNumberTest, testing::Values(
    OperandCase{"Integer", "7", "7:R"}, OperandCase{"Decimal", "0.5", "0.5:U"},
    OperandCase{"IntegralDecimal", "2.0", "2:R"}, OperandCase{"Pi", "PI", "3.14159:U"},
    OperandCase{"Euler", "E", "2.71828:U"}, OperandCase{"UnitI", "I", "i:R"},
    OperandCase{"UnitJ", "J", "i:R"}, OperandCase{"MinusUnitI", "-I", "-i:R"},
    OperandCase{"MinusUnitJ", "-J", "-i:R"}, OperandCase{"ExactImaginary", "4J", "4i:R"},
    OperandCase{"DecimalImaginary", "2.5I", "2.5i:U"},
    OperandCase{"RationalVariable", "THIRD", "1/3:R"},
    OperandCase{"DecimalVariable", "HALF", "0.5:U"},
    OperandCase{"Empty", "", "NOTHING TO CALCULATE!!"},
    OperandCase{"NumberBeforeConstant", "2PI", "ERROR!! THE VARIABLE NAME: 2PI IS NOT DEFINED!!"},
    OperandCase{"LowerCaseIsNotImaginary", "2i", "ERROR!! THE VARIABLE NAME: 2i IS NOT DEFINED!!"}),
    [](const testing::TestParamInfo<OperandCase>& info) { return info.param.name; });
// clang-format on

TEST(OperandToNumberTest, VariableOperandIsACopy) {
    VYXParser parser;
    parser.DefineVariable("V", "3");
    VYXNumPtr copy = parser.OperandToNumber("V");
    EXPECT_NE(copy.get(), &parser.LookupVariable("V"));
    copy->SetValue(std::string("9"));
    EXPECT_EQ(const_cast<VYXNum&>(parser.LookupVariable("V")).GetValue(), "3");
}

struct MakeCase {
    const char* name;
    double value;
    bool imaginary;
    std::string expected;
};

class MakeNumberTest : public testing::TestWithParam<MakeCase> {};

TEST_P(MakeNumberTest, IntegralValuesAreExact) {
    VYXNumPtr number = VYXParser::MakeNumber(GetParam().value, GetParam().imaginary);
    EXPECT_EQ(Describe(number.get()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, MakeNumberTest,
    testing::Values(MakeCase{"Integer", 3, false, "3:R"},
                    MakeCase{"ImaginaryInteger", 3, true, "3i:R"},
                    MakeCase{"Zero", 0, false, "0:R"}, MakeCase{"Half", 0.5, false, "0.5:U"},
                    MakeCase{"ImaginaryHalf", -0.5, true, "-0.5i:U"},
                    // Beyond 2^53 only multiples of 2^31 count as integral.
                    MakeCase{"BeyondExactRange", 9007199254740994.0, false, "9.0072e+15:U"},
                    MakeCase{"TwoToTheThirtyOne", 2147483648.0, false, "2147483648:R"}),
    [](const testing::TestParamInfo<MakeCase>& info) { return info.param.name; });

} // namespace
