// SPDX-License-Identifier: MIT
// C_VYXAboutBox: layout and painting of the about box.
#include "C_VYXAboutBox.h"

#include "C_VYXReadableColour.h"
#include "C_VYXResourceIds.h"
#include "C_VYXStringTable.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {

/// A band whose colour runs from one colour at its top to another at its bottom.
class GradientBand : public QWidget {
public:
    GradientBand(bool faceAtTop, QWidget* parent) : QWidget(parent), m_bFaceAtTop(faceAtTop) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QColor face = palette().color(QPalette::Button);
        painter.fillRect(rect(), face);
        // Towards the logo's background: white on a light desktop, dark on a dark one.
        const QColor paper = palette().color(QPalette::Base);
        const QColor top = m_bFaceAtTop ? face : paper;
        const QColor bottom = m_bFaceAtTop ? paper : face;
        for (int row = 0; row < height(); ++row) {
            painter.setPen(C_VYXAboutBox::GradientColor(top, bottom, row, height()));
            painter.drawLine(0, row, width() - 1, row);
        }
    }

private:
    bool m_bFaceAtTop;
};

/// Two etched lines, along the top and the bottom edge, inset from both sides.
class EtchedFrame : public QWidget {
public:
    EtchedFrame(int inset, QWidget* parent) : QWidget(parent), m_inset(inset) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        DrawEtchedLine(painter, 0);
        DrawEtchedLine(painter, height() - 2);
    }

private:
    void DrawEtchedLine(QPainter& painter, int y) const {
        const int left = m_inset;
        const int right = width() - 1 - m_inset;
        const bool dark = C_VYXReadableColour::IsDark(palette());
        painter.setPen(dark ? palette().color(QPalette::Shadow) : C_VYXAboutBox::EtchColor());
        painter.drawLine(left, y, right, y);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(left, y + 1, right, y + 1);
    }

    int m_inset;
};

/// The logo: the program's icon and name on the palette's paper, centred in the given size.
QPixmap MakeLogo(const QSize& size, const QFont& baseFont, qreal pixelRatio,
                 const QPalette& palette) {
    QPixmap logo(size * pixelRatio);
    logo.setDevicePixelRatio(pixelRatio);
    logo.fill(palette.color(QPalette::Base));
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    const int iconSide = size.height() * 4 / 5;
    QFont nameFont = baseFont;
    nameFont.setBold(true);
    nameFont.setPixelSize(std::max(1, size.height() * 2 / 5));
    const QString name = QStringLiteral("TobrikCalculator");
    const int gap = iconSide / 4;
    const int nameWidth = QFontMetrics(nameFont).horizontalAdvance(name);
    const int left = std::max(0, (size.width() - iconSide - gap - nameWidth) / 2);
    const QIcon icon(QStringLiteral(":/icons/tobrikcalculator.svg"));
    icon.paint(&painter, QRect(left, (size.height() - iconSide) / 2, iconSide, iconSide));
    painter.setFont(nameFont);
    // The icons' ink on light paper; the palette's text on dark.
    painter.setPen(C_VYXReadableColour::IsDark(palette) ? palette.color(QPalette::Text)
                                                        : QColor(0x27, 0x31, 0x3f));
    painter.drawText(QRect(left + iconSide + gap, 0, nameWidth + 1, size.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, name);
    return logo;
}

} // namespace

QString C_VYXAboutBox::AboutText() {
    return QStringLiteral("TobrikCalculator Version %1\n"
                          "A scientific calculator with exact fractions,\n"
                          "complex numbers, variables and unit conversion.\n"
                          "Free software under the MIT licence.")
        .arg(QStringLiteral(VYX_VERSION));
}

QColor C_VYXAboutBox::GradientColor(const QColor& top, const QColor& bottom, int row, int rows) {
    if (rows <= 1)
        return top;
    auto channel = [row, rows](int from, int to) { return from + (to - from) * row / (rows - 1); };
    return QColor(channel(top.red(), bottom.red()), channel(top.green(), bottom.green()),
                  channel(top.blue(), bottom.blue()));
}

C_VYXAboutBox::C_VYXAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(C_VYXStringTable::DialogCaption(C_VYXResourceIds::kDlgAbout));
    setWindowIcon(QIcon(QStringLiteral(":/icons/tobrikcalculator.svg")));
    setModal(true);

    // The logo is at least three text lines tall, enough for the text in the two logo heights
    // below it, and wide enough for the name and the text.
    const QFontMetrics metrics(font());
    const QStringList lines = AboutText().split(u'\n');
    int textWidth = 0;
    for (const QString& line : lines)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    const int textHeight = int(lines.size()) * metrics.lineSpacing() + metrics.height();
    const int height = std::max(3 * metrics.height(), (textHeight + metrics.height() + 1) / 2);
    m_logoSize = QSize(std::max(6 * height, textWidth + 6 * metrics.averageCharWidth()), height);

    m_pTopBand = new GradientBand(true, this);
    m_pTopBand->setObjectName(QStringLiteral("aboutTopBand"));
    m_pLogo = new QLabel(this);
    m_pLogo->setObjectName(QStringLiteral("aboutLogo"));
    m_pLogo->setAlignment(Qt::AlignCenter);
    m_pLogo->setPixmap(MakeLogo(m_logoSize, font(), devicePixelRatioF(), palette()));
    m_pBottomBand = new GradientBand(false, this);
    m_pBottomBand->setObjectName(QStringLiteral("aboutBottomBand"));
    m_pEtchedArea = new EtchedFrame(2 * metrics.averageCharWidth(), this);
    m_pEtchedArea->setObjectName(QStringLiteral("aboutEtchedLines"));
    m_pText = new QLabel(AboutText(), this);
    m_pText->setObjectName(QStringLiteral("aboutText"));
    m_pText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_pOkButton = new QPushButton(QStringLiteral("OK"), this);
    m_pOkButton->setObjectName(QStringLiteral("aboutOk"));
    m_pOkButton->setDefault(true);
    connect(m_pOkButton, &QPushButton::clicked, this, &QDialog::accept);
    LayOut();
}

void C_VYXAboutBox::LayOut() {
    const int w = m_logoSize.width();
    const int h = m_logoSize.height();
    // The window manager draws the caption, so the client area alone is five logos high.
    setFixedSize(w, 5 * h);
    m_pTopBand->setGeometry(0, 0, w, h / 2);
    m_pLogo->setGeometry(0, h / 2, w, h);
    m_pBottomBand->setGeometry(0, 3 * h / 2, w, 2 * h - 3 * h / 2);
    m_pEtchedArea->setGeometry(0, 2 * h, w, 2 * h);
    const int dialogUnitY = QFontMetrics(font()).height();
    m_pText->setGeometry(0, 2 * h + dialogUnitY, w, 2 * h - dialogUnitY);
    m_pOkButton->setGeometry(h / 4, 4 * h + h / 4, w - 2 * (h / 4), 3 * h / 4 - h / 4);
    const QScreen* screen =
        parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(w / 2, 5 * h / 2));
    }
}
