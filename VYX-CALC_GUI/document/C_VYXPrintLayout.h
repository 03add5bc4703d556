// SPDX-License-Identifier: MIT
// C_VYXPrintLayout: the page layout of a printout — bands, wrapped lines, pages, what each page
// shows.
#pragma once

#include "C_VYXTextMeasurer.h"

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

/// One text to draw on a page, with the top-left corner of its line in device units.
struct C_VYXPrintItem {
    C_VYXTextMeasurer::Font font;
    int x;
    int y;
    QString text;
};

/// The layout of one print job: header and footer bands and left margin from the drawing
/// rectangle, the text wrapped at the printable width, lines per page and page count, and the
/// header, footer and body lines of each page. Pure computation over a C_VYXTextMeasurer.
class C_VYXPrintLayout {
public:
    static constexpr int HeaderPoints = 8;
    static constexpr int BodyPoints = 12;
    static constexpr int FontWeight = 700;
    /// Until the drawing rectangle is known the bands are these divisors, used as sizes.
    static constexpr int HeaderBandDivisor = 20;
    static constexpr int FooterBandDivisor = 20;
    static constexpr int LeftMarginDivisor = 30;
    /// A drawing rectangle beyond this size in either direction is not trusted for the bands.
    static constexpr int LargestBandedExtent = 20000;

    /// The printed text: the area's text, then the variables under a "VARIABLES:" line.
    static QString ComposeText(const QString& areaText, const QString& variablesListText);
    /// The footer of page `page` of `pageCount`: "page 2(3)".
    static QString FooterText(int page, int pageCount);
    /// A font height in device units for `points` at `dotsPerInch`, rounded to nearest.
    static int FontHeight(int points, int dotsPerInch);
    static QString FaceName() { return QStringLiteral("Verdana"); }

    /// Takes the bands from the drawing rectangle's size (its absolute width and height), unless
    /// done already; a zero or oversized rectangle leaves the fallback values for another try.
    void ComputeBands(int width, int height);
    bool BandsComputed() const { return m_bandsComputed; }
    int HeaderBand() const { return m_headerBand; }
    int FooterBand() const { return m_footerBand; }
    int LeftMargin() const { return m_leftMargin; }

    /// Splits `text` into lines ("\r" dropped), wraps every line wider than the printable width
    /// (the rectangle's width less two left margins) and counts the pages. Nothing is laid out
    /// for a rectangle without positive width.
    void Layout(const QString& text, const C_VYXTextMeasurer& measurer, int width, int height);
    const QStringList& Lines() const { return m_lines; }
    int LinesPerPage() const { return m_linesPerPage; }
    int PageCount() const { return m_pageCount; }

    /// Header (`headerText` centred, when it fits), footer (centred, when it fits) and the body
    /// lines of page `page` (counted from 1) in the drawing rectangle `pageRect`.
    QList<C_VYXPrintItem> PageItems(int page, const QRect& pageRect, const QString& headerText,
                                    const C_VYXTextMeasurer& measurer) const;

    /// Back to the state before a job.
    void Reset();

private:
    void WrapLine(QStringView line, const C_VYXTextMeasurer& measurer, int usableWidth);

    int m_headerBand = HeaderBandDivisor;
    int m_footerBand = FooterBandDivisor;
    int m_leftMargin = LeftMarginDivisor;
    bool m_bandsComputed = false;
    QStringList m_lines;
    int m_lineHeight = 1;
    int m_linesPerPage = 1;
    int m_pageCount = 1;
};
