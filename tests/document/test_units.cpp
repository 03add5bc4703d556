// SPDX-License-Identifier: MIT
// Tests of the unit table, unit conversions, the list order of the boxes and the units' bytes.
#include "DocumentTestSupport.h"

#include "../platform/VyxTestBytes.h"

#include "C_VYXConvertNFO.h"
#include "C_VYXListOrder.h"
#include "C_VYXUnit.h"

#include <cmath>

namespace {

using namespace VyxTestBytes;

TEST(kUnitTable, UnitsConvertSerializeAndSortLikeTheDesktopLists) {
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
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
        const C_VYXUnit* from = table.FindUnit(QString::fromUtf8(c.from));
        const C_VYXUnit* to = table.FindUnit(QString::fromUtf8(c.to));
        ASSERT_TRUE(from != nullptr && to != nullptr);
        EXPECT_NEAR(to->ConvertFrom(*from, c.value), c.expected, 1e-12 * std::fabs(c.expected));
    }
    // A unit serializes category, name, factor and multiplier.
    const QByteArray bytes = StoredBytes(C_VYXUnit(u"Area"_s, u"m²"_s, 2.5));
    EXPECT_EQ(bytes, ShortString("Area") + ShortString(u"m²"_s) + Double(2.5) + Double(1.0));
    C_VYXUnit loaded;
    EXPECT_EQ(LoadBytes(loaded, bytes), 0);
    EXPECT_EQ(loaded.m_strName + u' ' + QString::number(loaded.m_dFactor), u"m² 2.5");
    // Loading a conversion record replaces its saved conversions.
    C_VYXConvertNFO source, record;
    source.m_savedConversions = {u"1 meter = 3.280840 feet"_s, u"2"_s};
    record.m_savedConversions = {u"stale entry"_s};
    EXPECT_EQ(LoadBytes(record, StoredBytes(source)), 0);
    EXPECT_EQ(record.m_savedConversions, source.m_savedConversions);
    EXPECT_EQ(record.UnitCount(), C_VYXConvertNFO().UnitCount()); // built, not loaded
    // The list order of the boxes sorts like the desktop lists.
    // clang-format off
    const struct { const char* name; QStringList unsorted, expected; } lists[] = {
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
    for (const auto& c : lists)
        EXPECT_EQ(C_VYXListOrder::Sorted(c.unsorted), c.expected) << c.name;
}

} // namespace
