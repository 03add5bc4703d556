// SPDX-License-Identifier: MIT
// C_VYXLineBreakMapping: CR LF text of the calculation area against the widget's LF text.
#include "C_VYXLineBreakMapping.h"

#include <algorithm>

namespace {

bool IsLineBreakAt(QStringView text, qsizetype index) {
    return index + 1 < text.size() && text[index] == u'\r' && text[index + 1] == u'\n';
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

int C_VYXLineBreakMapping::ToDisplayPosition(QStringView areaText, int areaPosition) {
    const qsizetype end = std::clamp<qsizetype>(areaPosition, 0, areaText.size());
    qsizetype display = 0;
    for (qsizetype i = 0; i < end; ++i) {
        if (!IsLineBreakAt(areaText, i))
            ++display;
    }
    return int(display);
}

int C_VYXLineBreakMapping::ToAreaPosition(QStringView areaText, int displayPosition) {
    qsizetype area = 0;
    for (int display = 0; display < displayPosition && area < areaText.size(); ++display)
        area += IsLineBreakAt(areaText, area) ? 2 : 1;
    return int(area);
}
