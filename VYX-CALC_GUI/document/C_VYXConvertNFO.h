// SPDX-License-Identifier: MIT
// C_VYXConvertNFO: the unit converter's record: its unit table, selections and saved conversions.
#pragma once

#include "C_VYXUnitConverter.h"

#include <QString>
#include <QStringList>

class C_VYXArchive;

/// Settings record of the unit converter. The unit table is built anew, never stored.
class C_VYXConvertNFO {
public:
    C_VYXConvertNFO() = default;

    /// Saved conversions, value, last result, category index, from index, to index.
    void Serialize(C_VYXArchive& ar);

    C_VYXUnitConverter m_units;
    QStringList m_savedConversions;
    double m_dValue = 1.0;
    QString m_strLastResult;
    /// Indices count in the panel's sorted boxes.
    qint32 m_nCategoryIndex = 0;
    qint32 m_nFromIndex = 0;
    qint32 m_nToIndex = 1;
};
