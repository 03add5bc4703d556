// SPDX-License-Identifier: MIT
// C_VYXUnitConverter: the unit table (names and factors as the program has always shipped them).
#include "C_VYXUnitConverter.h"

const QString C_VYXUnitConverter::TemperatureCategory = QStringLiteral("Temperature");

namespace {
const QString Kelvin = QStringLiteral("Kelvin");
const QString Celsius = QStringLiteral("Celcius");
const QString Fahrenheit = QStringLiteral("Farenheit");
} // namespace

C_VYXUnitConverter::C_VYXUnitConverter() {
    // Within a category the first unit is the base unit; a factor is the number of units in
    // one base unit. Temperatures carry no factor (they convert with offsets).
    const QString temperature = TemperatureCategory;
    AddCategory(temperature);
    AddUnit(temperature, Kelvin, 0);
    AddUnit(temperature, Celsius, 0);
    AddUnit(temperature, Fahrenheit, 0);

    const QString mass = QStringLiteral("Mass");
    AddCategory(mass);
    AddUnit(mass, QStringLiteral("Kilogram"), 1);
    AddUnit(mass, QStringLiteral("gram"), 1000);
    AddUnit(mass, QStringLiteral("Pound"), 2.2046226218487757);
    AddUnit(mass, QStringLiteral("Tonnes"), 0.001);
    AddUnit(mass, QStringLiteral("Tons(UK)"), 0.0009842065276110606);
    AddUnit(mass, QStringLiteral("Tons(US)"), 0.001102311310924388);

    const QString length = QStringLiteral("Length");
    AddCategory(length);
    AddUnit(length, QStringLiteral("meter"), 1);
    AddUnit(length, QStringLiteral("centimeter"), 100);
    AddUnit(length, QStringLiteral("millimeter"), 1000);
    AddUnit(length, QStringLiteral("kilometer"), 0.001);
    AddUnit(length, QStringLiteral("fathoms"), 0.5468066491688539);
    AddUnit(length, QStringLiteral("feet"), 3.2808398950131235);
    AddUnit(length, QStringLiteral("furlong"), 0.004970969537898671);
    AddUnit(length, QStringLiteral("inch"), 39.37007874015748);
    AddUnit(length, QStringLiteral("miles"), 6.21371192237334e-07);
    AddUnit(length, QStringLiteral("nautical miles"), 0.0005399568034557236);
    AddUnit(length, QStringLiteral("yard"), 0.0005905039407870992);

    const QString energy = QStringLiteral("Energy");
    AddCategory(energy);
    AddUnit(energy, QStringLiteral("joule"), 1);
    AddUnit(energy, QStringLiteral("kilojoule"), 0.001);
    AddUnit(energy, QStringLiteral("kilowatthours"), 2.7777777777777776e-07);
    AddUnit(energy, QStringLiteral("nutrition calories"), 0.00023884589662749594);

    const QString area = QStringLiteral("Area");
    AddCategory(area);
    AddUnit(area, QStringLiteral("m²"), 1);
    AddUnit(area, QStringLiteral("cm²"), 10000);
    AddUnit(area, QStringLiteral("kilometers²"), 1e-06);
    AddUnit(area, QStringLiteral("mm²"), 1000000);
    AddUnit(area, QStringLiteral("acres"), 0.0002471053814671653);
    AddUnit(area, QStringLiteral("hectares"), 0.0001);
    AddUnit(area, QStringLiteral("feet²"), 10.763910416709722);
    AddUnit(area, QStringLiteral("inches²"), 1550.0031000062);
    AddUnit(area, QStringLiteral("miles²"), 3.8610215854244587e-07);
    AddUnit(area, QStringLiteral("yards²"), 1.1959900463010802);

    const QString power = QStringLiteral("Power");
    AddCategory(power);
    AddUnit(power, QStringLiteral("kilo watt"), 1);
    AddUnit(power, QStringLiteral("watt"), 1000);
    AddUnit(power, QStringLiteral("horsepower"), 1.341022092440488);

    const QString pressure = QStringLiteral("Presure");
    AddCategory(pressure);
    AddUnit(pressure, QStringLiteral("pascals"), 1);
    AddUnit(pressure, QStringLiteral("atmosphere"), 9.869232667160129e-06);
    AddUnit(pressure, QStringLiteral("bar"), 1e-05);
    AddUnit(pressure, QStringLiteral("mm HG"), 0.007501875468867217);
    AddUnit(pressure, QStringLiteral("pounds-force/inch²"), 0.00014503774389728312);

    const QString velocity = QStringLiteral("Velocity");
    AddCategory(velocity);
    AddUnit(velocity, QStringLiteral("m/s"), 1);
    AddUnit(velocity, QStringLiteral("km/h"), 3.6);
    AddUnit(velocity, QStringLiteral("feet/h"), 11811);
    AddUnit(velocity, QStringLiteral("knots"), 1.9438461717893494);
    AddUnit(velocity, QStringLiteral("mach"), 0.002938641460175678);
    AddUnit(velocity, QStringLiteral("mph"), 2.2369362920544025);

    const QString volume = QStringLiteral("Volume");
    AddCategory(volume);
    AddUnit(volume, QStringLiteral("liters"), 1);
    AddUnit(volume, QStringLiteral("barrels (UK)"), 0.006110256897196883);
    AddUnit(volume, QStringLiteral("barrels oil"), 0.006289810767583661);
    AddUnit(volume, QStringLiteral("bushels (UK)"), 0.027496156037385974);
    AddUnit(volume, QStringLiteral("bushels (US)"), 0.028377593070673057);
    AddUnit(volume, QStringLiteral("cm³"), 1000);
    AddUnit(volume, QStringLiteral("feet³"), 0.03531466672148859);
    AddUnit(volume, QStringLiteral("inches³"), 61.02374409473229);
    AddUnit(volume, QStringLiteral("m³"), 0.001);
    AddUnit(volume, QStringLiteral("yards³"), 0.0013079506193143923);
    AddUnit(volume, QStringLiteral("fluid ounces (UK)"), 35.19507972785404);
    AddUnit(volume, QStringLiteral("fluid ounces (US)"), 33.814022701842994);
    AddUnit(volume, QStringLiteral("gallons (UK)"), 0.2199692482990878);
    AddUnit(volume, QStringLiteral("gallons, dry (US)"), 0.22702074606721398);
    AddUnit(volume, QStringLiteral("gallons, liquid (US)"), 0.2641720523581484);
    AddUnit(volume, QStringLiteral("milliliters"), 1000);
    AddUnit(volume, QStringLiteral("pints (UK)"), 1.7597539863927023);
    AddUnit(volume, QStringLiteral("pints, dry (US)"), 1.8161659685377118);
    AddUnit(volume, QStringLiteral("pints, liquid(US)"), 2.113376418865187);
    AddUnit(volume, QStringLiteral("quarts (UK)"), 0.8798769931963512);
    AddUnit(volume, QStringLiteral("quarts, dry (US)"), 0.9080829842688559);
    AddUnit(volume, QStringLiteral("quarts, liquid (US)"), 1.0566882094325936);
}

