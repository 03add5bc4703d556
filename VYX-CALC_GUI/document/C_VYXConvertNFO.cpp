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
constexpr UnitRow kUnitTable[] = {
    // Temperature
    {kStrCategoryTemperature, kStrUnitKelvin, 0},
    {kStrCategoryTemperature, kStrUnitCelsius, 0},
    {kStrCategoryTemperature, kStrUnitFahrenheit, 0},
    // Mass
    {kStrCategoryMass, kStrUnitKilogram, 1},
    {kStrCategoryMass, kStrUnitGram, 1000},
    {kStrCategoryMass, kStrUnitPound, 2.2046226218487757},
    {kStrCategoryMass, kStrUnitTonnes, 0.001},
    {kStrCategoryMass, kStrUnitTonsUk, 0.0009842065276110606},
    {kStrCategoryMass, kStrUnitTonsUs, 0.001102311310924388},
    // Length
    {kStrCategoryLength, kStrUnitMeter, 1},
    {kStrCategoryLength, kStrUnitCentimeter, 100},
    {kStrCategoryLength, kStrUnitMillimeter, 1000},
    {kStrCategoryLength, kStrUnitKilometer, 0.001},
    {kStrCategoryLength, kStrUnitFathoms, 0.5468066491688539},
    {kStrCategoryLength, kStrUnitFeet, 3.2808398950131235},
    {kStrCategoryLength, kStrUnitFurlong, 0.004970969537898671},
    {kStrCategoryLength, kStrUnitInch, 39.37007874015748},
    // A mile is 1609.344 m and a yard 0.9144 m (older tables had 6.21371192237334e-07 and
    // 0.0005905039407870992 here, a thousandfold and more off).
    {kStrCategoryLength, kStrUnitMiles, 0.0006213711922373339},
    {kStrCategoryLength, kStrUnitNauticalMiles, 0.0005399568034557236},
    {kStrCategoryLength, kStrUnitYard, 1.0936132983377078},
    // Energy
    {kStrCategoryEnergy, kStrUnitJoule, 1},
    {kStrCategoryEnergy, kStrUnitKilojoule, 0.001},
    {kStrCategoryEnergy, kStrUnitKilowattHours, 2.7777777777777776e-07},
    {kStrCategoryEnergy, kStrUnitNutritionCalories, 0.00023884589662749594},
    // Area
    {kStrCategoryArea, kStrUnitSquareMeter, 1},
    {kStrCategoryArea, kStrUnitSquareCentimeter, 10000},
    {kStrCategoryArea, kStrUnitSquareKilometers, 1e-06},
    {kStrCategoryArea, kStrUnitSquareMillimeter, 1000000},
    {kStrCategoryArea, kStrUnitAcres, 0.0002471053814671653},
    {kStrCategoryArea, kStrUnitHectares, 0.0001},
    {kStrCategoryArea, kStrUnitSquareFeet, 10.763910416709722},
    {kStrCategoryArea, kStrUnitSquareInches, 1550.0031000062},
    {kStrCategoryArea, kStrUnitSquareMiles, 3.8610215854244587e-07},
    {kStrCategoryArea, kStrUnitSquareYards, 1.1959900463010802},
    // Power
    {kStrCategoryPower, kStrUnitKilowatt, 1},
    {kStrCategoryPower, kStrUnitWatt, 1000},
    // 550 foot-pounds-force per second: 745.69987158227022 W (not 745.69987).
    {kStrCategoryPower, kStrUnitHorsepower, 1.341022089595028},
    // Pressure
    {kStrCategoryPressure, kStrUnitPascals, 1},
    {kStrCategoryPressure, kStrUnitAtmosphere, 9.869232667160129e-06},
    {kStrCategoryPressure, kStrUnitBar, 1e-05},
    // 760 mm HG make one atmosphere (older tables had 1/133.3); a pound-force per square inch
    // is 6894.757293168361 Pa (not 6894.757).
    {kStrCategoryPressure, kStrUnitMmHg, 0.007500616827041697},
    {kStrCategoryPressure, kStrUnitPoundsPerSquareInch, 0.0001450377377302092},
    // Velocity
    {kStrCategoryVelocity, kStrUnitMetersPerSecond, 1},
    {kStrCategoryVelocity, kStrUnitKilometersPerHour, 3.6},
    // 3600 / 0.3048 feet per hour (not 11811); a knot is 1852 m per hour (not 0.514444 m/s).
    {kStrCategoryVelocity, kStrUnitFeetPerHour, 11811.023622047243},
    {kStrCategoryVelocity, kStrUnitKnots, 1.9438444924406046},
    {kStrCategoryVelocity, kStrUnitMach, 0.002938641460175678},
    {kStrCategoryVelocity, kStrUnitMilesPerHour, 2.2369362920544025},
    // Volume
    {kStrCategoryVolume, kStrUnitLiters, 1},
    {kStrCategoryVolume, kStrUnitBarrelsUk, 0.006110256897196883},
    // An oil barrel is 42 US gallons of 231 inches³, 158.987294928 l (not 158.987295); a US
    // bushel 2150.42 inches³, 35.23907016688 l (not 35.2390704).
    {kStrCategoryVolume, kStrUnitBarrelsOil, 0.006289810770432105},
    {kStrCategoryVolume, kStrUnitBushelsUk, 0.027496156037385974},
    {kStrCategoryVolume, kStrUnitBushelsUs, 0.028377593258401747},
    {kStrCategoryVolume, kStrUnitCubicCentimeter, 1000},
    {kStrCategoryVolume, kStrUnitCubicFeet, 0.03531466672148859},
    {kStrCategoryVolume, kStrUnitCubicInches, 61.02374409473229},
    {kStrCategoryVolume, kStrUnitCubicMeter, 0.001},
    {kStrCategoryVolume, kStrUnitCubicYards, 0.0013079506193143923},
    {kStrCategoryVolume, kStrUnitFluidOuncesUk, 35.19507972785404},
    {kStrCategoryVolume, kStrUnitFluidOuncesUs, 33.814022701842994},
    {kStrCategoryVolume, kStrUnitGallonsUk, 0.2199692482990878},
    {kStrCategoryVolume, kStrUnitGallonsDryUs, 0.22702074606721398},
    {kStrCategoryVolume, kStrUnitGallonsLiquidUs, 0.2641720523581484},
    {kStrCategoryVolume, kStrUnitMilliliters, 1000},
    {kStrCategoryVolume, kStrUnitPintsUk, 1.7597539863927023},
    {kStrCategoryVolume, kStrUnitPintsDryUs, 1.8161659685377118},
    {kStrCategoryVolume, kStrUnitPintsLiquidUs, 2.113376418865187},
    {kStrCategoryVolume, kStrUnitQuartsUk, 0.8798769931963512},
    {kStrCategoryVolume, kStrUnitQuartsDryUs, 0.9080829842688559},
    {kStrCategoryVolume, kStrUnitQuartsLiquidUs, 1.0566882094325936},
};

} // namespace

C_VYXConvertNFO::C_VYXConvertNFO() {
    for (const UnitRow& row : kUnitTable) {
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
