// SPDX-License-Identifier: MIT
// C_VYXTriangleFigure: the small labelled triangle drawn in the trigonometry panel's solver group.
#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

class QFont;
class QPainter;

/// Pixels per dialog unit of a font: four horizontal units make one average character width,
/// eight vertical units one character height. The panel's layout is written in these units so
/// that it grows with its font.
struct C_VYXDialogUnits {
    int baseX = 8;
    int baseY = 16;

    static C_VYXDialogUnits ForFont(const QFont& font);
    int X(int units) const { return units * baseX / 4; }
    int Y(int units) const { return units * baseY / 8; }
    QPoint ToPixels(QPoint units) const { return {X(units.x()), Y(units.y())}; }
    /// Both corners are converted, as a dialog rectangle is mapped.
    QRect ToPixels(const QRect& units) const;
};

/// A fixed illustration of a triangle with its corners A, B, C, the opposite sides a, b, c and
/// an arc in each corner. It shows which field is which; it does not follow the solved values.
class C_VYXTriangleFigure : public QWidget {
    Q_OBJECT

public:
    /// The region of the panel the figure covers, in dialog units.
    static const QRect kDialogArea;

    explicit C_VYXTriangleFigure(QWidget* parent = nullptr);

    /// Converts the drawing to pixels and moves the figure to its place in the panel.
    void SetDialogUnits(const C_VYXDialogUnits& units);
    const C_VYXDialogUnits& DialogUnits() const { return m_units; }
    /// A point given in the panel's dialog units, in the figure's own pixels.
    QPoint ToLocalPixels(QPoint dialogUnits) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawCornerArc(QPainter& painter, QPoint corner, int radius, QPoint towards1,
                       QPoint towards2) const;

    C_VYXDialogUnits m_units;
};
