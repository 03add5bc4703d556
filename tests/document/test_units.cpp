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

#include <cmath>
#include <string>

namespace {

using namespace VyxTestBytes;

double Convert(const C_VYXUnitConverter& table, const char* from, const char* to, double value) {
    const C_VYXUnit* fromUnit = table.FindUnit(QString::fromUtf8(from));
    const C_VYXUnit* toUnit = table.FindUnit(QString::fromUtf8(to));
    if (fromUnit == nullptr || toUnit == nullptr) {
        ADD_FAILURE() << "unit missing: " << from << " or " << to;
        return NAN;
    }
    return toUnit->ConvertFrom(*fromUnit, value);
}

TEST(UnitTable, NineCategoriesInTableOrder) {
    const C_VYXUnitConverter table;
    EXPECT_EQ(table.Categories(), QStringList({"Temperature", "Mass", "Length", "Energy", "Area",
                                               "Power", "Presure", "Velocity", "Volume"}));
    EXPECT_EQ(table.UnitCount(), 70);
    EXPECT_EQ(table.FindUnit(QStringLiteral("parsec")), nullptr);
    EXPECT_EQ(table.FindUnit(QStringLiteral("Meter")), nullptr);
}

TEST(UnitTable, EveryUnitIsInOneCategoryWhoseFirstUnitIsTheBase) {
    const C_VYXUnitConverter table;
    int counted = 0;
    for (const QString& category : table.Categories()) {
        const QStringList names = table.UnitNamesOf(category);
        ASSERT_FALSE(names.isEmpty());
        const double base = category == C_VYXUnitConverter::TemperatureCategory() ? 0.0 : 1.0;
        EXPECT_EQ(table.FindUnit(names.first())->m_dFactor, base) << category.toStdString();
        for (const QString& name : names) {
            const C_VYXUnit* unit = table.FindUnit(name);
            ASSERT_NE(unit, nullptr) << name.toStdString();
            EXPECT_EQ(unit->m_strCategory, category);
            EXPECT_EQ(unit->m_dMultiplier, 1.0);
            EXPECT_EQ(unit->ConvertFrom(*unit, 123.456), 123.456) << name.toStdString();
            ++counted;
        }
    }
    EXPECT_EQ(counted, table.UnitCount());
}

struct ConversionCase {
    const char* name;
    const char* from;
    const char* to;
    double value;
    double expected;
    double tolerance;
};

class UnitConversionTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(UnitConversionTest, ConvertsKnownQuantities) {
    const ConversionCase& c = GetParam();
    const C_VYXUnitConverter table;
    EXPECT_NEAR(Convert(table, c.from, c.to, c.value), c.expected, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnitConversionTest,
    ::testing::Values(
        ConversionCase{"MeterToFeet", "meter", "feet", 1, 3.2808398950131235, 1e-15},
        ConversionCase{"FeetToMeter", "feet", "meter", 1, 0.3048, 1e-15},
        ConversionCase{"InchToCentimeter", "inch", "centimeter", 1, 2.54, 1e-12},
        ConversionCase{"KilometerToMillimeter", "kilometer", "millimeter", 1, 1e6, 1e-6},
        ConversionCase{"FurlongToMeter", "furlong", "meter", 1, 201.168, 1e-9},
        ConversionCase{"FathomsToFeet", "fathoms", "feet", 1, 6.0, 1e-9},
        ConversionCase{"MileToMeter", "miles", "meter", 1, 1609.344, 1e-9},
        ConversionCase{"YardToFeet", "yard", "feet", 1, 3.0, 1e-12},
        ConversionCase{"MileToYards", "miles", "yard", 1, 1760, 1e-9},
        ConversionCase{"NauticalMileToMeter", "nautical miles", "meter", 1, 1852, 1e-9},
        ConversionCase{"PoundToGram", "Pound", "gram", 1, 453.59237, 1e-9},
        ConversionCase{"TonnesToTonsUs", "Tonnes", "Tons(US)", 1, 1.102311310924388, 1e-12},
        ConversionCase{"TonsUkToKilogram", "Tons(UK)", "Kilogram", 1, 1016.0469088, 1e-6},
        ConversionCase{"KilowatthoursToJoule", "kilowatthours", "joule", 1, 3.6e6, 1e-6},
        ConversionCase{"CaloriesToKilojoule", "nutrition calories", "kilojoule", 1, 4.1868, 1e-9},
        ConversionCase{"AcresToHectares", "acres", "hectares", 1, 0.40468564224, 1e-11},
        ConversionCase{"SquareFeetToSquareInches", "feet²", "inches²", 1, 144, 1e-9},
        ConversionCase{"SquareKilometersToSquareMeters", "kilometers²", "m²", 1, 1e6, 1e-6},
        ConversionCase{"SquareMilesToAcres", "miles²", "acres", 1, 640, 1e-6},
        ConversionCase{"KilowattToHp", "kilo watt", "horsepower", 1, 1.341022092440488, 1e-15},
        ConversionCase{"WattToKilowatt", "watt", "kilo watt", 500, 0.5, 1e-15},
        ConversionCase{"AtmosphereToPascals", "atmosphere", "pascals", 1, 101325, 1e-6},
        ConversionCase{"BarToMmHg", "bar", "mm HG", 1, 750.1875468867217, 1e-9},
        ConversionCase{"PsiToPascals", "pounds-force/inch²", "pascals", 1, 6894.757, 1e-3},
        ConversionCase{"KmhToMs", "km/h", "m/s", 36, 10, 1e-12},
        ConversionCase{"MphToKmh", "mph", "km/h", 1, 1.609344, 1e-9},
        ConversionCase{"KnotsToKmh", "knots", "km/h", 1, 1.852, 1e-5},
        ConversionCase{"GallonsUsToLiters", "gallons, liquid (US)", "liters", 1, 3.785411784, 1e-9},
        ConversionCase{"CubicMeterToLiters", "m³", "liters", 1, 1000, 1e-9},
        ConversionCase{"CubicCentimeterToMilliliters", "cm³", "milliliters", 1, 1, 1e-15},
        ConversionCase{"PintsUkToQuartsUk", "pints (UK)", "quarts (UK)", 2, 1, 1e-12},
        ConversionCase{"CelsiusToFahrenheit", "Celcius", "Farenheit", 100, 212, 1e-12},
        ConversionCase{"CelsiusToKelvin", "Celcius", "Kelvin", 0, 273.15, 1e-12},
        ConversionCase{"FahrenheitToCelsius", "Farenheit", "Celcius", 32, 0, 1e-12},
        ConversionCase{"FahrenheitToKelvin", "Farenheit", "Kelvin", 212, 373.15, 1e-12},
        ConversionCase{"KelvinToFahrenheit", "Kelvin", "Farenheit", 0, -459.67, 1e-12},
        ConversionCase{"KelvinToCelsius", "Kelvin", "Celcius", 300, 26.85, 1e-12},
        ConversionCase{"MinusFortyIsTheSame", "Celcius", "Farenheit", -40, -40, 1e-12},
        ConversionCase{"AcrossCategoriesIsMinusOne", "meter", "Kilogram", 5, -1, 0},
        ConversionCase{"TemperatureToLengthIsMinusOne", "Kelvin", "meter", 5, -1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Unit, SerializesCategoryNameFactorMultiplier) {
    C_VYXUnit unit(QStringLiteral("Area"), QStringLiteral("m²"), 2.5);
    QByteArray bytes;
    C_VYXArchive out = C_VYXArchive::ForStoring(&bytes);
    unit.Serialize(out);
    EXPECT_EQ(bytes,
              ShortString("Area") + ShortString(QStringLiteral("m²")) + Double(2.5) + Double(1.0));

    C_VYXUnit loaded;
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    loaded.Serialize(in);
    EXPECT_EQ(loaded.m_strName, QStringLiteral("m²"));
    EXPECT_EQ(loaded.m_dFactor, 2.5);
    EXPECT_EQ(in.Remaining(), 0);
}

struct OrderCase {
    const char* name;
    QStringList unsorted;
    QStringList expected;
};

class ListOrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(ListOrderTest, SortsLikeTheDesktopLists) {
    const OrderCase& c = GetParam();
    EXPECT_EQ(C_VYXListOrder::Sorted(c.unsorted), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListOrderTest,
    // clang-format off
    ::testing::Values(
        OrderCase{"CaseIgnored", {"Kilogram", "gram", "Pound", "Tonnes", "Tons(UK)", "Tons(US)"},
                  {"gram", "Kilogram", "Pound", "Tonnes", "Tons(UK)", "Tons(US)"}},
        OrderCase{"SuperscriptsCountAsDigits", {"m²", "cm²", "kilometers²", "mm²", "acres",
                  "hectares", "feet²", "inches²", "miles²", "yards²"}, {"acres", "cm²", "feet²",
                  "hectares", "inches²", "kilometers²", "m²", "miles²", "mm²", "yards²"}},
        OrderCase{"PunctuationBeforeLetters",
                  {"pints, liquid(US)", "pints, dry (US)", "pints (UK)", "m/s", "mach"},
                  {"m/s", "mach", "pints (UK)", "pints, dry (US)", "pints, liquid(US)"}},
        OrderCase{"PrefixFirst", {"feet/h", "feet"}, {"feet", "feet/h"}},
        OrderCase{"DuplicatesKept", {"b", "a", "b"}, {"a", "b", "b"}}),
    // clang-format on
    [](const ::testing::TestParamInfo<OrderCase>& info) { return std::string(info.param.name); });

TEST(ConvertNFO, LoadingReplacesTheSavedConversions) {
    C_VYXConvertNFO source;
    source.m_savedConversions = {QStringLiteral("1 meter = 3.280840 feet"),
                                 QStringLiteral("2 bar = 200000.000000 pascals")};
    source.m_dValue = 2.0;
    source.m_strLastResult = QStringLiteral("200000.000000");
    source.m_nCategoryIndex = 5;
    source.m_nFromIndex = 1;
    source.m_nToIndex = 3;
    QByteArray bytes;
    C_VYXArchive out = C_VYXArchive::ForStoring(&bytes);
    source.Serialize(out);

    C_VYXConvertNFO loaded;
    loaded.m_savedConversions = {QStringLiteral("stale entry")};
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    loaded.Serialize(in);
    EXPECT_EQ(loaded.m_savedConversions, source.m_savedConversions);
    EXPECT_EQ(loaded.m_dValue, 2.0);
    EXPECT_EQ(loaded.m_strLastResult, source.m_strLastResult);
    EXPECT_EQ(loaded.m_nCategoryIndex, 5);
    EXPECT_EQ(loaded.m_nFromIndex, 1);
    EXPECT_EQ(loaded.m_nToIndex, 3);
    EXPECT_EQ(in.Remaining(), 0);
    // The table is built, not loaded.
    EXPECT_EQ(loaded.m_units.UnitCount(), 70);
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
    // Without the flag and the unit the record fails to load.
    C_VYXArchive truncated = C_VYXArchive::ForLoading(bytes.left(14 * 8));
    EXPECT_THROW(record.Serialize(truncated), C_VYXArchiveError);
}

} // namespace
