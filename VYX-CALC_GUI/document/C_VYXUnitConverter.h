// SPDX-License-Identifier: MIT
// C_VYXUnitConverter: the table of the nine unit categories and the temperature conversions.
#pragma once

#include "C_VYXUnit.h"

#include <QMap>
#include <QString>
#include <QStringList>

/// The converter's unit table, built in code. Categories and units keep the table's order; the
/// panel's boxes sort what they show.
class C_VYXUnitConverter {
public:
    /// The one category converted with offsets instead of factors.
    static QString TemperatureCategory();

    C_VYXUnitConverter();

    /// Category names in the order of the table.
    const QStringList& Categories() const { return m_categories; }
    /// The unit with that name, or nullptr.
    const C_VYXUnit* FindUnit(const QString& name) const;
    /// Names of the units of one category, in table order.
    QStringList UnitNamesOf(const QString& category) const;
    int UnitCount() const { return static_cast<int>(m_units.size()); }

    /// Temperature from one unit ("Kelvin", "Celcius", "Farenheit") to another; the value
    /// unchanged for the same or an unknown unit.
    static double ConvertTemperature(const QString& fromName, const QString& toName, double value);

private:
    void AddUnit(const QString& category, const QString& name, double factor);

    QStringList m_categories;
    QStringList m_unitOrder;
    QMap<QString, C_VYXUnit> m_units;
};
