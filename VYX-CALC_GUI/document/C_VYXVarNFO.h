// SPDX-License-Identifier: MIT
// C_VYXVarNFO: the variables record, name -> definition text and name -> value text.
#pragma once

#include <QMap>
#include <QString>

class C_VYXArchive;
class C_VYXTokenTables;

/// The user's variables. Both maps always hold the same names, compared case-sensitively; a
/// value is the full text of the number its definition evaluated to (C_VYXValueText), or
/// "ERROR". Older files hold values rounded to six digits; they stay in use until the next change.
class C_VYXVarNFO {
public:
    /// Definitions, then values; loading empties both maps before reading.
    void Serialize(C_VYXArchive& ar);

    /// The document's token tables, for name validation; not owned.
    C_VYXTokenTables* m_pTokenTables = nullptr;
    QMap<QString, QString> definitions;
    QMap<QString, QString> values;
};
