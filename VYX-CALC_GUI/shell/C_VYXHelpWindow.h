// SPDX-License-Identifier: MIT
// C_VYXHelpWindow: the window that shows the built-in user guide, scrolled by lines and pages.
#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

class QScrollBar;

/// A plain top-level window with the guide text as stored, in one font, scrolled in whole lines
/// (vertically) and whole average characters (horizontally). At the top-left position the text
/// stands one character and one line away from the corner.
class C_VYXHelpWindow : public QAbstractScrollArea {
    Q_OBJECT

public:
    /// What the scroll ranges are made of.
    struct TextExtent {
        int lineCount = 0;   ///< line feeds in the text
        int longestLine = 0; ///< characters of the longest line, CR not counted
    };

    /// Scans up to the first NUL or backslash, as the guide's format allows neither.
    static TextExtent MeasureText(const QString& text);
    /// The wheel delta worth one line: a notch (120) over the lines per notch; 0 when the
    /// system setting is 0, and then the wheel does not scroll.
    static int WheelDeltaPerLine(int wheelScrollLines);
    /// Whole lines one wheel event scrolls, positive towards the top; no remainder is kept.
    static int WheelLines(int delta, int deltaPerLine);
    /// The largest scroll position of a bar with positions 0 to rangeMax and this page: the
    /// last position shows the last page, as the window system's scroll bars count it.
    static int ScrollMaximum(int rangeMax, int page);
    /// The built-in guide, exactly as stored (8-bit text, CR LF line ends).
    static QString LoadHelpText();
    /// "TobrikCalculator1.1 Help".
    static QString Title();

    /// Placed one tenth of the main window's size right and down from it, with its size.
    explicit C_VYXHelpWindow(const QRect& mainWindowRect);
    ~C_VYXHelpWindow() override;

    const QString& Text() const { return m_text; }
    int LineCount() const { return m_extent.lineCount; }
    const QFont& TextFont() const { return m_font; }
    int LineHeight() const { return m_lineHeight; }
    int CharWidth() const { return m_charWidth; }
    int WheelDeltaPerLine() const { return m_wheelDeltaPerLine; }
    /// Where the first character of the text is drawn at the current scroll position.
    QPoint TextOrigin() const;

signals:
    /// The user closed the window; the main window comes back.
    void Closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void CreateTextFont();
    void ReadWheelSetting();
    void UpdateScrollRanges();
    static void SetScrollRange(QScrollBar* bar, int rangeMax, int page);

    QString m_text;
    QStringList m_lines; ///< m_text cut at its line feeds, without the CRs
    TextExtent m_extent;
    QFont m_font;
    int m_lineHeight = 1;
    int m_charWidth = 1;
    int m_wheelDeltaPerLine = 0;
};
