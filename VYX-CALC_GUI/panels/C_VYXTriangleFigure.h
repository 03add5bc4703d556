// SPDX-License-Identifier: MIT
// C_VYXTriangleFigure: the small labelled triangle drawn in the trigonometry panel's solver group.
#pragma once

#include "C_VYXDialogUnits.h"

#include <QPoint>
#include <QRect>
#include <QWidget>

class QPainter;

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
