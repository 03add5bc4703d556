// SPDX-License-Identifier: MIT
// C_VYXUnitConverter: the temperature conversions, which need offsets besides factors.
#include "C_VYXUnitConverter.h"

#include "C_VYXResourceIds.h"
#include "C_VYXStringTable.h"

QString C_VYXUnitConverter::TemperatureCategory() {
    return C_VYXStringTable::Text(C_VYXResourceIds::kStrCategoryTemperature);
}

double C_VYXUnitConverter::ConvertTemperature(const QString& fromName, const QString& toName,
                                              double value) {
    const QString kelvin = C_VYXStringTable::Text(C_VYXResourceIds::kStrUnitKelvin);
    const QString celsius = C_VYXStringTable::Text(C_VYXResourceIds::kStrUnitCelsius);
    const QString fahrenheit = C_VYXStringTable::Text(C_VYXResourceIds::kStrUnitFahrenheit);
    if (fromName == fahrenheit) {
        if (toName == kelvin)
            return (value - 32) * 0.5555555555555556 + 273.15;
        if (toName == celsius)
            return (value - 32) * 0.5555555555555556;
    } else if (fromName == kelvin) {
        if (toName == fahrenheit)
            return (value - 273.15) * 9 / 5 + 32;
        if (toName == celsius)
            return value - 273.15;
    } else if (fromName == celsius) {
        if (toName == fahrenheit)
            return value * 9 / 5 + 32;
        if (toName == kelvin)
            return value + 273.15;
    }
    return value;
}
