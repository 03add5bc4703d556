// SPDX-License-Identifier: MIT
// C_VYXLineIndex: where the lines of a CR LF text start, kept up to date edit by edit.
#pragma once

#include <QStringView>

#include <vector>

/// The starts of the lines of a text whose lines end in CR LF (a CR or LF alone breaks no line).
/// An edit rescans only the characters it touched and shifts the starts after it, so looking a
/// line up never walks the text.
class C_VYXLineIndex {
public:
    /// Indexes the whole text (after it was set as a whole).
    void Rebuild(QStringView text);
    /// After `text` had `removed` characters at `position` replaced by `inserted` characters.
    void Replace(QStringView text, int position, int removed, int inserted);

    int LineCount() const { return int(m_starts.size()) + 1; }
    /// The line holding `position`: the number of line breaks that end at or before it.
    int LineFromPosition(int position) const;
    /// The first position of `line`; 0 before the first line, `textSize` after the last.
    int LineStart(int line, int textSize) const;
    /// Where the line break ending `line` begins, or `textSize` for the last line.
    int LineEnd(int line, int textSize) const;
    /// The line holding `collapsed`, a position that counts each line break as one character
    /// (as a text widget with one character per break counts).
    int LineFromCollapsedPosition(int collapsed) const;

private:
    /// Appends to `starts` the lines started by the breaks whose CR lies in [from, to).
    static void Scan(QStringView text, int from, int to, std::vector<int>& starts);

    /// Starts of the lines after the first, ascending (the first line always starts at 0).
    std::vector<int> m_starts;
};
