// SPDX-License-Identifier: MIT
// C_VYXLineBreakMapping: text and positions between the area's CR LF text and the widget's.
#pragma once

#include <QString>
#include <QStringView>

/// The calculation area keeps its lines ending in CR LF, and its positions count the CR; the
/// text widget shows one character per line break. Every other character maps one to one, so a
/// lone CR (only a damaged file holds one) is shown as a visible symbol instead of being lost.
class C_VYXLineBreakMapping {
public:
    /// Stands in the widget for a CR that is not followed by LF.
    static constexpr char16_t LoneCarriageReturnSymbol = u'\u240D';

    /// The text as the widget shows it.
    static QString DisplayText(QStringView areaText);
    /// A position of the area's text (never between CR and LF) as a position of the widget.
    static int ToDisplayPosition(QStringView areaText, int areaPosition);
    /// A widget position as a position of the area's text.
    static int ToAreaPosition(QStringView areaText, int displayPosition);
};
