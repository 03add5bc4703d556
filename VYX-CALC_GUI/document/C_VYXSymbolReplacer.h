// SPDX-License-Identifier: MIT
// C_VYXSymbolReplacer: replaces a set of symbols in one left-to-right pass over a text.
#pragma once

#include <QString>
#include <QStringView>

#include <bitset>
#include <vector>

/// Holds symbols and their replacements. At every position of a text the longest symbol that
/// starts there wins; replacements are never searched again. For symbol sets where no
/// replacement can complete another symbol this gives the same text as replacing the symbols
/// one after another, longest first, at the cost of one pass instead of one per symbol.
class C_VYXSymbolReplacer {
public:
    /// Adds a symbol or changes the replacement of one already held. Empty symbols are ignored.
    void Add(const QString& symbol, const QString& replacement);
    void Clear();

    /// The text with every symbol occurrence replaced.
    QString ReplaceAll(QStringView text) const;
    /// True when any symbol occurs in the text.
    bool ContainsAny(QStringView text) const;

private:
    struct Entry {
        QString symbol;
        QString replacement;
    };
    /// Index of the longest entry that matches at `pos`, or -1.
    int MatchAt(QStringView text, qsizetype pos) const;

    std::vector<Entry> m_entries;      // longest symbol first
    std::bitset<0x10000> m_firstUnits; // UTF-16 units that start some symbol
};
