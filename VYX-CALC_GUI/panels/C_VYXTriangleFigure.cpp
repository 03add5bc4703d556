// SPDX-License-Identifier: MIT
// C_VYXTriangleFigure: dialog units to pixels, and the painting of the triangle figure.
#include "C_VYXTriangleFigure.h"

#include "C_VYXReadableColour.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace {

// The corners of the figure in the panel's dialog units.
constexpr QPoint kCornerA(100, 47);
constexpr QPoint kCornerB(122, 20);
constexpr QPoint kCornerC(163, 47);

// The arc radius at A is the one the layout was drawn with; the top corner is narrower, so a
// smaller arc keeps its letter free.
constexpr int kArcRadiusA = 8;
constexpr int kArcRadiusB = 6;
constexpr int kArcRadiusC = 8;

struct Letter {
    const char* text;
    QPoint topLeft;
};

constexpr Letter kLetters[] = {
    {"a", {143, 25}}, {"A", {110, 38}}, {"b", {127, 47}},
    {"B", {120, 27}}, {"c", {107, 25}}, {"C", {145, 38}},
};

/// The arc pen's colour: pure blue.
/// The hue of the angle arcs: blue.
constexpr int kArcHue = 240;

/// The parameter angle, in degrees counter-clockwise from three o'clock, at which the ray from
/// the centre of an ellipse with radii rx, ry in direction (dx, dy) (y pointing down) meets it.
double EllipseAngle(double dx, double dy, double rx, double ry) {
    return std::atan2(-dy / ry, dx / rx) * 180.0 / std::numbers::pi;
}

} // namespace

const QRect C_VYXTriangleFigure::kDialogArea(88, 14, 82, 42);

C_VYXTriangleFigure::C_VYXTriangleFigure(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("triangleFigure"));
    setAccessibleName(QStringLiteral("Triangle figure"));
    // Only an illustration: clicks go to what lies beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    SetDialogUnits(m_units);
}

void C_VYXTriangleFigure::SetDialogUnits(const C_VYXDialogUnits& units) {
    m_units = units;
    setGeometry(m_units.ToPixels(kDialogArea));
    update();
}

QPoint C_VYXTriangleFigure::ToLocalPixels(QPoint dialogUnits) const {
    return m_units.ToPixels(dialogUnits) - m_units.ToPixels(kDialogArea.topLeft());
}

void C_VYXTriangleFigure::DrawCornerArc(QPainter& painter, QPoint corner, int radius,
                                        QPoint towards1, QPoint towards2) const {
    const QPoint centre = ToLocalPixels(corner);
    const QRect box =
        m_units.ToPixels(QRect(corner.x() - radius, corner.y() - radius, 2 * radius, 2 * radius))
            .translated(-m_units.ToPixels(kDialogArea.topLeft()));
    const double rx = box.width() / 2.0;
    const double ry = box.height() / 2.0;
    if (rx <= 0 || ry <= 0)
        return;
    const QPoint to1 = ToLocalPixels(towards1) - centre;
    const QPoint to2 = ToLocalPixels(towards2) - centre;
    const double start = EllipseAngle(to1.x(), to1.y(), rx, ry);
    double span = EllipseAngle(to2.x(), to2.y(), rx, ry) - start;
    // The inner angle of a triangle is below half a turn: take the short way round.
    if (span > 180.0)
        span -= 360.0;
    else if (span < -180.0)
        span += 360.0;
    painter.drawArc(box, qRound(start * 16), qRound(span * 16));
}

void C_VYXTriangleFigure::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPoint outline[] = {ToLocalPixels(kCornerB), ToLocalPixels(kCornerC),
                              ToLocalPixels(kCornerA)};
    painter.drawPolygon(outline, 3);

    // Pure blue on a light window, a lighter blue where the window is dark.
    const QColor background = palette().color(QPalette::Window);
    const QColor arcs = C_VYXReadableColour::IsDark(palette())
                            ? C_VYXReadableColour::OfHue(kArcHue, background)
                            : QColor(Qt::blue);
    painter.setPen(QPen(arcs, 2, Qt::SolidLine, Qt::FlatCap));
    DrawCornerArc(painter, kCornerA, kArcRadiusA, kCornerC, kCornerB);
    DrawCornerArc(painter, kCornerB, kArcRadiusB, kCornerA, kCornerC);
    DrawCornerArc(painter, kCornerC, kArcRadiusC, kCornerB, kCornerA);

    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const int ascent = QFontMetrics(font()).ascent();
    for (const Letter& letter : kLetters) {
        const QPoint topLeft = ToLocalPixels(letter.topLeft);
        painter.drawText(QPoint(topLeft.x(), topLeft.y() + ascent),
                         QString::fromLatin1(letter.text));
    }
}
