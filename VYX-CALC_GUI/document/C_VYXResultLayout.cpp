// SPDX-License-Identifier: MIT
// C_VYXResultLayout: fraction, decimal approximation and argument of a result.
#include "C_VYXResultLayout.h"

#include "C_VYXAngleUnit.h"
#include "C_VYXLineTokenizer.h"
#include "C_VYXNumberText.h"
#include "C_VYXSettings.h"
#include "C_VYXTextConversion.h"
#include "VYXNumRational.h"
#include "VYXNumUni.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

const QString kLineBreak = QStringLiteral("\r\n");
/// Decimal texts are taken at full precision and rounded for display afterwards.
constexpr int kFullPrecision = 20;

} // namespace

C_VYXResultLayout C_VYXResultLayout::FromSettings(const C_VYXSettings& settings) {
    C_VYXResultLayout layout;
    layout.showReal = settings.CalcText().showReal;
    layout.showRational = settings.CalcText().showRational;
    layout.alwaysShowArgument = settings.CMPLX().m_nAlwaysShowArgument != 0;
    layout.angleUnit = settings.Trig().m_nAngleUnit;
    layout.decimals = settings.BasicButtons().m_nDecimals;
    return layout;
}

C_VYXResultLayout::Written C_VYXResultLayout::Layout(VYXNum& number) const {
    const bool showArgument = alwaysShowArgument && number.IsCmplx();
    const QString suffix =
        showArgument ? QStringLiteral(" ") + FormatArgument(number) + kLineBreak : kLineBreak;

    if (!IsExactFraction(number) || showRational == 0) {
        const QString real = RealText(number);
        return {real + suffix, real};
    }
    const QString rational = C_VYXTextConversion::FromNarrow(number.GetValue());
    const bool isInteger = number.GetRealDivisor() == 1.0 && number.GetCMPLXDivisor() == 1.0;
    if (showReal == 0 || isInteger)
        return {rational + suffix, rational};
    // The approximation is a comment, so the line can be evaluated again as it stands.
    return {rational + QStringLiteral(" //\u2248") + RealText(number) + suffix, rational};
}

bool C_VYXResultLayout::IsExactFraction(VYXNum& number) {
    const auto* rational = dynamic_cast<VYXNumRational*>(&number);
    if (rational == nullptr)
        return false;
    // Beyond 2^53 a part need not be the true integer any more (2^53+1 is held as 2^53), and
    // the engine prints it with six digits: such a result is shown as a decimal, exponent and all.
    constexpr double largestExactInteger = 9007199254740992.0;
    const double parts[] = {rational->GetREALNumerator(), rational->GetRealDivisor(),
                            rational->GetCMPLXNumerator(), rational->GetCMPLXDivisor()};
    return std::all_of(std::begin(parts), std::end(parts),
                       [](double part) { return std::fabs(part) <= largestExactInteger; });
}

QString C_VYXResultLayout::RealText(VYXNum& number) const {
    std::string text;
    if (dynamic_cast<VYXNumRational*>(&number) != nullptr) {
        VYXNumUni real(number.GetRealValue(), number.GetCmplxValue());
        real.SetPrecision(kFullPrecision);
        text = real.GetValue();
    } else {
        number.SetPrecision(kFullPrecision);
        text = number.GetValue();
    }
    return RoundToDecimals(C_VYXTextConversion::FromNarrow(text));
}

QString C_VYXResultLayout::FormatArgument(const VYXNum& number) const {
    const double angle = number.GetFI() * C_VYXAngleUnit::FromRadiansFactor(angleUnit);
    const QString angleText =
        RoundToDecimals(C_VYXNumberText::FormatDouble(C_VYXNumberText::Format::Fixed11, angle));
    return C_VYXLineTokenizer::kArgumentLabel + angleText + u' ' +
           C_VYXAngleUnit::DisplayName(angleUnit);
}

QString C_VYXResultLayout::RoundToDecimals(const QString& numberText) const {
    // A damaged file may hold any count; the numpad's range is what the user can choose.
    const int clamped = std::clamp(int(decimals), int(C_VYXBasicButtonsNFO::kMinDecimals),
                                   int(C_VYXBasicButtonsNFO::kMaxDecimals));
    return C_VYXNumberText::RoundNumberText(numberText, clamped);
}
