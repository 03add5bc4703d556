// SPDX-License-Identifier: MIT
// C_VYXConvertNFO: the unit table (names and factors as the program has always shipped them) and
// the stored part of the unit converter's record.
#include "C_VYXConvertNFO.h"

#include "C_VYXArchive.h"
#include "C_VYXResourceIds.h"
#include "C_VYXStringTable.h"

namespace {

using namespace C_VYXResourceIds;

struct UnitRow {
    int categoryId;
    int unitId;
    double factor;
};

// Categories in this order; within a category the first unit is the base unit. A factor is the
// number of units in one base unit; temperatures carry none (they convert with offsets). Units
// with an exact definition carry its exact value (inch 0.0254 m, foot 0.3048 m, pound
// 0.45359237 kg, standard gravity 9.80665 m/s², atmosphere 101325 Pa).
constexpr UnitRow UnitTable[] = {
    // Temperature
    {StrCategoryTemperature, StrUnitKelvin, 0},
    {StrCategoryTemperature, StrUnitCelsius, 0},
    {StrCategoryTemperature, StrUnitFahrenheit, 0},
    // Mass
    {StrCategoryMass, StrUnitKilogram, 1},
    {StrCategoryMass, StrUnitGram, 1000},
    {StrCategoryMass, StrUnitPound, 2.2046226218487757},
    {StrCategoryMass, StrUnitTonnes, 0.001},
    {StrCategoryMass, StrUnitTonsUk, 0.0009842065276110606},
    {StrCategoryMass, StrUnitTonsUs, 0.001102311310924388},
    // Length
    {StrCategoryLength, StrUnitMeter, 1},
    {StrCategoryLength, StrUnitCentimeter, 100},
    {StrCategoryLength, StrUnitMillimeter, 1000},
    {StrCategoryLength, StrUnitKilometer, 0.001},
    {StrCategoryLength, StrUnitFathoms, 0.5468066491688539},
    {StrCategoryLength, StrUnitFeet, 3.2808398950131235},
    {StrCategoryLength, StrUnitFurlong, 0.004970969537898671},
    {StrCategoryLength, StrUnitInch, 39.37007874015748},
    // A mile is 1609.344 m and a yard 0.9144 m (older tables had 6.21371192237334e-07 and
    // 0.0005905039407870992 here, a thousandfold and more off).
    {StrCategoryLength, StrUnitMiles, 0.0006213711922373339},
    {StrCategoryLength, StrUnitNauticalMiles, 0.0005399568034557236},
    {StrCategoryLength, StrUnitYard, 1.0936132983377078},
    // Energy
    {StrCategoryEnergy, StrUnitJoule, 1},
    {StrCategoryEnergy, StrUnitKilojoule, 0.001},
    {StrCategoryEnergy, StrUnitKilowattHours, 2.7777777777777776e-07},
    {StrCategoryEnergy, StrUnitNutritionCalories, 0.00023884589662749594},
    // Area
    {StrCategoryArea, StrUnitSquareMeter, 1},
    {StrCategoryArea, StrUnitSquareCentimeter, 10000},
    {StrCategoryArea, StrUnitSquareKilometers, 1e-06},
    {StrCategoryArea, StrUnitSquareMillimeter, 1000000},
    {StrCategoryArea, StrUnitAcres, 0.0002471053814671653},
    {StrCategoryArea, StrUnitHectares, 0.0001},
    {StrCategoryArea, StrUnitSquareFeet, 10.763910416709722},
    {StrCategoryArea, StrUnitSquareInches, 1550.0031000062},
    {StrCategoryArea, StrUnitSquareMiles, 3.8610215854244587e-07},
    {StrCategoryArea, StrUnitSquareYards, 1.1959900463010802},
    // Power
    {StrCategoryPower, StrUnitKilowatt, 1},
    {StrCategoryPower, StrUnitWatt, 1000},
    // 550 foot-pounds-force per second: 745.69987158227022 W (not 745.69987).
    {StrCategoryPower, StrUnitHorsepower, 1.341022089595028},
    // Pressure
    {StrCategoryPressure, StrUnitPascals, 1},
    {StrCategoryPressure, StrUnitAtmosphere, 9.869232667160129e-06},
    {StrCategoryPressure, StrUnitBar, 1e-05},
    // 760 mm HG make one atmosphere (older tables had 1/133.3); a pound-force per square inch
    // is 6894.757293168361 Pa (not 6894.757).
    {StrCategoryPressure, StrUnitMmHg, 0.007500616827041697},
    {StrCategoryPressure, StrUnitPoundsPerSquareInch, 0.0001450377377302092},
    // Velocity
    {StrCategoryVelocity, StrUnitMetersPerSecond, 1},
    {StrCategoryVelocity, StrUnitKilometersPerHour, 3.6},
    // 3600 / 0.3048 feet per hour (not 11811); a knot is 1852 m per hour (not 0.514444 m/s).
    {StrCategoryVelocity, StrUnitFeetPerHour, 11811.023622047243},
    {StrCategoryVelocity, StrUnitKnots, 1.9438444924406046},
    {StrCategoryVelocity, StrUnitMach, 0.002938641460175678},
    {StrCategoryVelocity, StrUnitMilesPerHour, 2.2369362920544025},
    // Volume
    {StrCategoryVolume, StrUnitLiters, 1},
    {StrCategoryVolume, StrUnitBarrelsUk, 0.006110256897196883},
    // An oil barrel is 42 US gallons of 231 inches³, 158.987294928 l (not 158.987295); a US
    // bushel 2150.42 inches³, 35.23907016688 l (not 35.2390704).
    {StrCategoryVolume, StrUnitBarrelsOil, 0.006289810770432105},
    {StrCategoryVolume, StrUnitBushelsUk, 0.027496156037385974},
    {StrCategoryVolume, StrUnitBushelsUs, 0.028377593258401747},
    {StrCategoryVolume, StrUnitCubicCentimeter, 1000},
    {StrCategoryVolume, StrUnitCubicFeet, 0.03531466672148859},
    {StrCategoryVolume, StrUnitCubicInches, 61.02374409473229},
    {StrCategoryVolume, StrUnitCubicMeter, 0.001},
    {StrCategoryVolume, StrUnitCubicYards, 0.0013079506193143923},
    {StrCategoryVolume, StrUnitFluidOuncesUk, 35.19507972785404},
    {StrCategoryVolume, StrUnitFluidOuncesUs, 33.814022701842994},
    {StrCategoryVolume, StrUnitGallonsUk, 0.2199692482990878},
    {StrCategoryVolume, StrUnitGallonsDryUs, 0.22702074606721398},
    {StrCategoryVolume, StrUnitGallonsLiquidUs, 0.2641720523581484},
    {StrCategoryVolume, StrUnitMilliliters, 1000},
    {StrCategoryVolume, StrUnitPintsUk, 1.7597539863927023},
    {StrCategoryVolume, StrUnitPintsDryUs, 1.8161659685377118},
    {StrCategoryVolume, StrUnitPintsLiquidUs, 2.113376418865187},
    {StrCategoryVolume, StrUnitQuartsUk, 0.8798769931963512},
    {StrCategoryVolume, StrUnitQuartsDryUs, 0.9080829842688559},
    {StrCategoryVolume, StrUnitQuartsLiquidUs, 1.0566882094325936},
};

} // namespace

