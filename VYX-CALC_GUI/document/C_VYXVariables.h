// SPDX-License-Identifier: MIT
// C_VYXVariables: the logic of the variables record: add, remove, re-evaluate, list texts.
#pragma once

#include <QString>
#include <QStringList>

class C_VYXEvaluationContext;
class C_VYXVarNFO;

/// Works on the document's variables record, which it does not own, and evaluates through the
/// document's evaluation interface. A short-lived object: make one for each operation, since
/// File New and loading replace or refill the record.
class C_VYXVariables {
public:
    /// The value of a variable whose definition cannot be evaluated.
    static inline const QString ErrorValue = QStringLiteral("ERROR");

    C_VYXVariables(C_VYXVarNFO& record, C_VYXEvaluationContext& context);

    /// Stores a variable with its definition and value. Asks before overwriting an existing one;
    /// false (maps unchanged) for an illegal name or the answer No.
    bool AddVariable(const QString& name, const QString& definition, const QString& value);
    /// Removes a variable from both maps; false with an error box when it does not exist.
    bool RemoveVariable(const QString& name);
    /// Evaluates every definition again, in map order, pass after pass until a pass changes no
    /// value, so that dependants follow whatever the order of their names. A value still
    /// changing in pass (number of variables + 1) never settles (a cycle such as "a=a+1"): it
    /// becomes "ERROR" for the rest of the call, and the passes go on so that its dependants
    /// fail in turn.
    void ReevaluateAll();
    /// Empties both maps.
    void DeleteAll();
    /// Restores the rule that both maps hold the same names (a damaged file may break it).
    void RepairMaps();

    /// The panel's list entries in map order: "name = definition", plus " = value" when the
    /// value differs from the definition.
    QStringList PanelEntries() const;
    /// The toolbar's drop-down entries in map order: "name = value".
    QStringList ToolbarEntries() const;
    /// The variables for printing: "name=definition[=value]\n" each, in map order.
    QString ListText() const;
    /// The variable name of a list or drop-down entry: its text before the first " = ".
    static QString NameOfEntry(const QString& entry);

private:
    C_VYXVarNFO& m_record;
    C_VYXEvaluationContext& m_context;
};
