// SPDX-License-Identifier: MIT
// C_VYXUnicodeTranslatorContainer: comment split, variable substitution and display symbols.
#include "C_VYXUnicodeTranslatorContainer.h"

#include "C_VYXArchive.h"
#include "C_VYXStringTable.h"
#include "C_VYXTranslatorSymbols.h"

#include <algorithm>
#include <array>
#include <utility>

using namespace C_VYXTranslatorSymbols;

C_VYXUnicodeTranslatorContainer::C_VYXUnicodeTranslatorContainer()
    : reservedWords(C_VYXTranslatorSymbols::ReservedWords()),
      commentMarker(QString::fromUtf16(kCommentMarker)) {
    for (const QString& word : reservedWords)
        m_upperReservedWords.append(ToUpperAscii(word));
    m_upperFunctionNames = m_upperReservedWords.mid(0, kFunctionNameCount);
    for (const QString& name : m_upperFunctionNames) {
        m_functionNameFinder.Add(name, name);
        m_functionNameMatchers.emplace_back(name);
    }
    for (const C_VYXSymbolPair& symbol : NumericSymbols())
        m_numericSymbolReplacer.Add(symbol.display, symbol.engineText);
}

C_VYXUnicodeTranslatorContainer::~C_VYXUnicodeTranslatorContainer() = default;

void C_VYXUnicodeTranslatorContainer::Serialize(C_VYXArchive& ar) {
    ar.Exchange(symbolMap);
    if (ar.IsLoading()) {
        m_symbolMapReplacer.Clear();
        for (auto entry = symbolMap.cbegin(); entry != symbolMap.cend(); ++entry)
            m_symbolMapReplacer.Add(entry.key(), entry.value());
    }
}

void C_VYXUnicodeTranslatorContainer::SetVariableMaps(const VariableMap* definitionMap,
                                                      const VariableMap* valueMap) {
    definitions = definitionMap;
    values = valueMap;
}

void C_VYXUnicodeTranslatorContainer::AddSymbol(const QString& display, const QString& engineText) {
    if (display.isEmpty())
        return;
    symbolMap.insert(display, engineText);
    m_symbolMapReplacer.Add(display, engineText);
}

void C_VYXUnicodeTranslatorContainer::AddSymbol(const QString& display, int stringId) {
    AddSymbol(display, C_VYXStringTable::Text(stringId));
}

QString C_VYXUnicodeTranslatorContainer::Translate(const QString& text) {
    return Translate(text, SubstitutionOrder(), nullptr);
}

C_VYXSubstitutionOrder C_VYXUnicodeTranslatorContainer::SubstitutionOrder() const {
    return values != nullptr ? C_VYXSubstitutionOrder(*values) : C_VYXSubstitutionOrder();
}

QString C_VYXUnicodeTranslatorContainer::Translate(const QString& text,
                                                   const C_VYXSubstitutionOrder& order,
                                                   std::vector<qsizetype>* foundNames) {
    QString expression = text;
    const qsizetype commentStart = expression.indexOf(commentMarker);
    if (commentStart >= 0) {
        comment = expression.mid(commentStart);
        expression.truncate(commentStart);
    } else {
        comment.clear();
    }
    expression.remove(QChar(u' '));
    return ReplaceSymbols(SubstituteVariables(std::move(expression), order, foundNames));
}

QString C_VYXUnicodeTranslatorContainer::TakeComment() {
    return std::exchange(comment, QString());
}

QString C_VYXUnicodeTranslatorContainer::ReplaceSymbols(const QString& text) const {
    // Upper-casing first lets "exp" and "pi" typed in lower case meet the map's "EXP" and "PI".
    QString engineText = m_symbolMapReplacer.ReplaceAll(ToUpperAscii(text));
    engineText.replace(QStringLiteral("PI"), QStringLiteral("(PI)"));
    return engineText;
}

