// SPDX-License-Identifier: MIT
// C_VYXUnit: one physical unit of the converter's table, with its category and factor.
#pragma once

#include <QString>

class C_VYXArchive;

/// A unit of one category; `factor` is how many of this unit make one base unit.
class C_VYXUnit {
public:
    C_VYXUnit() = default;
    C_VYXUnit(const QString& category, const QString& name, double factor);

    /// Converts `value` given in `from` into this unit; -1 when the categories differ.
    double ConvertFrom(const C_VYXUnit& from, double value) const;

    /// Category, name, factor, multiplier (the table itself is never stored in documents).
    void Serialize(C_VYXArchive& ar);

    QString m_strCategory;
    QString m_strName;
    double m_dFactor = 0.0;
    double m_dMultiplier = 1.0;
};
