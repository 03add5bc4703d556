// SPDX-License-Identifier: MIT
// C_VYXUnicodeTranslatorContainer: turns the text of the calculation area into engine syntax.
#pragma once

#include "C_VYXSubstitutionOrder.h"
#include "C_VYXSymbolReplacer.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QStringMatcher>
#include <QStringView>

#include <vector>

class C_VYXArchive;

/// Cuts a trailing comment, removes spaces, substitutes variables by their values and rewrites
/// display symbols (√, ², π, ½, ×, …) into the engine's plain upper-case syntax. Also knows the
/// reserved words that variable names may not equal.
class C_VYXUnicodeTranslatorContainer {
public:
    using VariableMap = QMap<QString, QString>;

    C_VYXUnicodeTranslatorContainer();
    virtual ~C_VYXUnicodeTranslatorContainer();

    C_VYXUnicodeTranslatorContainer(const C_VYXUnicodeTranslatorContainer&) = delete;
    C_VYXUnicodeTranslatorContainer& operator=(const C_VYXUnicodeTranslatorContainer&) = delete;

    /// Stores or loads the symbol map.
    virtual void Serialize(C_VYXArchive& ar);

    /// Points at the variables' maps (name → definition, name → value), owned by the variables
    /// record; either may be null (no variables).
    void SetVariableMaps(const VariableMap* definitions, const VariableMap* values);
    const VariableMap* Definitions() const { return definitions; }
    const VariableMap* Values() const { return values; }

    /// Adds a symbol-map entry, or changes the engine text of one already there.
    void AddSymbol(const QString& display, const QString& engineText);
    /// Adds a symbol-map entry whose engine text is the string resource `stringId`.
    void AddSymbol(const QString& display, int stringId);
    const VariableMap& SymbolMap() const { return symbolMap; }

    /// The full preparation of an expression: comment cut off (kept for TakeComment), spaces
    /// removed, variables substituted, display symbols translated.
    QString Translate(const QString& text);
    /// Translate with the variable names sorted beforehand (SubstitutionOrder): for a series of
    /// translations over the same names. `foundNames`, when given, receives the ranks of the
    /// names that occurred in the text: the only variables whose values the result can hold.
    QString Translate(const QString& text, const C_VYXSubstitutionOrder& order,
                      std::vector<qsizetype>* foundNames);
    /// The names of the values map in the order Translate substitutes them.
    C_VYXSubstitutionOrder SubstitutionOrder() const;
    /// The comment cut off by the last Translate ("" when there was none); empties it.
    QString TakeComment();
    /// Upper-cases a to z, applies the symbol map and brackets every "PI".
    QString ReplaceSymbols(const QString& text) const;

    /// True when the text holds a function name in any letter case.
    bool ContainsFunctionName(QStringView text) const;
    /// Replaces the occurrences of `name` that do not lie inside a function name. Inserted text
    /// is never searched again, neither for the name nor for function names (a bracketed value
    /// ends with ")", which no function name contains).
    QString ReplaceOutsideFunctionNames(const QString& text, const QString& name,
                                        const QString& replacement) const;
    /// False for names equal to a reserved word (in any letter case) or containing "=", a blank
    /// or a tab.
    bool IsValidVariableName(const QString& name) const;

    const QStringList& ReservedWords() const { return reservedWords; }

private:
    QString SubstituteVariables(QString text, const C_VYXSubstitutionOrder& order,
                                std::vector<qsizetype>* foundNames) const;

    VariableMap symbolMap;
    QStringList reservedWords;
    QString comment;
    QString commentMarker;
    const VariableMap* definitions = nullptr;
    const VariableMap* values = nullptr;

    // Derived lookups, built once (the symbol map's one is rebuilt when the map changes).
    C_VYXSymbolReplacer m_symbolMapReplacer;
    C_VYXSymbolReplacer m_numericSymbolReplacer;
    C_VYXSymbolReplacer m_functionNameFinder;
    QStringList m_upperFunctionNames;
    std::vector<QStringMatcher> m_functionNameMatchers;
    QStringList m_upperReservedWords;
};
