// SPDX-License-Identifier: MIT
// Tests of the unit table, unit conversions, the list order of the boxes and the two records'
// bytes.
#include "../platform/VyxTestBytes.h"

#include "C_VYXArchive.h"
#include "C_VYXConvertNFO.h"
#include "C_VYXListOrder.h"
#include "C_VYXTrigNFO.h"
#include "C_VYXUnit.h"
#include "C_VYXUnitConverter.h"

#include <gtest/gtest.h>

namespace {

using namespace VyxTestBytes;

TEST(UnitTable, NineCategoriesAndEveryUnitConvertsToItself) {
    const C_VYXUnitConverter table;
    EXPECT_EQ(table.Categories(), QStringList({"Temperature", "Mass", "Length", "Energy", "Area",
                                               "Power", "Presure", "Velocity", "Volume"}));
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
    EXPECT_EQ(counted, 70);
    EXPECT_EQ(table.UnitCount(), 70);
}

TEST(UnitTable, ConvertsKnownQuantities) {
    // clang-format off
    const struct { const char *from, *to; double value, expected, tolerance; } cases[] = {
        {"meter", "feet", 1, 3.2808398950131235, 1e-15},
        {"inch", "centimeter", 1, 2.54, 1e-12},
        {"miles", "meter", 1, 1609.344, 1e-9},
        {"nautical miles", "meter", 1, 1852, 1e-9},
        {"Pound", "gram", 1, 453.59237, 1e-9},
        {"Tonnes", "Tons(US)", 1, 1.102311310924388, 1e-12},
        {"kilowatthours", "joule", 1, 3.6e6, 1e-6},
        {"nutrition calories", "kilojoule", 1, 4.1868, 1e-9},
        {"acres", "hectares", 1, 0.40468564224, 1e-11},
        {"miles²", "acres", 1, 640, 1e-6},
        {"kilo watt", "horsepower", 1, 1.341022092440488, 1e-15},
        {"watt", "kilo watt", 500, 0.5, 1e-15},
        {"atmosphere", "pascals", 1, 101325, 1e-6},
        {"bar", "mm HG", 1, 750.1875468867217, 1e-9},
        {"km/h", "m/s", 36, 10, 1e-12},
        {"knots", "km/h", 1, 1.852, 1e-5},
        {"gallons, liquid (US)", "liters", 1, 3.785411784, 1e-9},
        {"cm³", "milliliters", 1, 1, 1e-15},
        {"Celcius", "Farenheit", 100, 212, 1e-12},
        {"Celcius", "Farenheit", -40, -40, 1e-12},
        {"Celcius", "Kelvin", 0, 273.15, 1e-12},
        {"Farenheit", "Celcius", 32, 0, 1e-12},
        {"Farenheit", "Kelvin", 212, 373.15, 1e-12},
        {"Kelvin", "Farenheit", 0, -459.67, 1e-12},
        {"Kelvin", "Celcius", 300, 26.85, 1e-12},
        {"meter", "Kilogram", 5, -1, 0}, // across categories
        {"Kelvin", "meter", 5, -1, 0},
    };
    // clang-format on
    const C_VYXUnitConverter table;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
        const C_VYXUnit* from = table.FindUnit(QString::fromUtf8(c.from));
        const C_VYXUnit* to = table.FindUnit(QString::fromUtf8(c.to));
        ASSERT_TRUE(from != nullptr && to != nullptr);
        EXPECT_NEAR(to->ConvertFrom(*from, c.value), c.expected, c.tolerance);
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
    EXPECT_EQ(loaded.m_strName, QStringLiteral("m²"));
    EXPECT_EQ(loaded.m_dFactor, 2.5);
    EXPECT_EQ(in.Remaining(), 0);
}

TEST(ListOrder, SortsLikeTheDesktopLists) {
    const struct {
        const char* name;
        QStringList unsorted, expected;
    } cases[] = {
        {"CaseIgnored",
         {"Kilogram", "gram", "Pound", "Tonnes", "Tons(UK)", "Tons(US)"},
         {"gram", "Kilogram", "Pound", "Tonnes", "Tons(UK)", "Tons(US)"}},
        {"SuperscriptsCountAsDigits",
         {"m²", "cm²", "kilometers²", "mm²", "acres", "hectares", "feet²", "miles²"},
         {"acres", "cm²", "feet²", "hectares", "kilometers²", "m²", "miles²", "mm²"}},
        {"PunctuationBeforeLetters",
         {"pints, liquid(US)", "pints, dry (US)", "pints (UK)", "m/s", "mach"},
         {"m/s", "mach", "pints (UK)", "pints, dry (US)", "pints, liquid(US)"}},
        {"PrefixFirst", {"feet/h", "feet"}, {"feet", "feet/h"}},
        {"DuplicatesKept", {"b", "a", "b"}, {"a", "b", "b"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(C_VYXListOrder::Sorted(c.unsorted), c.expected) << c.name;
}

TEST(ConvertNFO, LoadingReplacesTheSavedConversions) {
    C_VYXConvertNFO source;
    source.m_savedConversions = {QStringLiteral("1 meter = 3.280840 feet"), QStringLiteral("2")};
    source.m_nToIndex = 3;
    QByteArray bytes;
    C_VYXArchive out = C_VYXArchive::ForStoring(&bytes);
    source.Serialize(out);
    C_VYXConvertNFO loaded;
    loaded.m_savedConversions = {QStringLiteral("stale entry")};
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    loaded.Serialize(in);
    EXPECT_EQ(loaded.m_savedConversions, source.m_savedConversions);
    EXPECT_EQ(loaded.m_nToIndex, 3);
    EXPECT_EQ(in.Remaining(), 0);
    EXPECT_EQ(loaded.m_units.UnitCount(), 70); // the table is built, not loaded
}

TEST(TrigNFO, LoadingCopiesTheAngleUnitIntoTheSolverAndNeedsEveryRow) {
    QByteArray bytes;
    for (int i = 0; i < 14; ++i)
        bytes += Double(i == 3 ? 5.0 : 0.0);
    bytes += Int32(1) + Int32(213);
    C_VYXTrigNFO record;
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    record.Serialize(in);
    EXPECT_EQ(record.m_nAngleUnit, 213);
    EXPECT_EQ(record.m_solver.AngleUnit(), 213);
    EXPECT_EQ(record.m_solver.Value(3), 5.0);
    EXPECT_TRUE(record.m_solver.HasSecondSolution());
    EXPECT_EQ(in.Remaining(), 0);
    C_VYXArchive truncated = C_VYXArchive::ForLoading(bytes.left(14 * 8)); // no flag, no unit
    EXPECT_THROW(record.Serialize(truncated), C_VYXArchiveError);
}

} // namespace
