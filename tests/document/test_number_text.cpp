// SPDX-License-Identifier: MIT
// Tests of number-text rounding, printf-style formatting and reading doubles from fields.
#include "C_VYXNumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <utility>

namespace {

using C_VYXNumberText::Format;

TEST(NumberText, RoundsEachPartFormatsLikePrintfAndParsesOnlyWholeFiniteNumbers) {
    // clang-format off
    const struct Case { const char* text; int decimals; const char* expected; } cases[] = {
        {"2", 3, "2"}, {"0.125", 3, "0.125"}, {"-0.123456", 4, "-0.1235"},
        // A lone imaginary part: j becomes i, and a plus sign is put before a rounded one.
        {"2.71828j", 2, "+2.72i"}, {"0.5j", 3, "0.5i"}, {"0.33333I", 2, "+0.33i"},
        {"0.000i", 2, "0.00i"}, {"1.26+2.71i", 1, "1.3+2.7i"}, {"-1.26-0.71i", 1, "-1.3-0.7i"},
        {"0.12345678901234", 10, "0.1234567890"}, {"0.99999", 2, "1.00"},
        // Outside 1 to 10 decimals there is no text.
        {"1.5", 0, ""}, {"1.123456789012", 11, ""},
        // An exponent's sign does not split the number into parts.
        {"1.5e-05", 6, "1.5e-05"}, {"3-4i", 2, "3-4i"}, {"", 3, ""},
        // From 1e16 on, and below the last decimal shown, a part keeps an exponent (python's
        // "%.*e"), since fixed decimals would invent digits or show 0.
        {"1.2039999999999999916e+24", 6, "1.204000e+24"}, {"12157665459056928768", 6, "1.215767e+19"},
        {"-1e+16", 2, "-1.00e+16"}, {"9999999999999998", 2, "9999999999999998"},
        {"1.0000000000000000623e-09", 6, "1.000000e-09"}, {"0.006", 2, "6.00e-03"},
        {"1.5e-05", 2, "1.50e-05"}, {"0.000001", 6, "0.000001"}, {"-0.0000009", 6, "-9.000000e-07"},
        {"1.1355e-10+1.1355e-10i", 6, "1.135500e-10+1.135500e-10i"},
        {"2-3.5e-12j", 3, "2-3.500e-12i"}, {"1e+20i", 2, "+1.00e+20i"},
        // Not one finite number: a fraction, infinity and NaN keep the fixed rules.
        {"100000000000000000/3", 6, "100000000000000000/3"}, {"inf", 6, "inf"},
        {"-nan", 6, "-nan"}, {"2J", 6, "2J"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " to " + std::to_string(c.decimals));
        EXPECT_EQ(C_VYXNumberText::RoundNumberText(QString::fromUtf8(c.text), c.decimals),
                  QString::fromUtf8(c.expected));
    }
    // The panels' texts show each format in use; here the edges: the sign of zero, a carry into the
    // integer digits and a number longer than any fixed buffer.
    EXPECT_EQ(C_VYXNumberText::FormatDouble(Format::Fixed20, -0.0), u"-0.00000000000000000000");
    EXPECT_EQ(C_VYXNumberText::FormatDouble(Format::Fixed6, 179.9999999), u"180.000000");
    const QString huge = C_VYXNumberText::FormatDouble(Format::Fixed20, 1e300);
    EXPECT_EQ(huge.size(), 301 + 1 + 20);
    EXPECT_TRUE(huge.startsWith(u"1000000000000000052504760255204420248704468581108159154915854"));
    EXPECT_EQ(C_VYXNumberText::FormatDecimals(2.5, 0) + C_VYXNumberText::FormatDecimals(2.5, 11),
              QString()); // outside 1 to 10 decimals
    EXPECT_EQ(C_VYXNumberText::FormatDecimals(2.25, 1), QStringLiteral("2.2"));
    EXPECT_EQ(C_VYXNumberText::FormatDecimals(2.0, 10), QStringLiteral("2.0000000000"));
    // Parsing accepts only whole finite numbers and leaves the value alone otherwise.
    const std::pair<const char*, double> numbers[] = {
        {"3.280840", 3.28084}, {"  2.5 ", 2.5}, {"-0.25", -0.25}, {"1e3", 1000.0}};
    for (const auto& [text, expected] : numbers) {
        double value = -123.0;
        EXPECT_TRUE(C_VYXNumberText::ParseDouble(QString::fromUtf8(text), value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
    const char* const rejected[] = {
        "", "abc", "//ERRROR!! DIVISION BY ZERO!!", "2.5x", "1,5", "inf", "nan", "1e999"};
    for (const char* text : rejected) {
        double value = -123.0;
        EXPECT_FALSE(C_VYXNumberText::ParseDouble(QString::fromUtf8(text), value)) << text;
        EXPECT_EQ(value, -123.0) << text;
    }
}

TEST(NumberText, NumbersAreReadAndWrittenInTheCLocaleWhateverTheUsers) {
    // Decimal, exponent, infinity, not-a-number and hexadecimal forms; a German decimal comma
    // must not count even while the user's locale has one.
    const char* const numbers[] = {"12", "1e3", "2.5", "-.5", "inf", "NaN", "0x1A", "infinity"};
    const char* const others[] = {"", "x", "1e", "12a", "2,5", "0x", "1 2", "nanx", "e5"};
    const auto check = [&](const char* locale) {
        for (const char* text : numbers)
            EXPECT_TRUE(C_VYXNumberText::IsDoubleText(QString::fromUtf8(text))) << text << locale;
        for (const char* text : others)
            EXPECT_FALSE(C_VYXNumberText::IsDoubleText(QString::fromUtf8(text))) << text << locale;
        double parsed = 0;
        EXPECT_TRUE(C_VYXNumberText::ParseDouble(QStringLiteral("2.5"), parsed) && parsed == 2.5);
        EXPECT_EQ(C_VYXNumberText::FormatDouble(Format::Fixed6, 1.5), u"1.500000") << locale;
    };
    check(" in the C locale");
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "no German locale installed";
    check(" in a German locale");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

} // namespace
