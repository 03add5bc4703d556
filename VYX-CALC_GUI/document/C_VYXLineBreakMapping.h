// SPDX-License-Identifier: MIT
// C_VYXLineBreakMapping: text and positions between the area's CR LF text and the widget's.
#pragma once

#include "C_VYXLineIndex.h"
#include "C_VYXTextChange.h"

#include <QString>
#include <QStringView>

/// The calculation area keeps its lines ending in CR LF, and its positions count the CR; the
/// text widget shows one character per line break. Every other character maps one to one, so a
/// lone CR (only a damaged file holds one) is shown as a visible symbol instead of being lost,
/// and a lone LF keeps its place (the widget breaks its line there, the area does not).
/// Positions are found through the area's line index, so no lookup walks the text.
class C_VYXLineBreakMapping {
public:
    /// Stands in the widget for a CR that is not followed by LF.
    static constexpr char16_t LoneCarriageReturnSymbol = u'\u240D';

    /// What the widget must do to follow a change of the area: replace `removed` characters at
    /// `position` by `text`.
    struct DisplayEdit {
        int position = 0;
        int removed = 0;
        QString text;
    };

    /// The text as the widget shows it.
    static QString DisplayText(QStringView areaText);
    /// How many characters the widget shows for an area text of `areaSize` characters.
    static int DisplaySize(const C_VYXLineIndex& lines, int areaSize);
    /// A position of the area's text (never between CR and LF) as a position of the widget.
    static int ToDisplayPosition(const C_VYXLineIndex& lines, int areaSize, int areaPosition);
    /// A widget position as a position of the area's text.
    static int ToAreaPosition(const C_VYXLineIndex& lines, int areaSize, int displayPosition);
    /// The same for a text without an index at hand (it is indexed first).
    static int ToDisplayPosition(QStringView areaText, int areaPosition);
    static int ToAreaPosition(QStringView areaText, int displayPosition);

    /// The widget's edit for `change`, made to the area's text that is now `areaText` (indexed by
    /// `lines`), while the widget still shows `shownSize` characters of the text before it.
    /// Costs the size of the change, not of the text.
    static DisplayEdit ToDisplayEdit(QStringView areaText, const C_VYXLineIndex& lines,
                                     const C_VYXTextChange& change, int shownSize);
};
