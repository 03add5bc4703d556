// SPDX-License-Identifier: MIT
// C_VYXAboutBox: the modal box with the program's logo and version text.
#pragma once

#include <QColor>
#include <QDialog>
#include <QSize>
#include <QString>

class QLabel;
class QPushButton;

/// Caption "About TobrikCalculator": a gradient band, the logo, a second band, two etched lines
/// around the version text, and OK. Everything is laid out in multiples of the logo's height.
class C_VYXAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit C_VYXAboutBox(QWidget* parent = nullptr);

    /// Program name, version, what it is, licence.
    static QString AboutText();
    /// The colour of one pixel row of a band that runs from top to bottom over rows rows,
    /// each channel interpolated linearly.
    static QColor GradientColor(const QColor& top, const QColor& bottom, int row, int rows);
    /// The colour of the dark half of an etched line.
    static QColor EtchColor() { return QColor(150, 150, 120); }

    /// The logo's size: the box is as wide as the logo and five logos high.
    QSize LogoSize() const { return m_logoSize; }

private:
    void LayOut();

    QSize m_logoSize;
    QWidget* m_pTopBand = nullptr;
    QLabel* m_pLogo = nullptr;
    QWidget* m_pBottomBand = nullptr;
    QWidget* m_pEtchedArea = nullptr;
    QLabel* m_pText = nullptr;
    QPushButton* m_pOkButton = nullptr;
};
