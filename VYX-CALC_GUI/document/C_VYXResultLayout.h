// SPDX-License-Identifier: MIT
// C_VYXResultLayout: how a result is written below its line, by the display settings.
#pragma once

#include <QString>
#include <QtGlobal>

class C_VYXSettings;
class VYXNum;

/// The display settings a result's text depends on, copied from the document's records, and the
/// layout itself. A plain value: the live preview lays out results with a copy on its own thread.
class C_VYXResultLayout {
public:
    /// The text written below a line, and the value Ctrl+Enter continues with.
    struct Written {
        QString text;
        QString value;
    };

    /// Settings > "Solution disp." (real, rational), the complex panel's "always show argument",
    /// the trigonometry panel's angle unit and the numpad's decimals.
    static C_VYXResultLayout FromSettings(const C_VYXSettings& settings);

    /// The result laid out by the display flags ("25/36 //≈0.694444" + CR LF).
    Written Layout(VYXNum& number) const;
    /// A number text rounded to the decimals (kept inside the numpad's range).
    QString RoundToDecimals(const QString& numberText) const;
    /// "ARGUMENT:" + the number's argument in the angle unit + the unit's name.
    QString FormatArgument(const VYXNum& number) const;

    qint32 showReal = 1;
    qint32 showRational = 1;
    bool alwaysShowArgument = false;
    qint32 angleUnit = 0;
    qint32 decimals = 6;

    friend bool operator==(const C_VYXResultLayout&, const C_VYXResultLayout&) = default;

private:
    /// The number's decimal text, rounded to the decimals.
    QString RealText(VYXNum& number) const;
    /// A rational number whose parts are all exact integers (none beyond 2^53).
    static bool IsExactFraction(VYXNum& number);
};
