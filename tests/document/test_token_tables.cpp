// SPDX-License-Identifier: MIT
// Tests of the token lists: how much one Backspace removes after a given text.
#include "C_VYXTokenTables.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(TokenTables, ListsHoldTheirTokensAndEachGoesAtOnceAfterAnyText) {
    const C_VYXTokenTables tables;
    EXPECT_EQ(tables.FourCharTokens(),
              (QStringList{u"asin"_s, u"acos"_s, u"atan"_s, u"sinh"_s, u"cosh"_s, u"tanh"_s}));
    EXPECT_EQ(tables.ThreeCharTokens(),
              (QStringList{u"sin"_s, u"cos"_s, u"tan"_s, u"EXP"_s, u"log"_s, u"ABS"_s, u"ARG"_s,
                           u"CNJ"_s, u"REP"_s, u"IMP"_s}));
    EXPECT_EQ(tables.TwoCharTokens(), (QStringList{u"ln"_s, u"\u207F\u221A"_s, u"e+"_s, u"e-"_s,
                                                   u"\u00B3\u221A"_s, u"\u02C9\u00B9"_s}));
    for (const QStringList* tokens :
         {&tables.TwoCharTokens(), &tables.ThreeCharTokens(), &tables.FourCharTokens()}) {
        for (const QString& token : *tokens) {
            EXPECT_EQ(tables.TrailingTokenLength(token), token.size()) << token.toStdString();
            EXPECT_EQ(tables.TrailingTokenLength(u"12+"_s + token), token.size())
                << token.toStdString();
        }
    }
}

TEST(TokenTables, CaseAndPositionDecideTheTrailingToken) {
    // Matching is case-sensitive, the longest token wins; anything else loses one character.
    const std::pair<const char16_t*, int> cases[] = {
        {u"", 0},       {u"7", 1},       {u"s", 1},    {u"2+SINH", 1}, {u"asinh", 4},
        {u"xcos", 3},   {u"SIN", 1},     {u"exp", 1},  {u"abs", 1},    {u"1E+", 1},
        {u"\u221A", 1}, {u"4\u00B2", 1}, {u"sin2", 1}, {u"2tan", 3}};
    const C_VYXTokenTables tables;
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(tables.TrailingTokenLength(QString::fromUtf16(text)), expected)
            << QString::fromUtf16(text).toStdString();
}

} // namespace
