// SPDX-License-Identifier: MIT
// Tests of the page layout of a printout: bands, wrapping, pages, header, footer and body.
#include "DocumentTestSupport.h"

#include "C_VYXPrintLayout.h"

namespace {

using Font = C_VYXTextMeasurer::Font;

/// Fixed-pitch fonts: a body unit is 10 x 20, a header unit 6 x 12. Counts the units it measures.
class FixedPitchMeasurer : public C_VYXTextMeasurer {
public:
    int TextWidth(Font font, QStringView text) const override {
        m_measured += text.size();
        return int(text.size()) * (font == Font::Body ? 10 : 6);
    }
    int LineHeight(Font font) const override { return font == Font::Body ? 20 : 12; }
    mutable qint64 m_measured = 0;
};

const FixedPitchMeasurer kMeasurer;

QStringList NumberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(u"line "_s + QString::number(i));
    return lines;
}

/// The items of a page as "H|B x,y text" (header font or body font).
QStringList PageItems(const C_VYXPrintLayout& layout, int page, const QRect& rect,
                      const QString& path) {
    QStringList items;
    for (const C_VYXPrintItem& item : layout.PageItems(page, rect, path, kMeasurer))
        items.append(u"%1 %2,%3 %4"_s.arg(item.font == Font::Body ? u"B"_s : u"H"_s)
                         .arg(item.x)
                         .arg(item.y)
                         .arg(item.text));
    return items;
}

TEST(PrintLayout, ComposedTextFontHeightAndBands) {
    EXPECT_EQ(C_VYXPrintLayout::ComposeText(u"1+2\r\n3\r\n"_s, u"A=1\nB=2=2\n"_s),
              u"1+2\r\n3\r\n\nVARIABLES:\nA=1\nB=2=2\n"_s);
    EXPECT_EQ(C_VYXPrintLayout::ComposeText(u"1+2"_s, QString()), u"1+2"_s);
    // Points at a resolution, rounded to the nearest dot.
    // clang-format off
    const struct { int points, dotsPerInch, expected; } heights[] = {
        {12, 600, 100}, {8, 96, 11}, {10, 96, 13}, {12, 0, 0}};
    // clang-format on
    for (const auto& c : heights)
        EXPECT_EQ(C_VYXPrintLayout::FontHeight(c.points, c.dotsPerInch), c.expected) << c.points;
    // The bands follow the rectangle when it is sensible, once per job.
    // clang-format off
    const struct { int width, height; bool computed; int header, footer, margin; } cases[] = {
        {4960, 7015, true, 350, 350, 165},     {-3000, -4000, true, 200, 200, 100},
        {20000, 20000, true, 1000, 1000, 666}, {0, 4000, false, 20, 20, 30},
        {3000, 20001, false, 20, 20, 30}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        C_VYXPrintLayout layout;
        layout.ComputeBands(c.width, c.height);
        EXPECT_EQ(QList<int>({layout.BandsComputed(), layout.HeaderBand(), layout.FooterBand(),
                              layout.LeftMargin()}),
                  QList<int>({c.computed, c.header, c.footer, c.margin}));
    }
    C_VYXPrintLayout layout;
    layout.ComputeBands(0, 0);
    layout.ComputeBands(3000, 4000);
    layout.ComputeBands(600, 800);
    EXPECT_EQ(layout.HeaderBand(), 200);
    layout.Reset();
    EXPECT_FALSE(layout.BandsComputed());
    EXPECT_EQ(layout.HeaderBand(), 20);
}

