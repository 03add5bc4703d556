// SPDX-License-Identifier: MIT
// Tests of the unit table, unit conversions, the list order of the boxes and the units' bytes.
#include "../platform/VyxTestBytes.h"

#include "C_VYXArchive.h"
#include "C_VYXConvertNFO.h"
#include "C_VYXListOrder.h"
#include "C_VYXUnit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace VyxTestBytes;

TEST(kUnitTable, NineCategoriesAndEveryUnitConvertsToItself) {
    const C_VYXConvertNFO table;
    EXPECT_EQ(table.Categories().size(), 9);
    EXPECT_EQ(table.FindUnit(QStringLiteral("Meter")), nullptr); // names are case-sensitive
    int counted = 0;
    for (const QString& category : table.Categories()) {
        for (const QString& name : table.UnitNamesOf(category)) {
            const C_VYXUnit* unit = table.FindUnit(name);
            ASSERT_NE(unit, nullptr) << name.toStdString();
            EXPECT_EQ(unit->m_strCategory, category);
            EXPECT_EQ(unit->ConvertFrom(*unit, 123.456), 123.456) << name.toStdString();
            ++counted;
        }
    }
    EXPECT_EQ(counted, table.UnitCount());
}

TEST(kUnitTable, ConvertsKnownQuantities) {
    // Expected values from the exact definitions (python3 fractions): foot 0.3048 m,
    // kelvin = celsius + 273.15, fahrenheit = celsius * 9/5 + 32.
    // clang-format off
    const struct { const char *from, *to; double value, expected; } cases[] = {
        {"meter", "feet", 1, 3.2808398950131235},
        // Temperatures have an offset besides the factor, every way.
        {"Kelvin", "Celcius", 300, 26.85},
        {"Kelvin", "Farenheit", 300, 80.33},
        {"Celcius", "Kelvin", 26.85, 300},
        {"Celcius", "Farenheit", 37, 98.6},
        {"Farenheit", "Kelvin", 98.6, 310.15},
        {"Farenheit", "Celcius", 98.6, 37},
        {"meter", "Kilogram", 5, -1}, // across categories
    };
    // clang-format on
    const C_VYXConvertNFO table;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
        const C_VYXUnit* from = table.FindUnit(QString::fromUtf8(c.from));
        const C_VYXUnit* to = table.FindUnit(QString::fromUtf8(c.to));
        ASSERT_TRUE(from != nullptr && to != nullptr);
        EXPECT_NEAR(to->ConvertFrom(*from, c.value), c.expected, 1e-12 * std::fabs(c.expected));
    }
}

TEST(Unit, SerializesCategoryNameFactorMultiplier) {
    QByteArray bytes;
    C_VYXArchive out = C_VYXArchive::ForStoring(&bytes);
    C_VYXUnit(QStringLiteral("Area"), QStringLiteral("m²"), 2.5).Serialize(out);
    EXPECT_EQ(bytes,
              ShortString("Area") + ShortString(QStringLiteral("m²")) + Double(2.5) + Double(1.0));
    C_VYXUnit loaded;
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    loaded.Serialize(in);
    EXPECT_EQ(loaded.m_strName + u' ' + QString::number(loaded.m_dFactor),
              QStringLiteral("m² 2.5"));
    EXPECT_EQ(in.Remaining(), 0);
}

TEST(ListOrder, SortsLikeTheDesktopLists) {
    // clang-format off
    const struct { const char* name; QStringList unsorted, expected; } cases[] = {
        {"CaseIgnored", {"Kilogram", "gram", "Pound", "Tonnes", "Tons(UK)", "Tons(US)"},
            {"gram", "Kilogram", "Pound", "Tonnes", "Tons(UK)", "Tons(US)"}},
        {"SuperscriptsCountAsDigits", {"m²", "mm²", "miles²", "acres"},
            {"acres", "m²", "miles²", "mm²"}},
        {"PunctuationBeforeLetters", {"pints, liquid(US)", "pints (UK)", "m/s", "mach"},
            {"m/s", "mach", "pints (UK)", "pints, liquid(US)"}},
        {"PrefixFirst", {"feet/h", "feet"}, {"feet", "feet/h"}},
        {"DuplicatesKept", {"b", "a", "b"}, {"a", "b", "b"}},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(C_VYXListOrder::Sorted(c.unsorted), c.expected) << c.name;
}

TEST(ConvertNFO, LoadingReplacesTheSavedConversions) {
    C_VYXConvertNFO source;
    source.m_savedConversions = {QStringLiteral("1 meter = 3.280840 feet"), QStringLiteral("2")};
    QByteArray bytes;
    C_VYXArchive out = C_VYXArchive::ForStoring(&bytes);
    source.Serialize(out);
    C_VYXConvertNFO loaded;
    loaded.m_savedConversions = {QStringLiteral("stale entry")};
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    loaded.Serialize(in);
    EXPECT_EQ(loaded.m_savedConversions, source.m_savedConversions);
    EXPECT_EQ(in.Remaining(), 0);
    EXPECT_EQ(loaded.UnitCount(), C_VYXConvertNFO().UnitCount()); // built, not loaded
}

} // namespace
