// SPDX-License-Identifier: MIT
// C_VYXSubstitutionOrder: sorting the names once and finding the next one a text holds.
#include "C_VYXSubstitutionOrder.h"

#include <algorithm>
#include <bitset>

namespace {

constexpr std::size_t kKeyCount = 4096;

quint16 UnitKey(QChar unit) {
    return quint16(unit.unicode() & (kKeyCount - 1));
}

quint16 PairKey(QChar first, QChar second) {
    return quint16((first.unicode() * 31u + second.unicode()) & (kKeyCount - 1));
}

} // namespace

C_VYXSubstitutionOrder::C_VYXSubstitutionOrder(const QMap<QString, QString>& values) {
    m_entries.reserve(std::size_t(values.size()));
    for (auto name = values.keyBegin(); name != values.keyEnd(); ++name) {
        // An empty name (only a damaged file can hold one) would match everywhere.
        if (name->isEmpty())
            continue;
        const quint16 key =
            name->size() == 1 ? UnitKey(name->at(0)) : PairKey(name->at(0), name->at(1));
        m_entries.push_back({*name, key});
    }
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const Entry& a, const Entry& b) { return a.name.size() > b.name.size(); });
}

qsizetype C_VYXSubstitutionOrder::NextIn(QStringView text, qsizetype from) const {
    // A name can only occur where its first two characters stand side by side: one look at the
    // text rules out most names without searching for them.
    std::bitset<kKeyCount> units;
    std::bitset<kKeyCount> pairs;
    for (qsizetype at = 0; at < text.size(); ++at) {
        units.set(UnitKey(text[at]));
        if (at + 1 < text.size())
            pairs.set(PairKey(text[at], text[at + 1]));
    }
    for (qsizetype rank = std::max<qsizetype>(from, 0); rank < Size(); ++rank) {
        const Entry& entry = m_entries[std::size_t(rank)];
        const bool possible =
            entry.name.size() == 1 ? units.test(entry.key) : pairs.test(entry.key);
        if (possible && text.contains(entry.name))
            return rank;
    }
    return -1;
}
