// SPDX-License-Identifier: MIT
// C_VYXInkIcon: an icon engine that recolours the dark ink of an SVG on dark palettes.
#include "C_VYXInkIcon.h"

#include "C_VYXReadableColour.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QSvgRenderer>

namespace C_VYXInkIcon {

namespace {

/// Colours darker than this (HSL lightness, 0 to 255) are ink.
constexpr int kLightestInk = 127;
/// Colours at least this light are paper (pages, fills behind the ink); those between keep
/// their colour.
constexpr int kDarkestPaper = 180;
/// Paper turns dark: its lightness is mirrored to this sum (white becomes 40 of 255).
constexpr int kPaperMirror = 295;
/// Below this saturation a colour is grey ink, drawn in the palette's text colour.
constexpr int kGreyInkSaturation = 80;
/// Greyed like Qt's own disabled icons.
constexpr qreal kDisabledOpacity = 0.4;

class InkIconEngine : public QIconEngine {
public:
    explicit InkIconEngine(QByteArray svg) : m_svg(std::move(svg)) {}

    QIconEngine* clone() const override { return new InkIconEngine(m_svg); }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio =
            painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        if (size.isEmpty())
            return QPixmap();
        const QPalette palette = QGuiApplication::palette();
        const bool dark = C_VYXReadableColour::IsDark(palette);
        const QString key = QStringLiteral("%1x%2/%3/%4/%5")
                                .arg(size.width())
                                .arg(size.height())
                                .arg(int(mode))
                                .arg(dark ? palette.color(QPalette::Window).name() : QString())
                                .arg(dark ? palette.color(QPalette::WindowText).name() : QString());
        if (const auto cached = m_cache.constFind(key); cached != m_cache.cend())
            return *cached;
        QSvgRenderer renderer(dark ? ForPalette(m_svg, palette) : m_svg);
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            if (mode == QIcon::Disabled)
                painter.setOpacity(kDisabledOpacity);
            renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        }
        const QPixmap result = QPixmap::fromImage(image);
        m_cache.insert(key, result);
        return result;
    }

private:
    QByteArray m_svg;
    QHash<QString, QPixmap> m_cache;
};

} // namespace

QIcon FromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QIcon();
    return QIcon(new InkIconEngine(file.readAll()));
}

QByteArray ForPalette(const QByteArray& svg, const QPalette& palette) {
    if (!C_VYXReadableColour::IsDark(palette))
        return svg;
    const QColor background = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    static const QRegularExpression colourPattern(
        QStringLiteral(R"(((?:fill|stroke)=")(#[0-9a-fA-F]{6})("))"));
    const QString source = QString::fromUtf8(svg);
    QString result;
    qsizetype copied = 0;
    for (auto match = colourPattern.globalMatch(source); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        const QColor colour(found.captured(2));
        QColor changed;
        if (colour.lightness() <= kLightestInk)
            changed = colour.hslSaturation() < kGreyInkSaturation
                          ? text
                          : C_VYXReadableColour::OfHue(colour.hslHue(), background);
        else if (colour.lightness() >= kDarkestPaper)
            changed = QColor::fromHsl(colour.hslHue(), colour.hslSaturation(),
                                      kPaperMirror - colour.lightness());
        else
            continue;
        result += QStringView(source).mid(copied, found.capturedStart(2) - copied);
        result += changed.name();
        copied = found.capturedEnd(2);
    }
    result += QStringView(source).mid(copied);
    return result.toUtf8();
}

} // namespace C_VYXInkIcon
