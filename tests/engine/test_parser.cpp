// SPDX-License-Identifier: MIT
// The parser: preprocessing (brace completion and checks, ")(" and the implicit "*" rules (a) to
// (d)), then tokenizing (unclosed groups, operands, literals and variables). The tokens of
// ordinary expressions are checked through their values in the expression table.
#include "VYXParser.h"
#include "expression_test_support.h"
#include "number_test_support.h"

#include <algorithm>
#include <array>
#include <random>
#include <string_view>
#include <utility>

using namespace expression_tests;

namespace {

// Rules: (a) "*" before '(' unless an operator, '(' or a function name precedes it; (b) after
// ')' unless an operator, ')' or an operator-function follows; (c) between a digit and a
// function name that is not an operator-function; (d) after "!" or "%" followed by a function
// name or a digit. The one-pass rewriting is compared with a plain statement of the rules below;
// the expression table evaluates the results.
//
// The rules exactly as first written down: scan, and after every insertion start again at
// position 1. Quadratic, but an independent statement of the intended result.
constexpr std::array<std::string_view, 22> kNames = {
    "ASIN", "ACOS", "ATAN", "SINH", "COSH", "TANH", "SIN", "COS", "TAN", "LN",  "LOG",
    "E^",   "^",    "~",    "!",    "SQRT", "%",    "ABS", "ARG", "CNJ", "REP", "IMP"};
constexpr size_t kNone = std::string_view::npos;

// Sets of characters: operators "*/+-", operator-functions "^~!%", digits; 0 ends the text.
bool IsOneOf(char c, std::string_view set) {
    return c != 0 && set.find(c) != kNone;
}
bool NameBeginsAt(std::string_view t, size_t pos) {
    return std::ranges::any_of(kNames,
                               [&](std::string_view n) { return t.substr(pos).starts_with(n); });
}
bool NameEndsAt(std::string_view t, size_t pos) {
    return std::ranges::any_of(kNames,
                               [&](std::string_view n) { return t.substr(0, pos).ends_with(n); });
}

size_t InsertionAt(std::string_view t, size_t off) {
    const char c = t[off];
    const char next = off + 1 < t.size() ? t[off + 1] : 0;
    if (c == '(' && off > 0)
        return IsOneOf(t[off - 1], "*/+-(") || NameEndsAt(t, off) ? kNone : off;
    if (c == ')' && next != 0)
        return IsOneOf(next, "*/+-)^~!%") ? kNone : off + 1;
    if (IsOneOf(c, "0123456789"))
        return NameBeginsAt(t, off + 1) && !IsOneOf(next, "^~!%") ? off + 1 : kNone;
    if (!IsOneOf(c, "!%"))
        return kNone;
    if (NameBeginsAt(t, off + 1))
        return IsOneOf(next, "^~!%") ? kNone : off + 1;
    return IsOneOf(next, "0123456789") ? off + 1 : kNone;
}

std::string RescanningReference(std::string text) {
    const auto left = std::count(text.begin(), text.end(), '(');
    const auto right = std::count(text.begin(), text.end(), ')');
    if (left < right)
        return "BRACES";
    text.append(static_cast<size_t>(left - right), ')');
    for (size_t at = text.find(")("); at != kNone; at = text.find(")("))
        text.insert(at + 1, "*");
    if (text.find("()") != kNone)
        return "EMPTY";
    for (size_t off = 0; off < text.size();) {
        const size_t insertAt = InsertionAt(text, off);
        off = insertAt == kNone ? off + 1 : (text.insert(insertAt, "*"), 1);
    }
    return text;
}

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
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int length = 1 + static_cast<int>(random() % 10);
        for (int i = 0; i < length; ++i)
            text += pieces[random() % pieces.size()];
        ASSERT_EQ(OnePass(parser, text), RescanningReference(text)) << "input: " << text;
    }
}

std::string Describe(VYXNum* number) {
    return number ? number->GetValue() + ":" + KindOf(number) : "_";
}

const std::string kUnequalBraces = "ERROR!! NOT EQUAL NUMBERS OF BRACES!!\nNUMBER OF LEFTBRACES=";

TEST(TokenizeTest, GroupWithoutClosingBraceReportsTheCountsOperandsConvertOrAreRefused) {
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
    // Operands convert to numbers or are refused.
    // clang-format off
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
