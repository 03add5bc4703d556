// SPDX-License-Identifier: MIT
// C_VYXUnitConverter: the temperature conversions of the unit converter.
#pragma once

#include <QString>

/// Temperatures have offsets, so they are converted here by formula instead of by the factors
/// of the converter record's unit table.
class C_VYXUnitConverter {
public:
    /// The one category converted with offsets instead of factors.
    static QString TemperatureCategory();

    /// Temperature from one unit ("Kelvin", "Celcius", "Farenheit") to another; the value
    /// unchanged for the same or an unknown unit.
    static double ConvertTemperature(const QString& fromName, const QString& toName, double value);
};
