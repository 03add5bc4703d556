// SPDX-License-Identifier: MIT
// The matching closing brace of every opening brace of a text, found in one pass.
#pragma once

#include <string_view>
#include <vector>

/// Pairs the braces of one text once, so that nested groups are not rescanned at every level.
class VYXBraceMap {
public:
    /// The map refers to `text`, which must outlive it.
    explicit VYXBraceMap(std::string_view text);

    /// Position of the ')' that closes the '(' at `open`, searching no further than `end`.
    /// Throws VYXExceptionFunction with the brace counts when the text ends first.
    size_t MatchingClose(size_t open, size_t end) const;

private:
    std::string_view m_text;
    std::vector<size_t> m_close;
};
