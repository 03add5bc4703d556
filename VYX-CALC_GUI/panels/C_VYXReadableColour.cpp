// SPDX-License-Identifier: MIT
// C_VYXReadableColour: luminance, contrast and hue colours for light and dark palettes.
#include "C_VYXReadableColour.h"

#include <algorithm>
#include <cmath>

namespace C_VYXReadableColour {

namespace {

double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

} // namespace

bool IsDark(const QPalette& palette) {
    return Luminance(palette.color(QPalette::Window)) < 0.2;
}

double ContrastRatio(const QColor& first, const QColor& second) {
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor Mix(const QColor& from, const QColor& to, double share) {
    const auto channel = [share](double a, double b) { return a + (b - a) * share; };
    return QColor::fromRgbF(float(channel(from.redF(), to.redF())),
                            float(channel(from.greenF(), to.greenF())),
                            float(channel(from.blueF(), to.blueF())));
}

QColor OfHue(int hue, const QColor& background, double contrast) {
    const bool darkBackground = Luminance(background) < 0.2;
    // Start where a strong colour of the hue sits and walk away from the background's
    // lightness until the contrast is reached; black or white at the very end always reach it.
    constexpr int kSaturation = 200;
    constexpr int kStep = 5;
    const int start = darkBackground ? 160 : 110;
    for (int lightness = start; lightness >= 0 && lightness <= 255;
         lightness += darkBackground ? kStep : -kStep) {
        const QColor candidate = QColor::fromHsl(hue, kSaturation, lightness);
        if (ContrastRatio(candidate, background) >= contrast)
            return candidate;
    }
    return darkBackground ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace C_VYXReadableColour
