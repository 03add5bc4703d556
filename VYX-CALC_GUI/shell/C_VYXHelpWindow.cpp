// SPDX-License-Identifier: MIT
// C_VYXHelpWindow: loading, measuring, painting and scrolling the built-in user guide.
#include "C_VYXHelpWindow.h"

#include "C_VYXCellHeightFont.h"

#include <QCloseEvent>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>
#include <QWheelEvent>

#include <algorithm>

namespace {

/// One notch of a mouse wheel, in the units wheel events report.
constexpr int kWheelNotch = 120;

} // namespace

C_VYXHelpWindow::TextExtent C_VYXHelpWindow::MeasureText(const QString& text) {
    TextExtent extent;
    int lineLength = 0;
    for (const QChar ch : text) {
        if (ch == u'\0' || ch == u'\\')
            break;
        if (ch == u'\n') {
            ++extent.lineCount;
            lineLength = 0;
        } else if (ch != u'\r') {
            ++lineLength;
            extent.longestLine = std::max(extent.longestLine, lineLength);
        }
    }
    return extent;
}

int C_VYXHelpWindow::WheelDeltaPerLine(int wheelScrollLines) {
    return wheelScrollLines > 0 ? kWheelNotch / wheelScrollLines : 0;
}

int C_VYXHelpWindow::WheelLines(int delta, int deltaPerLine) {
    // Integer division drops the remainder in both directions, so less than a line does nothing.
    return deltaPerLine > 0 ? delta / deltaPerLine : 0;
}

int C_VYXHelpWindow::ScrollMaximum(int rangeMax, int page) {
    return std::max(0, rangeMax - std::max(page - 1, 0));
}

QString C_VYXHelpWindow::LoadHelpText() {
    QFile file(QStringLiteral(":/text/help.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString text = QString::fromLatin1(file.readAll());
    // The text ends at a NUL, as a stored C string would.
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0)
        text.truncate(nul);
    return text;
}

QString C_VYXHelpWindow::Title() {
    return QStringLiteral("TobrikCalculator1.1 Help");
}

C_VYXHelpWindow::C_VYXHelpWindow(const QRect& mainWindowRect)
    : m_text(LoadHelpText()), m_extent(MeasureText(m_text)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(Title());
    setWindowIcon(QIcon(QStringLiteral(":/icons/tobrikcalculator.svg")));
    // Closing the guide hands back to the hidden main window; it must not end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::StrongFocus);

    m_lines = m_text.split(u'\n');
    for (QString& line : m_lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }

    CreateTextFont();
    ReadWheelSetting();
    connect(QGuiApplication::styleHints(), &QStyleHints::wheelScrollLinesChanged, this,
            &C_VYXHelpWindow::ReadWheelSetting);
    setGeometry(mainWindowRect.left() + mainWindowRect.width() / 10,
                mainWindowRect.top() + mainWindowRect.height() / 10, mainWindowRect.width(),
                mainWindowRect.height());
    UpdateScrollRanges();
}

C_VYXHelpWindow::~C_VYXHelpWindow() = default;

void C_VYXHelpWindow::CreateTextFont() {
    // Verdana with the cell height of the window's default font; where Verdana is missing the
    // font matcher picks a sans-serif face of the same height.
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setStyleHint(QFont::SansSerif);
    verdana.setWeight(QFont::Normal);
    m_font = C_VYXCellHeightFont::Fit(verdana, QFontMetrics(font()).height(), nullptr);
    const QFontMetrics metrics(m_font);
    m_lineHeight = std::max(1, metrics.height() + metrics.leading());
    m_charWidth = std::max(1, metrics.averageCharWidth());
}

void C_VYXHelpWindow::ReadWheelSetting() {
    m_wheelDeltaPerLine = WheelDeltaPerLine(QGuiApplication::styleHints()->wheelScrollLines());
}

void C_VYXHelpWindow::SetScrollRange(QScrollBar* bar, int rangeMax, int page) {
    bar->setRange(0, ScrollMaximum(rangeMax, page));
    bar->setPageStep(page);
    bar->setSingleStep(1);
}

void C_VYXHelpWindow::UpdateScrollRanges() {
    const QSize client = viewport()->size();
    SetScrollRange(verticalScrollBar(), m_extent.lineCount + 1, client.height() / m_lineHeight);
    SetScrollRange(horizontalScrollBar(), m_extent.longestLine, client.width() / m_charWidth);
}

QPoint C_VYXHelpWindow::TextOrigin() const {
    return QPoint((1 - horizontalScrollBar()->value()) * m_charWidth,
                  (1 - verticalScrollBar()->value()) * m_lineHeight);
}

void C_VYXHelpWindow::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Button));
    painter.setFont(m_font);
    painter.setPen(palette().color(QPalette::WindowText));
    const QPoint origin = TextOrigin();
    const int ascent = QFontMetrics(m_font).ascent();
    // Only the lines that reach into the window are drawn.
    const int first = std::max(0, -origin.y() / m_lineHeight);
    const int last =
        std::min<int>(int(m_lines.size()) - 1, (viewport()->height() - origin.y()) / m_lineHeight);
    for (int line = first; line <= last; ++line)
        painter.drawText(origin.x(), origin.y() + line * m_lineHeight + ascent, m_lines.at(line));
}

void C_VYXHelpWindow::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
}

void C_VYXHelpWindow::keyPressEvent(QKeyEvent* event) {
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    switch (event->key()) {
    case Qt::Key_Up:
        vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Down:
        vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_PageUp:
        vertical->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_Home:
        vertical->triggerAction(QAbstractSlider::SliderToMinimum);
        break;
    case Qt::Key_End:
        vertical->triggerAction(QAbstractSlider::SliderToMaximum);
        break;
    // Sideways the keys move by a page: the lines are short, a character at a time is slow.
    case Qt::Key_Left:
        horizontal->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_Right:
        horizontal->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void C_VYXHelpWindow::wheelEvent(QWheelEvent* event) {
    const int lines = WheelLines(event->angleDelta().y(), m_wheelDeltaPerLine);
    QScrollBar* vertical = verticalScrollBar();
    vertical->setValue(vertical->value() - lines);
    event->accept();
}

void C_VYXHelpWindow::closeEvent(QCloseEvent* event) {
    QAbstractScrollArea::closeEvent(event);
    if (event->isAccepted())
        emit Closed();
}

void C_VYXHelpWindow::scrollContentsBy(int dx, int dy) {
    viewport()->scroll(dx * m_charWidth, dy * m_lineHeight);
}
