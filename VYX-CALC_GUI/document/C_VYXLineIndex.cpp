// SPDX-License-Identifier: MIT
// C_VYXLineIndex: a sorted vector of line starts with a local rescan and a shift per edit.
#include "C_VYXLineIndex.h"

#include <algorithm>

void C_VYXLineIndex::Scan(QStringView text, int from, int to, std::vector<int>& starts) {
    const int size = int(text.size());
    from = std::max(from, 0);
    to = std::min(to, size - 1);
    for (int i = from; i < to; ++i) {
        if (text.at(i) == u'\r' && text.at(i + 1) == u'\n') {
            starts.push_back(i + 2);
            ++i;
        }
    }
}

void C_VYXLineIndex::Rebuild(QStringView text) {
    m_starts.clear();
    Scan(text, 0, int(text.size()), m_starts);
}

void C_VYXLineIndex::Replace(QStringView text, int position, int removed, int inserted) {
    // A break whose CR or LF was removed, or that the insertion split, began at position - 1 up
    // to the last removed character; its line started two characters later.
    const auto first = std::upper_bound(m_starts.begin(), m_starts.end(), position);
    const auto last = std::upper_bound(first, m_starts.end(), position + removed + 1);
    const int shift = inserted - removed;
    for (auto it = last; it != m_starts.end(); ++it)
        *it += shift;
    // New breaks can only begin from position - 1 (a CR before the insertion) to the last
    // inserted character (a CR joined to the LF after it); later ones are the shifted old ones.
    std::vector<int> found;
    Scan(text, position - 1, position + inserted, found);
    const auto at = m_starts.erase(first, last);
    m_starts.insert(at, found.begin(), found.end());
}

int C_VYXLineIndex::LineFromPosition(int position) const {
    return int(std::upper_bound(m_starts.begin(), m_starts.end(), position) - m_starts.begin());
}

int C_VYXLineIndex::LineStart(int line, int textSize) const {
    if (line <= 0)
        return 0;
    if (line > int(m_starts.size()))
        return textSize;
    return m_starts[std::size_t(line - 1)];
}

int C_VYXLineIndex::LineEnd(int line, int textSize) const {
    if (line < 0)
        line = 0;
    if (line >= int(m_starts.size()))
        return textSize;
    return m_starts[std::size_t(line)] - 2;
}

int C_VYXLineIndex::LineFromCollapsedPosition(int collapsed) const {
    // Line k + 1 starts at collapsed position m_starts[k] - (k + 1): one character less for each
    // break before it. That rises with k, so a binary search finds the lines started by then.
    std::size_t low = 0;
    std::size_t high = m_starts.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (m_starts[middle] - int(middle + 1) <= collapsed)
            low = middle + 1;
        else
            high = middle;
    }
    return int(low);
}
