// SPDX-License-Identifier: MIT
// Conversions between the GUI's UTF-16 and the engine's narrow text.
#include "C_VYXTextConversion.h"

#include <gtest/gtest.h>

namespace {

TEST(TextConversion, ToNarrowKeepsLatin1AndMarksTheRestFromNarrowKeepsEveryByte) {
    // clang-format off
    const std::pair<QString, std::string> cases[] = {
        {QString(), ""}, {QStringLiteral("SQRT(16)+(PI)*2^-1"), "SQRT(16)+(PI)*2^-1"},
        {QStringLiteral("2²·é"), "2\xB2\xB7\xE9"}, {QString(QChar(0xFF)), "\xFF"},
        {QString(QChar(0x100)), "?"}, {QStringLiteral("a\U0001D400b"), "a?b"}, // one character
        {QString(QChar(0xD800)) + QStringLiteral("1"), "?1"}, // a lonely surrogate
        {QString(QChar(0)) + QStringLiteral("x"), std::string("\0x", 2)}};
    // clang-format on
    for (const auto& [wide, narrow] : cases)
        EXPECT_EQ(C_VYXTextConversion::ToNarrow(wide), narrow) << narrow;
    // From narrow text every byte maps to the same code.
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all.push_back(static_cast<char>(byte));
    const QString wide = C_VYXTextConversion::FromNarrow(all);
    ASSERT_EQ(wide.size(), 256);
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(wide.at(code).unicode(), code);
    EXPECT_EQ(C_VYXTextConversion::ToNarrow(wide), all);
}

TEST(TextUtf8, RoundTripsTheAreasSymbolsAndReplacesMalformedBytes) {
    const QString text = QStringLiteral("³√27 ⅞ ‰ ≈ ψ ∑\U0001F600");
    const std::string utf8 = C_VYXTextConversion::ToUtf8(text);
    EXPECT_EQ(utf8.substr(0, 5), "\xC2\xB3\xE2\x88\x9A");
    EXPECT_EQ(C_VYXTextConversion::FromUtf8(utf8), text);
    EXPECT_EQ(C_VYXTextConversion::FromUtf8(std::string("a\xFF") + "b"),
              QStringLiteral("a\uFFFDb"));
}

} // namespace
