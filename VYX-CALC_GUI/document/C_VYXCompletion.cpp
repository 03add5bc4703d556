// SPDX-License-Identifier: MIT
// C_VYXCompletion: the typed word at the caret and the names that complete it.
#include "C_VYXCompletion.h"

#include "C_VYXEvaluationContext.h"
#include "C_VYXTokenTables.h"
#include "C_VYXTranslatorSymbols.h"
#include "VYXNum.h"

#include <algorithm>

using namespace C_VYXTranslatorSymbols;

namespace {

bool IsWordCharacter(QChar c) {
    return c.isLetter() || c.isDigit() || c == u'_';
}

bool StartsWithIgnoringAsciiCase(QStringView name, QStringView prefix) {
    return name.size() >= prefix.size() &&
           ToUpperAscii(name.first(prefix.size())) == ToUpperAscii(prefix);
}

} // namespace

C_VYXCompletion::C_VYXCompletion(C_VYXEvaluationContext& context) : m_context(context) {}

C_VYXCompletionWord C_VYXCompletion::WordBeforeCaret(QStringView line, int column) {
    if (column < kMinPrefixLength || column > line.size())
        return {};
    if (column < line.size() && IsWordCharacter(line.at(column)))
        return {};
    int start = column;
    while (start > 0 && IsWordCharacter(line.at(start - 1)))
        --start;
    // "2pi" is two times pi: digits before the first letter belong to a number.
    while (start < column && !line.at(start).isLetter())
        ++start;
    if (column - start < kMinPrefixLength)
        return {};
    if (line.first(start).contains(QStringView(kCommentMarker)))
        return {};
    return {start, line.sliced(start, column - start).toString()};
}

const QStringList& C_VYXCompletion::FixedNames() {
    if (!m_fixedNames.isEmpty())
        return m_fixedNames;
    // The translator's table also reserves names the engine does not know (they fail as
    // undefined variables): only the names that evaluate are offered.
    for (const QString& name : FunctionNames()) {
        const bool evaluates = m_context.EvaluateLiteral(name + QStringLiteral("(1)")) != nullptr;
        m_context.TakeEngineMessage();
        if (evaluates)
            m_fixedNames.append(name);
    }
    // A numeric symbol whose engine text is a bracketed name is a constant the user may type.
    for (const C_VYXSymbolPair& symbol : NumericSymbols()) {
        const QStringView text = symbol.engineText;
        if (text.size() < 3 || !text.startsWith(u'(') || !text.endsWith(u')'))
            continue;
        const QStringView inner = text.sliced(1, text.size() - 2);
        if (inner.front().isLetter() && std::all_of(inner.begin(), inner.end(), IsWordCharacter))
            m_fixedNames.append(inner.toString());
    }
    return m_fixedNames;
}

QStringList C_VYXCompletion::Candidates(QStringView prefix) {
    QStringList matches;
    if (prefix.size() < kMinPrefixLength)
        return matches;
    for (const QString& name : FixedNames())
        if (StartsWithIgnoringAsciiCase(name, prefix) &&
            ToUpperAscii(name) != ToUpperAscii(prefix) && !matches.contains(name))
            matches.append(name);
    if (const auto* values = m_context.TokenTables().Translator().Values()) {
        for (auto entry = values->cbegin(); entry != values->cend(); ++entry)
            if (entry.key().startsWith(prefix) && entry.key() != prefix)
                matches.append(entry.key());
    }
    std::sort(matches.begin(), matches.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return matches;
}
