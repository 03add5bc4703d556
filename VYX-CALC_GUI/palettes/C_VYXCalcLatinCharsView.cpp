// SPDX-License-Identifier: MIT
// C_VYXCalcLatinCharsView: the Latin letters in the order of the palette's grid.
#include "C_VYXCalcLatinCharsView.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXResourceIds.h"

namespace {

// Row by row, six to a row; W stands before V.
constexpr C_VYXCharKey kLatinKeys[] = {
    {1095, u"A", u"a", nullptr}, {1096, u"B", u"b", nullptr}, {1046, u"C", u"c", nullptr},
    {1097, u"D", u"d", nullptr}, {1047, u"E", u"e", nullptr}, {1068, u"F", u"f", nullptr},
    {1069, u"G", u"g", nullptr}, {1071, u"H", u"h", nullptr}, {1070, u"I", u"i", nullptr},
    {1072, u"J", u"j", nullptr}, {1048, u"K", u"k", nullptr}, {1049, u"L", u"l", nullptr},
    {1051, u"M", u"m", nullptr}, {1050, u"N", u"n", nullptr}, {1052, u"O", u"o", nullptr},
    {1073, u"P", u"p", nullptr}, {1074, u"Q", u"q", nullptr}, {1076, u"R", u"r", nullptr},
    {1075, u"S", u"s", nullptr}, {1077, u"T", u"t", nullptr}, {1078, u"U", u"u", nullptr},
    {1079, u"W", u"w", nullptr}, {1091, u"V", u"v", nullptr}, {1081, u"X", u"x", nullptr},
    {1080, u"Y", u"y", nullptr}, {1082, u"Z", u"z", nullptr},
};

constexpr C_VYXCaseToggleIds kLatinCaseToggle{1043, 1102};

} // namespace

C_VYXCalcLatinCharsView::C_VYXCalcLatinCharsView(C_VYXPanelOwner& owner)
    : C_VYXCharPalette(owner, C_VYXResourceIds::kDlgLatinChars, QStringLiteral("Latin chars"),
                       Side::Left, kLatinKeys, 6, kLatinCaseToggle) {
    setObjectName(QStringLiteral("latinCharsPanel"));
}

qint32* C_VYXCalcLatinCharsView::CaseFlag() {
    return Document() == nullptr ? nullptr : &Document()->Settings().KeyBoard().m_nLatinCaps;
}
