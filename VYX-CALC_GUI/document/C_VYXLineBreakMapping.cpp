// SPDX-License-Identifier: MIT
// C_VYXLineBreakMapping: CR LF text of the calculation area against the widget's LF text.
#include "C_VYXLineBreakMapping.h"

#include <algorithm>

namespace {

bool IsLineBreakAt(QStringView text, qsizetype index) {
    return index >= 0 && index + 1 < text.size() && text[index] == u'\r' &&
           text[index + 1] == u'\n';
}

C_VYXLineIndex IndexOf(QStringView areaText) {
    C_VYXLineIndex lines;
    lines.Rebuild(areaText);
    return lines;
}

} // namespace

QString C_VYXLineBreakMapping::DisplayText(QStringView areaText) {
    QString display;
    display.reserve(areaText.size());
    for (qsizetype i = 0; i < areaText.size(); ++i) {
        if (IsLineBreakAt(areaText, i))
            continue; // the LF that follows stands for the whole break
        display.append(areaText[i] == u'\r' ? QChar(LoneCarriageReturnSymbol) : areaText[i]);
    }
    return display;
}

int C_VYXLineBreakMapping::DisplaySize(const C_VYXLineIndex& lines, int areaSize) {
    return areaSize - (lines.LineCount() - 1);
}

int C_VYXLineBreakMapping::ToDisplayPosition(const C_VYXLineIndex& lines, int areaSize,
                                             int areaPosition) {
    const int position = std::clamp(areaPosition, 0, areaSize);
    // One character less for every break whose CR lies before the position: the lines started
    // up to one character after it.
    return position - lines.LineFromPosition(position + 1);
}

int C_VYXLineBreakMapping::ToAreaPosition(const C_VYXLineIndex& lines, int areaSize,
                                          int displayPosition) {
    if (displayPosition <= 0)
        return 0;
    return std::min(displayPosition + lines.LineFromCollapsedPosition(displayPosition), areaSize);
}

int C_VYXLineBreakMapping::ToDisplayPosition(QStringView areaText, int areaPosition) {
    return ToDisplayPosition(IndexOf(areaText), int(areaText.size()), areaPosition);
}

int C_VYXLineBreakMapping::ToAreaPosition(QStringView areaText, int displayPosition) {
    return ToAreaPosition(IndexOf(areaText), int(areaText.size()), displayPosition);
}

C_VYXLineBreakMapping::DisplayEdit
C_VYXLineBreakMapping::ToDisplayEdit(QStringView areaText, const C_VYXLineIndex& lines,
                                     const C_VYXTextChange& change, int shownSize) {
    // A character is shown by what it is and what follows it (a CR vanishes before an LF), so
    // a CR just before the change may now be shown otherwise; and a CR at the end of the
    // insertion is shown through the LF after it.
    const int size = int(areaText.size());
    // Neither end of the edit may split a surrogate pair the widget shows as one character.
    int start = std::clamp(change.position, 0, size);
    if (start > 0 && (areaText[start - 1] == u'\r' || areaText[start - 1].isHighSurrogate()))
        --start;
    int end = std::clamp(change.position + change.inserted, start, size);
    if (IsLineBreakAt(areaText, end - 1) || (end < size && areaText[end].isLowSurrogate()))
        ++end;
    // What follows `end` is the old text's end, unchanged and shown alike.
    const int shownAfter = DisplaySize(lines, size) - ToDisplayPosition(lines, size, end);
    DisplayEdit edit;
    edit.position = ToDisplayPosition(lines, size, start);
    edit.removed = shownSize - shownAfter - edit.position;
    edit.text = DisplayText(areaText.mid(start, end - start));
    return edit;
}
