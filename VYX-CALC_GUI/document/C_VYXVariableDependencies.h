// SPDX-License-Identifier: MIT
// C_VYXVariableDependencies: which variables each definition uses, and the order to evaluate
// them in.
#pragma once

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QStringView>

/// A snapshot of the variables' definitions as a dependency graph. A definition uses a variable
/// when the translator would substitute that name into it: longer names first, and names of up
/// to four characters not inside a function name. Evaluating in the planned order lets every
/// dependant see its dependencies' new values, whatever the names' order; definitions caught in
/// a cycle cannot be evaluated at all.
class C_VYXVariableDependencies {
public:
    /// What to evaluate: `order` has every variable after the ones it uses; `circular` holds
    /// the variables that depend on themselves, directly, through others, or through such a
    /// variable. Both in the map's order where the dependencies allow.
    struct Plan {
        QStringList order;
        QStringList circular;
    };

    /// `functionNames`: the names the translator protects from short variable names.
    C_VYXVariableDependencies(const QMap<QString, QString>& definitions,
                              const QStringList& functionNames);

    /// Every variable, dependencies first.
    Plan PlanAll() const;
    /// The variable `name` (when defined) and every variable whose definition mentions it, with
    /// all their dependants: what has to be evaluated again after `name` was added, changed or
    /// removed.
    Plan PlanAffectedBy(const QString& name) const;
    /// The names the definition uses, each once, in the map's order.
    QStringList References(const QString& definition) const;

private:
    QList<int> ReferenceIndexes(QStringView definition) const;
    Plan PlanFor(const QList<int>& seeds) const;

    QStringList m_names;
    QStringList m_definitions;
    /// Views into m_names.
    QHash<QStringView, int> m_indexOfName;
    /// The distinct name lengths, longest first: the translator substitutes longer names first.
    QList<qsizetype> m_nameLengths;
    QStringList m_functionNames;
    /// m_uses[i]: the variables definition i uses; m_usedBy[j]: the definitions that use j.
    QList<QList<int>> m_uses;
    QList<QList<int>> m_usedBy;
};
