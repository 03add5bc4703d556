// SPDX-License-Identifier: MIT
// Tests of number-text rounding, printf-style formatting and reading doubles from fields.
#include "C_VYXNumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

using C_VYXNumberText::Format;

struct RoundCase {
    const char* name;
    const char* text;
    int decimals;
    const char* expected;
};

class RoundNumberTextTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundNumberTextTest, RoundsEachPart) {
    const RoundCase& c = GetParam();
    EXPECT_EQ(C_VYXNumberText::RoundNumberText(QString::fromUtf8(c.text), c.decimals),
              QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundNumberTextTest,
    ::testing::Values(RoundCase{"IntegerKeptAsIs", "2", 3, "2"},
                      RoundCase{"FewerDecimalsKept", "0.5", 3, "0.5"},
                      RoundCase{"ExactlyNDecimalsReformatted", "0.125", 3, "0.125"},
                      RoundCase{"NegativeRounded", "-0.123456", 4, "-0.1235"},
                      RoundCase{"ImaginaryJBecomesIWithPlus", "2.71828j", 2, "+2.72i"},
                      RoundCase{"ShortImaginaryJBecomesI", "0.5j", 3, "0.5i"},
                      RoundCase{"ComplexMinus", "1.26-2.71i", 1, "1.3-2.7i"},
                      RoundCase{"ComplexPlus", "1.26+2.71i", 1, "1.3+2.7i"},
                      RoundCase{"NegativeRealNegativeImaginary", "-1.26-0.71i", 1, "-1.3-0.7i"},
                      RoundCase{"ZeroImaginaryGetsNoPlus", "0.000i", 2, "0.00i"},
                      RoundCase{"UpperCaseImaginaryUnit", "0.33333I", 2, "+0.33i"},
                      RoundCase{"ConverterResult", "3.28083989501312345283", 6, "3.280840"},
                      RoundCase{"TenDecimals", "0.12345678901234", 10, "0.1234567890"},
                      RoundCase{"RoundsUpIntoInteger", "0.99999", 2, "1.00"},
                      RoundCase{"ZeroDecimalsGiveEmpty", "1.5", 0, ""},
                      RoundCase{"ElevenDecimalsGiveEmpty", "1.123456789012", 11, ""},
                      RoundCase{"ExponentSignDoesNotSplit", "1.5e-05", 2, "0.00"},
                      RoundCase{"ShortExponentKept", "1.5e-05", 6, "1.5e-05"},
                      RoundCase{"NoPointNoSplitChange", "3-4i", 2, "3-4i"},
                      RoundCase{"EmptyText", "", 3, ""}),
    [](const ::testing::TestParamInfo<RoundCase>& info) { return std::string(info.param.name); });

struct FormatCase {
    const char* name;
    Format format;
    double value;
    const char* expected;
};

class FormatDoubleTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatDoubleTest, PrintsLikePrintf) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(C_VYXNumberText::FormatDouble(c.format, c.value), QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatDoubleTest,
    ::testing::Values(
        FormatCase{"Fixed20", Format::Fixed20, 3.2808398950131235, "3.28083989501312345283"},
        FormatCase{"Fixed20NegativeZero", Format::Fixed20, -0.0, "-0.00000000000000000000"},
        FormatCase{"Fixed6", Format::Fixed6, 180.0, "180.000000"},
        FormatCase{"Fixed6Rounds", Format::Fixed6, 179.9999999, "180.000000"},
        FormatCase{"Fixed20WithPoint", Format::Fixed20WithPoint, 6.0, "6.00000000000000000000"},
        FormatCase{"Fixed20Width20", Format::Fixed20Width20, 0.5, "0.50000000000000000000"},
        FormatCase{"Fixed11", Format::Fixed11, 0.7853981633974483, "0.78539816340"},
        FormatCase{"Fixed10", Format::Fixed10, 21.650635094610966, "21.6506350946"},
        FormatCase{"FieldValueInteger", Format::FieldValue, 1.0, "1"},
        FormatCase{"FieldValueFraction", Format::FieldValue, 0.1, "0.1"},
        FormatCase{"FieldValueFifteenDigits", Format::FieldValue, 53.13010235415598,
                   "53.130102354156"}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

TEST(FormatDoubleTest, HugeValuePrintsAllDigits) {
    const QString text = C_VYXNumberText::FormatDouble(Format::Fixed20, 1e300);
    EXPECT_EQ(text.size(), 301 + 1 + 20);
    EXPECT_TRUE(text.startsWith(u"1000000000000000052504760255204420248704468581108159154915854"));
}

TEST(FormatDoubleTest, DecimalsOutsideOneToTenGiveEmpty) {
    EXPECT_EQ(C_VYXNumberText::FormatDecimals(2.5, 0), QString());
    EXPECT_EQ(C_VYXNumberText::FormatDecimals(2.5, 11), QString());
    EXPECT_EQ(C_VYXNumberText::FormatDecimals(2.25, 1), QStringLiteral("2.2"));
    EXPECT_EQ(C_VYXNumberText::FormatDecimals(2.0, 10), QStringLiteral("2.0000000000"));
}

TEST(FormatDoubleTest, DecimalPointIgnoresUserLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "no German locale installed";
    const QString printed = C_VYXNumberText::FormatDouble(Format::Fixed6, 1.5);
    double parsed = 0;
    const bool ok = C_VYXNumberText::ParseDouble(QStringLiteral("2.5"), parsed);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(printed, QStringLiteral("1.500000"));
    EXPECT_TRUE(ok);
    EXPECT_EQ(parsed, 2.5);
}

struct ParseCase {
    const char* name;
    const char* text;
    bool ok;
    double value;
};

class ParseDoubleTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDoubleTest, AcceptsOnlyWholeNumbers) {
    const ParseCase& c = GetParam();
    double value = -123.0;
    EXPECT_EQ(C_VYXNumberText::ParseDouble(QString::fromUtf8(c.text), value), c.ok);
    EXPECT_EQ(value, c.ok ? c.value : -123.0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseDoubleTest,
    ::testing::Values(
        ParseCase{"Plain", "3.280840", true, 3.28084},
        ParseCase{"BlanksAround", "  2.5 ", true, 2.5}, ParseCase{"Negative", "-0.25", true, -0.25},
        ParseCase{"Exponent", "1e3", true, 1000.0}, ParseCase{"Empty", "", false, 0},
        ParseCase{"Blank", "   ", false, 0}, ParseCase{"Word", "abc", false, 0},
        ParseCase{"EngineError", "//ERRROR!! DIVISION BY ZERO!!", false, 0},
        ParseCase{"Complex", "1+2i", false, 0}, ParseCase{"TrailingText", "2.5x", false, 0},
        ParseCase{"CommaPoint", "1,5", false, 0}, ParseCase{"Infinity", "inf", false, 0},
        ParseCase{"NotANumber", "nan", false, 0}, ParseCase{"Overflow", "1e999", false, 0},
        ParseCase{"Hexadecimal", "0x10", false, 0}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

} // namespace
