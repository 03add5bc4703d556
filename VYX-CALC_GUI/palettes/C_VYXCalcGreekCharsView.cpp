// SPDX-License-Identifier: MIT
// C_VYXCalcGreekCharsView: the Greek letters with their names as tooltips.
#include "C_VYXCalcGreekCharsView.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXResourceIds.h"

namespace {

// In alphabetical order, the final sigma before sigma; it has no capital and stays ς.
constexpr C_VYXCharKey kGreekKeys[] = {
    {1053, u"\u0391", u"\u03B1", "Alfa"},    {1061, u"\u0392", u"\u03B2", "Beta"},
    {1062, u"\u0393", u"\u03B3", "Gamma"},   {1064, u"\u0394", u"\u03B4", "Delta"},
    {1065, u"\u0395", u"\u03B5", "Epsilon"}, {1054, u"\u0396", u"\u03B6", "Zeta"},
    {1055, u"\u0397", u"\u03B7", "Eta"},     {1060, u"\u0398", u"\u03B8", "Theta"},
    {1066, u"\u0399", u"\u03B9", "Iota"},    {1067, u"\u039A", u"\u03BA", "Kappa"},
    {1059, u"\u039B", u"\u03BB", "Lamda"},   {1057, u"\u039C", u"\u03BC", "Mu"},
    {1058, u"\u039D", u"\u03BD", "Nu"},      {1083, u"\u039E", u"\u03BE", "Xi"},
    {1084, u"\u039F", u"\u03BF", "Omicron"}, {1090, u"\u03A0", u"\u03C0", "Pi"},
    {1056, u"\u03A1", u"\u03C1", "Rho"},     {1063, u"\u03C2", u"\u03C2", "FinalSigma"},
    {1085, u"\u03A3", u"\u03C3", "Sigma"},   {1086, u"\u03A4", u"\u03C4", "Tau"},
    {1087, u"\u03A5", u"\u03C5", "Upsilon"}, {1088, u"\u03A6", u"\u03C6", "Phi"},
    {1089, u"\u03A7", u"\u03C7", "Chi"},     {1098, u"\u03A8", u"\u03C8", "Psi"},
    {1099, u"\u03A9", u"\u03C9", "Omega"},
};

constexpr C_VYXCaseToggleIds kGreekCaseToggle{1265, 1103};

} // namespace

C_VYXCalcGreekCharsView::C_VYXCalcGreekCharsView(C_VYXPanelOwner& owner)
    : C_VYXCharPalette(owner, C_VYXResourceIds::kDlgGreekChars, QStringLiteral("Greek chars"),
                       Side::Right, kGreekKeys, 6, kGreekCaseToggle) {
    setObjectName(QStringLiteral("greekCharsPanel"));
}

qint32* C_VYXCalcGreekCharsView::CaseFlag() {
    return Document() == nullptr ? nullptr : &Document()->Settings().KeyBoard().m_nGreekCaps;
}
