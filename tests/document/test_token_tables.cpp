// SPDX-License-Identifier: MIT
// Tests of the token lists: how much one Backspace removes after a given text.
#include "C_VYXTokenTables.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct TrailingCase {
    const char* name;
    const char16_t* text;
    int expected;
};

class TrailingTokenLengthTest : public ::testing::TestWithParam<TrailingCase> {};

TEST_P(TrailingTokenLengthTest, RemovesWholeTokens) {
    const C_VYXTokenTables tables;
    EXPECT_EQ(tables.TrailingTokenLength(QString::fromUtf16(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    TokenTables, TrailingTokenLengthTest,
    ::testing::Values(
        TrailingCase{"Empty", u"", 0}, TrailingCase{"OneDigit", u"7", 1},
        TrailingCase{"OneLetterOfAName", u"s", 1}, TrailingCase{"ArcSine", u"2+asin", 4},
        TrailingCase{"HyperbolicSine", u"2+sinh", 4}, TrailingCase{"UpperHyperbolic", u"2+SINH", 1},
        TrailingCase{"ArcTangentAlone", u"atan", 4}, TrailingCase{"HyperbolicOfArc", u"asinh", 4},
        TrailingCase{"CosineAfterLetter", u"xcos", 3}, TrailingCase{"Sine", u"sin", 3},
        TrailingCase{"UpperSine", u"SIN", 1}, TrailingCase{"TangentAfterDigit", u"2tan", 3},
        TrailingCase{"Exp", u"2EXP", 3}, TrailingCase{"LowerExp", u"exp", 1},
        TrailingCase{"Abs", u"ABS", 3}, TrailingCase{"LowerAbs", u"abs", 1},
        TrailingCase{"Log", u"1+log", 3}, TrailingCase{"Imp", u"IMP", 3},
        TrailingCase{"Ln", u"ln", 2}, TrailingCase{"NthRoot", u"3\u207F\u221A", 2},
        TrailingCase{"CubeRoot", u"\u00B3\u221A", 2}, TrailingCase{"Inverse", u"2\u02C9\u00B9", 2},
        TrailingCase{"ExponentPlus", u"2e+", 2}, TrailingCase{"ExponentMinus", u"1e-", 2},
        TrailingCase{"UpperExponent", u"1E+", 1}, TrailingCase{"SquareRoot", u"\u221A", 1},
        TrailingCase{"Square", u"4\u00B2", 1}, TrailingCase{"NameNotAtEnd", u"sin2", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TokenTables, ListsHoldTheirTokens) {
    const C_VYXTokenTables tables;
    EXPECT_EQ(tables.FourCharTokens(),
              (QStringList{u"asin"_s, u"acos"_s, u"atan"_s, u"sinh"_s, u"cosh"_s, u"tanh"_s}));
    EXPECT_EQ(tables.ThreeCharTokens(),
              (QStringList{u"sin"_s, u"cos"_s, u"tan"_s, u"EXP"_s, u"log"_s, u"ABS"_s, u"ARG"_s,
                           u"CNJ"_s, u"REP"_s, u"IMP"_s}));
    EXPECT_EQ(tables.TwoCharTokens(), (QStringList{u"ln"_s, u"\u207F\u221A"_s, u"e+"_s, u"e-"_s,
                                                   u"\u00B3\u221A"_s, u"\u02C9\u00B9"_s}));
}

TEST(TokenTables, EveryTokenGoesAtOnceAfterAnyText) {
    const C_VYXTokenTables tables;
    const QList<std::pair<const QStringList*, int>> lists = {{&tables.TwoCharTokens(), 2},
                                                             {&tables.ThreeCharTokens(), 3},
                                                             {&tables.FourCharTokens(), 4}};
    for (const auto& [tokens, length] : lists) {
        for (const QString& token : *tokens) {
            EXPECT_EQ(tables.TrailingTokenLength(token), length) << token.toStdString();
            EXPECT_EQ(tables.TrailingTokenLength(u"12+"_s + token), length) << token.toStdString();
        }
    }
}

TEST(TokenTables, TranslatorComesWithItsSymbolMap) {
    C_VYXTokenTables tables;
    EXPECT_EQ(tables.Translator().Translate(u"\u221A4\u00D72"_s), u"SQRT4*2"_s);
}

} // namespace