C_VYXConvertNFO::C_VYXConvertNFO() {
    for (const UnitRow& row : UnitTable) {
        const QString category = C_VYXStringTable::Text(row.categoryId);
        if (!m_categories.contains(category))
            m_categories.append(category);
        AddUnit(category, C_VYXStringTable::Text(row.unitId), row.factor);
    }
}

void C_VYXConvertNFO::AddUnit(const QString& category, const QString& name, double factor) {
    m_unitOrder.append(name);
    m_units.insert(name, C_VYXUnit(category, name, factor));
}

const C_VYXUnit* C_VYXConvertNFO::FindUnit(const QString& name) const {
    const auto found = m_units.constFind(name);
    return found == m_units.cend() ? nullptr : &found.value();
}

QStringList C_VYXConvertNFO::UnitNamesOf(const QString& category) const {
    QStringList names;
    for (const QString& name : m_unitOrder) {
        if (m_units.value(name).m_strCategory == category)
            names.append(name);
    }
    return names;
}

void C_VYXConvertNFO::Serialize(C_VYXArchive& ar) {
    if (ar.IsLoading())
        m_savedConversions.clear();
    ar.Exchange(m_savedConversions);
    ar.Exchange(m_dValue);
    ar.Exchange(m_strLastResult);
    ar.Exchange(m_nCategoryIndex);
    ar.Exchange(m_nFromIndex);
    ar.Exchange(m_nToIndex);
}
