// SPDX-License-Identifier: MIT
// C_VYXSymbolReplacer: one-pass replacement of a set of symbols.
#include "C_VYXSymbolReplacer.h"

#include <algorithm>

void C_VYXSymbolReplacer::Add(const QString& symbol, const QString& replacement) {
    if (symbol.isEmpty())
        return;
    const auto same = std::find_if(m_entries.begin(), m_entries.end(),
                                   [&](const Entry& entry) { return entry.symbol == symbol; });
    if (same != m_entries.end()) {
        same->replacement = replacement;
        return;
    }
    // Keep the longest symbols first so that the first match at a position is the longest one.
    const auto before = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& entry) {
        return entry.symbol.size() < symbol.size();
    });
    m_entries.insert(before, Entry{symbol, replacement});
    m_firstUnits.set(symbol.front().unicode());
}

void C_VYXSymbolReplacer::Clear() {
    m_entries.clear();
    m_firstUnits.reset();
}

int C_VYXSymbolReplacer::MatchAt(QStringView text, qsizetype pos) const {
    const char16_t first = text[pos].unicode();
    if (!m_firstUnits.test(first))
        return -1;
    const qsizetype left = text.size() - pos;
    const QChar* here = text.data() + pos;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const QString& symbol = m_entries[i].symbol;
        // A plain loop: this runs for every character that may start a symbol.
        if (symbol.front().unicode() != first || symbol.size() > left)
            continue;
        if (std::equal(symbol.cbegin() + 1, symbol.cend(), here + 1))
            return int(i);
    }
    return -1;
}

QString C_VYXSymbolReplacer::ReplaceAll(QStringView text) const {
    QString result;
    qsizetype copiedUpTo = 0;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const int match = MatchAt(text, pos);
        if (match < 0) {
            ++pos;
            continue;
        }
        if (result.isNull())
            result.reserve(text.size() + text.size() / 8);
        result.append(text.mid(copiedUpTo, pos - copiedUpTo));
        result.append(m_entries[std::size_t(match)].replacement);
        pos += m_entries[std::size_t(match)].symbol.size();
        copiedUpTo = pos;
    }
    if (copiedUpTo == 0)
        return text.toString();
    result.append(text.mid(copiedUpTo));
    return result;
}

bool C_VYXSymbolReplacer::ContainsAny(QStringView text) const {
    for (qsizetype pos = 0; pos < text.size(); ++pos) {
        if (MatchAt(text, pos) >= 0)
            return true;
    }
    return false;
}