void C_VYXUnitConverter::AddCategory(const QString& category) {
    m_categories.append(category);
}

void C_VYXUnitConverter::AddUnit(const QString& category, const QString& name, double factor) {
    m_unitOrder.append(name);
    m_units.insert(name, C_VYXUnit(category, name, factor));
}

const C_VYXUnit* C_VYXUnitConverter::FindUnit(const QString& name) const {
    const auto found = m_units.constFind(name);
    return found == m_units.cend() ? nullptr : &found.value();
}

QStringList C_VYXUnitConverter::UnitNamesOf(const QString& category) const {
    QStringList names;
    for (const QString& name : m_unitOrder) {
        if (m_units.value(name).m_strCategory == category)
            names.append(name);
    }
    return names;
}

double C_VYXUnitConverter::ConvertTemperature(const QString& fromName, const QString& toName,
                                              double value) {
    if (fromName == Fahrenheit) {
        if (toName == Kelvin)
            return (value - 32) * 0.5555555555555556 + 273.15;
        if (toName == Celsius)
            return (value - 32) * 0.5555555555555556;
    } else if (fromName == Kelvin) {
        if (toName == Fahrenheit)
            return (value - 273.15) * 9 / 5 + 32;
        if (toName == Celsius)
            return value - 273.15;
    } else if (fromName == Celsius) {
        if (toName == Fahrenheit)
            return value * 9 / 5 + 32;
        if (toName == Kelvin)
            return value + 273.15;
    }
    return value;
}
