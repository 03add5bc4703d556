// SPDX-License-Identifier: MIT
// The matching closing brace of every opening brace of a text, found in one pass.
#include "VYXBraceMap.h"

#include "VYXExceptions.h"

#include <algorithm>
#include <string>

namespace {
constexpr size_t kUnmatched = static_cast<size_t>(-1);
}

VYXBraceMap::VYXBraceMap(std::string_view text) : m_text(text), m_close(text.size(), kUnmatched) {
    std::vector<size_t> open;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') {
            open.push_back(i);
        } else if (text[i] == ')' && !open.empty()) {
            m_close[open.back()] = i;
            open.pop_back();
        }
    }
}

size_t VYXBraceMap::MatchingClose(size_t open, size_t end) const {
    end = std::min(end, m_text.size());
    if (open < end && m_close[open] < end) {
        return m_close[open];
    }
    // Only the error path counts: the walk from the group's start met the end of the text first.
    const std::string_view rest = m_text.substr(open, end - std::min(open, end));
    const auto opening = std::count(rest.begin(), rest.end(), '(');
    const auto closing = std::count(rest.begin(), rest.end(), ')');
    throw VYXExceptionFunction(
        "ERROR!! NOT EQUAL NUMBERS OF BRACES!!\nNUMBER OF LEFTBRACES=" + std::to_string(opening) +
        "\nNUMBER OF RIGHTBRACES=" + std::to_string(closing));
}