TEST(PrintLayout, WrapBreaksAtTheLastCharacterThatFitsAndEveryLineIsPrintedOnce) {
    // The margins take 2 x 30 of the width; a body character is 10 wide.
    // clang-format off
    const struct { const char16_t* text; int width; QStringList lines; } cases[] = {
        {u"1+2\r\n3\r\n", 300, {u"1+2"_s, u"3"_s}},
        {u"a\n\nb", 300, {u"a"_s, QString(), u"b"_s}},
        {u"12345678", 140, {u"12345678"_s}},
        {u"123456789", 140, {u"12345678"_s, u"9"_s}},
        {u"sin(30)+cos(60)", 140, {u"sin(30)+"_s, u"cos(60)"_s}},
        {u"abc", 65, {u"a"_s, u"b"_s, u"c"_s}},
        {u"1234567\U0001D465", 140, {u"1234567"_s, u"\U0001D465"_s}}, // pairs stay whole
        {u"1+2", 0, {}},
        {u"", 300, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        C_VYXPrintLayout layout;
        layout.Layout(QString::fromUtf16(c.text), kMeasurer, c.width, 1000);
        EXPECT_EQ(layout.Lines(), c.lines) << QString::fromUtf16(c.text).toStdString();
    }
    // Every line is printed once.
    // The fallback bands take 40 of the height; a body line is 20 high. A height of 1005 leaves
    // 965: 48 lines with room to spare, which a count by height would miss.
    // clang-format off
    const struct { int lineCount, height, linesPerPage, pageCount; } pages[] = {
        {0, 1000, 48, 1}, {48, 1000, 48, 1}, {49, 1000, 48, 2}, {1921, 1005, 48, 41},
        {49, -1000, 48, 2}, {3, 50, 1, 3}};
    // clang-format on
    for (const auto& c : pages) {
        SCOPED_TRACE(testing::Message() << c.lineCount << " lines, height " << c.height);
        const QStringList lines = NumberedLines(c.lineCount);
        C_VYXPrintLayout layout;
        layout.Layout(lines.join(u'\n'), kMeasurer, 3000, c.height);
        EXPECT_EQ(QList({layout.LinesPerPage(), layout.PageCount()}),
                  QList({c.linesPerPage, c.pageCount}));
        QStringList printed;
        for (int page = 1; page <= layout.PageCount(); ++page)
            for (const C_VYXPrintItem& item :
                 layout.PageItems(page, QRect(0, 0, 3000, c.height), QString(), kMeasurer))
                if (item.font == Font::Body)
                    printed.append(item.text);
        EXPECT_EQ(printed, lines);
    }
}

TEST(PrintLayout, PageShowsPathAndNumberWhenTheyFitAndAMegabyteLineWrapsCheaply) {
    C_VYXPrintLayout layout;
    layout.ComputeBands(600, 1000); // header and footer 50, margin 20
    layout.Layout(NumberedLines(100).join(u'\n'), kMeasurer, 600, 1000);
    ASSERT_EQ(layout.LinesPerPage(), 45);
    ASSERT_EQ(layout.PageCount(), 3);
    const QStringList items =
        PageItems(layout, 2, QRect(0, 0, 600, 1000), u"/home/user/sums.vyx"_s);
    ASSERT_EQ(items.size(), 2 + 45);
    EXPECT_EQ(items[0], u"H 243,18 /home/user/sums.vyx"); // (600 - 19 * 6) / 2, 50 / 4 + 12 / 2
    EXPECT_EQ(items[1], u"H 273,969 page 2(3)");          // 1000 - 12 / 2 - 50 / 2
    EXPECT_EQ(items[2], u"B 20,50 line 46");
    EXPECT_EQ(items.last(), u"B 20,930 line 90");
    // The rectangle's offset moves everything.
    layout.Reset();
    layout.Layout(u"x"_s, kMeasurer, 600, 1000);
    EXPECT_EQ(PageItems(layout, 1, QRect(100, 200, 600, 1000), u"p"_s),
              QStringList({u"H 397,211 p"_s, u"H 373,1184 page 1(1)"_s, u"B 130,220 x"_s}));
    // A page outside the job has no body.
    for (const int page : {0, -1, 2})
        for (const QString& item : PageItems(layout, page, QRect(0, 0, 600, 1000), QString()))
            EXPECT_TRUE(item.startsWith(u"H ")) << page;
    // Header and footer are left out when absent or too wide.
    // clang-format off
    const struct { int width; QString path; QStringList items; } cases[] = {
        {600, QString(), {u"H 273,984 page 1(1)"_s, u"B 30,20 x"_s}}, // no header, its band stays
        {60, QString(11, u'p'), {u"H 3,984 page 1(1)"_s, u"B 30,0 x"_s}}, // 66 wide: header goes
        {40, QString(), {u"B 30,20 x"_s}}, // "page 1(1)" is 54 wide
    };
    // clang-format on
    for (const auto& c : cases) {
        C_VYXPrintLayout narrow;
        narrow.Layout(u"x"_s, kMeasurer, c.width, 1000);
        EXPECT_EQ(PageItems(narrow, 1, QRect(0, 0, c.width, 1000), c.path), c.items) << c.width;
    }
    // A megabyte line is wrapped without measuring it over and over.
    const QString line(1 << 20, u'8');
    const FixedPitchMeasurer measurer;
    layout.Reset();
    layout.Layout(line, measurer, 1060, 1000); // 100 characters a line
    ASSERT_EQ(layout.Lines().size(), (line.size() + 99) / 100);
    EXPECT_EQ(layout.Lines().join(QString()), line);
    EXPECT_LT(measurer.m_measured, 20 * line.size());
}

} // namespace
