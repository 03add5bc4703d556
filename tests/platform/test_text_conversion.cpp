// SPDX-License-Identifier: MIT
// Conversions between the GUI's UTF-16 and the engine's narrow text.
#include "C_VYXTextConversion.h"

#include <gtest/gtest.h>

namespace {

struct NarrowCase {
    const char* name;
    QString wide;
    std::string narrow;
};

class TextToNarrow : public ::testing::TestWithParam<NarrowCase> {};

TEST_P(TextToNarrow, KeepsLatin1AndMarksTheRest) {
    EXPECT_EQ(C_VYXTextConversion::ToNarrow(GetParam().wide), GetParam().narrow);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Texts, TextToNarrow,
    ::testing::Values(
        NarrowCase{"Empty", QString(), ""},
        NarrowCase{"EngineSyntax", QStringLiteral("SQRT(16)+(PI)*2^-1"), "SQRT(16)+(PI)*2^-1"},
        NarrowCase{"Latin1Kept", QStringLiteral("2²·é"), "2\xB2\xB7\xE9"},
        NarrowCase{"LastLatin1", QString(QChar(0xFF)), "\xFF"},
        NarrowCase{"FirstBeyondLatin1", QString(QChar(0x100)), "?"},
        NarrowCase{"Symbols", QStringLiteral("√π≈"), "???"},
        NarrowCase{"SurrogatePairIsOneCharacter", QStringLiteral("a\U0001D400b"), "a?b"},
        NarrowCase{"LonelySurrogate", QString(QChar(0xD800)) + QStringLiteral("1"), "?1"},
        NarrowCase{"EmbeddedNul", QString(QChar(0)) + QStringLiteral("x"), std::string("\0x", 2)}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(TextFromNarrow, EveryByteMapsToTheSameCode) {
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
    EXPECT_EQ(C_VYXTextConversion::FromUtf8("a\xFF"
                                            "b"),
              QStringLiteral("a\uFFFDb"));
}

} // namespace
