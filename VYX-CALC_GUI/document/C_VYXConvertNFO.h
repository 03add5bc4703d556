// SPDX-License-Identifier: MIT
// C_VYXConvertNFO: the unit converter's record: its unit table, selections and saved conversions.
#pragma once

#include "C_VYXUnit.h"

#include <QMap>
#include <QString>
#include <QStringList>

class C_VYXArchive;

/// Settings record of the unit converter. The unit table of the nine categories is built in code
/// when the record is made, and never stored. Categories and units keep the table's order; the
/// panel's boxes sort what they show.
class C_VYXConvertNFO {
public:
    C_VYXConvertNFO();

    /// Saved conversions, value, last result, category index, from index, to index.
    void Serialize(C_VYXArchive& ar);

    /// Category names in the order of the table.
    const QStringList& Categories() const { return m_categories; }
    /// The unit with that name, or nullptr.
    const C_VYXUnit* FindUnit(const QString& name) const;
    /// Names of the units of one category, in table order.
    QStringList UnitNamesOf(const QString& category) const;
    int UnitCount() const { return static_cast<int>(m_units.size()); }

    QStringList m_savedConversions;
    double m_dValue = 1.0;
    QString m_strLastResult;
    /// Indices count in the panel's sorted boxes.
    qint32 m_nCategoryIndex = 0;
    qint32 m_nFromIndex = 0;
    qint32 m_nToIndex = 1;

private:
    void AddUnit(const QString& category, const QString& name, double factor);

    QStringList m_categories;
    QStringList m_unitOrder;
    QMap<QString, C_VYXUnit> m_units;
};
