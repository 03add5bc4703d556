// SPDX-License-Identifier: MIT
// C_VYXSubstitutionOrder: the variable names in the order the translator substitutes them.
#pragma once

#include <QMap>
#include <QString>
#include <QStringView>

#include <vector>

/// The names of a values map, longest first and names of equal length in map order: the order
/// in which the translator substitutes them. Made once for a series of translations during which
/// the names stay the same (their values may change meanwhile).
class C_VYXSubstitutionOrder {
public:
    C_VYXSubstitutionOrder() = default;
    explicit C_VYXSubstitutionOrder(const QMap<QString, QString>& values);

    qsizetype Size() const { return qsizetype(m_entries.size()); }
    const QString& Name(qsizetype rank) const { return m_entries[std::size_t(rank)].name; }
    /// The first rank from `from` on whose name occurs in `text` (case-sensitive), or -1.
    qsizetype NextIn(QStringView text, qsizetype from) const;

private:
    struct Entry {
        QString name;
        /// Hash of the name's first character (one-character names) or first two characters.
        quint16 key;
    };
    std::vector<Entry> m_entries;
};