QString C_VYXUnicodeTranslatorContainer::SubstituteVariables(
    QString text, const C_VYXSubstitutionOrder& order, std::vector<qsizetype>* foundNames) const {
    if (values != nullptr && order.Size() > 0) {
        // Decided once, before any value could bring in or hide a function name.
        const bool guarded = ContainsFunctionName(text);
        // Shorter names are looked for in the text as it is after the longer ones' values went in.
        for (qsizetype rank = order.NextIn(text, 0); rank >= 0;
             rank = order.NextIn(text, rank + 1)) {
            const QString& name = order.Name(rank);
            const QString replacement = u'(' + values->value(name) + u')';
            if (name.size() > 4 || !guarded)
                text.replace(name, replacement);
            else
                text = ReplaceOutsideFunctionNames(text, name, replacement);
            if (foundNames != nullptr)
                foundNames->push_back(rank);
        }
    }
    return m_numericSymbolReplacer.ReplaceAll(text);
}

bool C_VYXUnicodeTranslatorContainer::ContainsFunctionName(QStringView text) const {
    return m_functionNameFinder.ContainsAny(ToUpperAscii(text));
}

QString C_VYXUnicodeTranslatorContainer::ReplaceOutsideFunctionNames(
    const QString& text, const QString& name, const QString& replacement) const {
    if (name.isEmpty())
        return text;
    const QString upper = ToUpperAscii(text);

    // Each function name is only ever looked up from a start that never moves backwards, so
    // remembering the last answer keeps the whole scan linear in the text's length.
    struct Lookup {
        qsizetype searchedFrom = -1;
        qsizetype found = -1;
    };
    std::array<Lookup, kFunctionNameCount> lookups;
    const auto firstOccurrence = [&](qsizetype index, qsizetype start) {
        Lookup& lookup = lookups[std::size_t(index)];
        const bool stillValid = lookup.searchedFrom >= 0 && lookup.searchedFrom <= start &&
                                (lookup.found < 0 || lookup.found >= start);
        if (!stillValid) {
            lookup.searchedFrom = start;
            lookup.found = m_functionNameMatchers[std::size_t(index)].indexIn(upper, start);
        }
        return lookup.found;
    };

    // Positions refer to `text`. Everything from `from` on is still untouched, and a function
    // name can never reach back into an inserted value because the value ends with ")".
    const QStringMatcher nameMatcher(name);
    QString result;
    qsizetype copiedUpTo = 0;
    qsizetype from = 0;
    for (qsizetype pos = nameMatcher.indexIn(text); pos >= 0;
         pos = nameMatcher.indexIn(text, from)) {
        bool inside = false;
        for (qsizetype index = 0; index < kFunctionNameCount && !inside; ++index) {
            const qsizetype length = m_upperFunctionNames[index].size();
            const qsizetype start = std::max(copiedUpTo, std::max<qsizetype>(0, from - length + 1));
            const qsizetype found = firstOccurrence(index, start);
            if (found >= 0 && found <= pos && pos < found + length) {
                inside = true;
                from = found + length;
            }
        }
        if (inside)
            continue;
        result.append(QStringView(text).mid(copiedUpTo, pos - copiedUpTo));
        result.append(replacement);
        // Resume after the inserted value, so a value holding the name is not substituted again.
        copiedUpTo = pos + name.size();
        from = copiedUpTo;
    }
    if (copiedUpTo == 0)
        return text;
    result.append(QStringView(text).mid(copiedUpTo));
    return result;
}

bool C_VYXUnicodeTranslatorContainer::IsValidVariableName(const QString& name) const {
    // Spaces are removed from every expression before substitution, so a name holding one
    // could never be reached; a tab is a blank to the user as well.
    if (name == u"\u03C0" || name.contains(u'=') || name.contains(u' ') || name.contains(u'\t'))
        return false;
    return !m_upperReservedWords.contains(ToUpperAscii(name));
}
