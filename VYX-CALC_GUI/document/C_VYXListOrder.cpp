// SPDX-License-Identifier: MIT
// C_VYXListOrder: a locale-independent, case-insensitive ordering for sorted lists.
#include "C_VYXListOrder.h"

#include <algorithm>
#include <utility>

namespace {

enum class CharClass { Punctuation = 0, Digit = 1, Letter = 2 };

/// The class and the folded character that decide the position of one character.
std::pair<CharClass, char32_t> SortKey(QChar c) {
    switch (c.unicode()) {
    case 0x00B9: // superscript one
        return {CharClass::Digit, U'1'};
    case 0x00B2: // superscript two
        return {CharClass::Digit, U'2'};
    case 0x00B3: // superscript three
        return {CharClass::Digit, U'3'};
    default:
        break;
    }
    if (c.isDigit())
        return {CharClass::Digit, c.unicode()};
    if (c.isLetter())
        return {CharClass::Letter, c.toCaseFolded().unicode()};
    return {CharClass::Punctuation, c.unicode()};
}

} // namespace

namespace C_VYXListOrder {

bool Less(const QString& left, const QString& right) {
    const qsizetype common = std::min(left.size(), right.size());
    for (qsizetype i = 0; i < common; ++i) {
        const auto l = SortKey(left.at(i));
        const auto r = SortKey(right.at(i));
        if (l != r)
            return l < r;
    }
    if (left.size() != right.size())
        return left.size() < right.size();
    // Texts that differ only in case still get a fixed order.
    return left < right;
}

QStringList Sorted(QStringList entries) {
    std::stable_sort(entries.begin(), entries.end(), Less);
    return entries;
}

} // namespace C_VYXListOrder
