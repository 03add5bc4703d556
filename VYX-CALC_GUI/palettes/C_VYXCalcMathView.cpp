// SPDX-License-Identifier: MIT
// C_VYXCalcMathView: the symbols of the math palette in the order of its grid.
#include "C_VYXCalcMathView.h"

#include "C_VYXResourceIds.h"

namespace {

// Nine to a row. The tooltips keep their wording as the program always had it.
constexpr C_VYXCharKey kMathKeys[] = {
    {1162, u"!", u"!", "Exclamation mark."},
    {1106, u"\"", u"\"", "Quotation mark."},
    {1044, u"@", u"@", "Commercial at."},
    {1113, u"#", u"#", "Number sign."},
    {1169, u"\u00A3", u"\u00A3", "Pound."},
    {1047, u"\u00A4", u"\u00A4", "Currency."},
    {1170, u"$", u"$", "Dollar sign."},
    {1046, u"\u2194", u"\u2194", "Left right arrow."},
    {1205, u"\u2191", u"\u2191", "Upwards arrow."},

    {1194, u"\u2030", u"\u2030", "Per mille."},
    {1163, u"%", u"%", "Percent."},
    {1100, u"&", u"&", "Ampresand."},
    {1164, u"/", u"/", "Solidus"},
    {1144, u"\\", u"\\", "Reversed solidus."},
    {1167, u"?", u"?", "Question mark."},
    {1273, u"|", u"|", "Vertical line or pipe."},
    {1272, u"\u2195", u"\u2195", "Up down arrow."},
    {1204, u"\u2193", u"\u2193", "Downwards arrow."},

    {1108, u"{", u"{", "Left curly bracket."},
    {1165, u"(", u"(", "Left parenthesis."},
    {1172, u"[", u"[", "Left square bracket."},
    {1173, u"]", u"]", "Right square bracket."},
    {1166, u")", u")", "Right parenthesis."},
    {1107, u"}", u"}", "Right curly bracket."},
    {1274, u"\u220F", u"\u220F", "N-ARY Product."},
    {1094, u"\u21A8", u"\u21A8", "Up down arrow with base."},
    {1203, u"\u2192", u"\u2192", "Rightwards arrow."},

    {1271, u"\u2211", u"\u2211", "Sum."},
    {1045, u"\u2229", u"\u2229", "Intersection."},
    {1197, u"\u2264", u"\u2264", "Less than or equal to."},
    {1177, u"<", u"<", "Less than."},
    {1176, u">", u">", "Greater than"},
    {1196, u"\u2265", u"\u2265", "Greater than or equal to."},
    {1199, u"\u221F", u"\u221F", "Right angle."},
    {1275, u"\u221E", u"\u221E", "Infinity."},
    {1202, u"\u2190", u"\u2190", "Leftwards arrow."},

    {1101, u"=", u"=", "Equal."},
    {1182, u"\u2248", u"\u2248", "Almost equal to."},
    {1193, u"\u2260", u"\u2260", "Not equal to."},
    {1198, u"\u2261", u"\u2261", "Identity."},
    {1195, u"\u222B", u"\u222B", "Integral."},
    {1201, u"\u2202", u"\u2202", "Partial differential."},
    {1200, u"\u2206", u"\u2206", "Increment delta."},
    {1048, u"\u2219", u"\u2219", "Bullet."},
    {1104, u"//", u"//", "Comment."},
};

} // namespace

C_VYXCalcMathView::C_VYXCalcMathView(C_VYXPanelOwner& owner)
    : C_VYXCharPalette(owner, C_VYXResourceIds::kDlgMathChars, QStringLiteral("Math chars"),
                       Side::Right, kMathKeys, 9, std::nullopt) {
    setObjectName(QStringLiteral("mathCharsPanel"));
}
