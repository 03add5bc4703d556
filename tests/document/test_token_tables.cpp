// SPDX-License-Identifier: MIT
// Tests of the token lists: how much one Backspace removes after a given text.
#include "DocumentTestSupport.h"

#include "C_VYXTokenTables.h"

namespace {

TEST(TokenTables, TheLongestCaseSensitiveTrailingTokenGoesAtOnce) {
    const C_VYXTokenTables tables;
    // One token of each length and the odd ones (symbols, upper-case names); anything else
    // loses one character.
    const std::pair<const char16_t*, int> cases[] = {
        {u"", 0},       {u"7", 1},      {u"12+tanh", 4},       {u"asinh", 4},         {u"xcos", 3},
        {u"2+IMP", 3},  {u"ln", 2},     {u"3\u207F\u221A", 2}, {u"2\u02C9\u00B9", 2}, {u"1e-", 2},
        {u"s", 1},      {u"2+SINH", 1}, {u"SIN", 1},           {u"exp", 1},           {u"1E+", 1},
        {u"\u221A", 1}, {u"sin2", 1}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(tables.TrailingTokenLength(QString::fromUtf16(text)), expected)
            << QString::fromUtf16(text).toStdString();
}

} // namespace
