// SPDX-License-Identifier: MIT
// Tests of the page layout of a printout: bands, wrapping, pages, header, footer and body.
#include "C_VYXPrintLayout.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Font = C_VYXTextMeasurer::Font;

/// Fixed-pitch fonts: every UTF-16 unit has the same width. Counts the units it measures.
class FixedPitchMeasurer : public C_VYXTextMeasurer {
public:
    FixedPitchMeasurer(int bodyWidth, int bodyHeight, int headerWidth, int headerHeight)
        : m_bodyWidth(bodyWidth), m_bodyHeight(bodyHeight), m_headerWidth(headerWidth),
          m_headerHeight(headerHeight) {}
    int TextWidth(Font font, QStringView text) const override {
        m_measured += text.size();
        return int(text.size()) * (font == Font::Body ? m_bodyWidth : m_headerWidth);
    }
    int LineHeight(Font font) const override {
        return font == Font::Body ? m_bodyHeight : m_headerHeight;
    }
    qint64 Measured() const { return m_measured; }

private:
    int m_bodyWidth, m_bodyHeight, m_headerWidth, m_headerHeight;
    mutable qint64 m_measured = 0;
};

const FixedPitchMeasurer kMeasurer(10, 20, 6, 12);

QStringList NumberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(u"line "_s + QString::number(i));
    return lines;
}

// The body lines of every page in order.
QStringList PrintedBody(const C_VYXPrintLayout& layout, const QRect& rect) {
    QStringList printed;
    for (int page = 1; page <= layout.PageCount(); ++page) {
        for (const C_VYXPrintItem& item : layout.PageItems(page, rect, QString(), kMeasurer)) {
            if (item.font == Font::Body)
                printed.append(item.text);
        }
    }
    return printed;
}

TEST(PrintLayout, VariablesFollowTheTextUnderTheirOwnLine) {
    EXPECT_EQ(C_VYXPrintLayout::ComposeText(u"1+2\r\n3\r\n"_s, u"A=1\nB=2=2\n"_s),
              u"1+2\r\n3\r\n\nVARIABLES:\nA=1\nB=2=2\n"_s);
    EXPECT_EQ(C_VYXPrintLayout::ComposeText(u"1+2"_s, QString()), u"1+2"_s);
}

TEST(PrintLayout, FooterNamesPageAndCount) {
    EXPECT_EQ(C_VYXPrintLayout::FooterText(2, 3), u"page 2(3)"_s);
    EXPECT_EQ(C_VYXPrintLayout::FooterText(10, 12), u"page 10(12)"_s);
}

struct FontHeightCase {
    const char* name;
    int points;
    int dotsPerInch;
    int expected;
};

class FontHeightTest : public ::testing::TestWithParam<FontHeightCase> {};

TEST_P(FontHeightTest, RoundsToNearest) {
    EXPECT_EQ(C_VYXPrintLayout::FontHeight(GetParam().points, GetParam().dotsPerInch),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(PrintLayout, FontHeightTest,
                         ::testing::Values(FontHeightCase{"BodyAt600Dpi", 12, 600, 100},
                                           FontHeightCase{"HeaderAt96DpiRoundsUp", 8, 96, 11},
                                           FontHeightCase{"TenAt96DpiRoundsDown", 10, 96, 13},
                                           FontHeightCase{"HalfRoundsUp", 3, 12, 1},
                                           FontHeightCase{"NoResolution", 12, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

struct BandsCase {
    const char* name;
    int width;
    int height;
    bool computed;
    int header;
    int footer;
    int margin;
};

class PrintBandsTest : public ::testing::TestWithParam<BandsCase> {};

TEST_P(PrintBandsTest, FollowTheRectangleWhenItIsSensible) {
    const BandsCase& test = GetParam();
    C_VYXPrintLayout layout;
    layout.ComputeBands(test.width, test.height);
    EXPECT_EQ(layout.BandsComputed(), test.computed);
    EXPECT_EQ(layout.HeaderBand(), test.header);
    EXPECT_EQ(layout.FooterBand(), test.footer);
    EXPECT_EQ(layout.LeftMargin(), test.margin);
}

INSTANTIATE_TEST_SUITE_P(
    PrintLayout, PrintBandsTest,
    ::testing::Values(BandsCase{"A4At600Dpi", 4960, 7015, true, 350, 350, 165},
                      BandsCase{"NegativeExtents", -3000, -4000, true, 200, 200, 100},
                      BandsCase{"LargestTrusted", 20000, 20000, true, 1000, 1000, 666},
                      BandsCase{"ZeroWidth", 0, 4000, false, 20, 20, 30},
                      BandsCase{"ZeroHeight", 3000, 0, false, 20, 20, 30},
                      BandsCase{"TooTall", 3000, 20001, false, 20, 20, 30}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintLayout, BandsAreTakenOncePerJob) {
    C_VYXPrintLayout layout;
    layout.ComputeBands(0, 0);
    layout.ComputeBands(3000, 4000);
    layout.ComputeBands(600, 800);
    EXPECT_EQ(layout.HeaderBand(), 200);
    layout.Reset();
    EXPECT_FALSE(layout.BandsComputed());
    EXPECT_EQ(layout.HeaderBand(), 20);
}

struct WrapCase {
    const char* name;
    const char16_t* text;
    int width; // the margins take 2 × 30 of it
    QStringList lines;
};

class PrintWrapTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(PrintWrapTest, BreaksAtTheLastCharacterThatFits) {
    C_VYXPrintLayout layout;
    layout.Layout(QString::fromUtf16(GetParam().text), kMeasurer, GetParam().width, 1000);
    EXPECT_TRUE(layout.IsLaidOut());
    EXPECT_EQ(layout.Lines(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    PrintLayout, PrintWrapTest,
    ::testing::Values(
        WrapCase{"ShortLinesStay", u"1+2\r\n3\r\n", 300, {u"1+2"_s, u"3"_s}},
        WrapCase{"EmptyLinesStay", u"a\n\nb", 300, {u"a"_s, QString(), u"b"_s}},
        WrapCase{"LastBreakEndsTheText", u"a\n\n", 300, {u"a"_s, QString()}},
        WrapCase{"ExactFitStays", u"12345678", 140, {u"12345678"_s}},
        WrapCase{"OneTooMany", u"123456789", 140, {u"12345678"_s, u"9"_s}},
        WrapCase{"WordsMaySplit", u"sin(30)+cos(60)", 140, {u"sin(30)+"_s, u"cos(60)"_s}},
        WrapCase{"WrappedTwice",
                 u"abcdefghijklmnopqrst",
                 140,
                 {u"abcdefgh"_s, u"ijklmnop"_s, u"qrst"_s}},
        WrapCase{"NarrowerThanOneCharacter", u"abc", 65, {u"a"_s, u"b"_s, u"c"_s}},
        WrapCase{
            "SurrogatePairStaysWhole", u"1234567\U0001D465", 140, {u"1234567"_s, u"\U0001D465"_s}},
        WrapCase{"PairAloneOnANarrowPage",
                 u"\U0001D465\U0001D466",
                 65,
                 {u"\U0001D465"_s, u"\U0001D466"_s}},
        WrapCase{"ZeroWidthLaysOutNothing", u"1+2", 0, {}}, WrapCase{"EmptyText", u"", 300, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct PagesCase {
    const char* name;
    int lineCount;
    int height;
    int linesPerPage;
    int pageCount;
};

class PrintPagesTest : public ::testing::TestWithParam<PagesCase> {};

TEST_P(PrintPagesTest, EveryLineIsPrintedOnce) {
    const PagesCase& test = GetParam();
    const QStringList lines = NumberedLines(test.lineCount);
    C_VYXPrintLayout layout;
    layout.Layout(lines.join(u'\n'), kMeasurer, 3000, test.height);
    EXPECT_EQ(layout.LinesPerPage(), test.linesPerPage);
    EXPECT_EQ(layout.PageCount(), test.pageCount);
    EXPECT_EQ(PrintedBody(layout, QRect(0, 0, 3000, test.height)), lines);
}

INSTANTIATE_TEST_SUITE_P(
    PrintLayout, PrintPagesTest,
    ::testing::Values(
        // The fallback bands take 40 of the height; a body line is 20 high.
        PagesCase{"NoLinesOnePage", 0, 1000, 48, 1}, PagesCase{"OneLine", 1, 1000, 48, 1},
        PagesCase{"FullPage", 48, 1000, 48, 1}, PagesCase{"OneOver", 49, 1000, 48, 2},
        PagesCase{"ThreePages", 100, 1000, 48, 3},
        // 965 usable: 48 lines with room to spare, which a count by height would miss.
        PagesCase{"HeightNotWholeLines", 1921, 1005, 48, 41},
        PagesCase{"NegativeHeight", 49, -1000, 48, 2},
        PagesCase{"PageLowerThanALine", 3, 50, 1, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintLayout, PageShowsPathOnTopAndNumberAtBottom) {
    C_VYXPrintLayout layout;
    layout.ComputeBands(600, 1000); // header and footer 50, margin 20
    layout.Layout(NumberedLines(100).join(u'\n'), kMeasurer, 600, 1000);
    ASSERT_EQ(layout.LinesPerPage(), 45);
    ASSERT_EQ(layout.PageCount(), 3);

    const QString path = u"/home/user/sums.vyx"_s; // 19 units of 6
    const QList<C_VYXPrintItem> items =
        layout.PageItems(2, QRect(0, 0, 600, 1000), path, kMeasurer);
    ASSERT_EQ(items.size(), 2 + 45);
    EXPECT_EQ(items[0].font, Font::Header);
    EXPECT_EQ(items[0].text, path);
    EXPECT_EQ(items[0].x, (600 - 19 * 6) / 2);
    EXPECT_EQ(items[0].y, 50 / 4 + 12 / 2);
    EXPECT_EQ(items[1].font, Font::Header);
    EXPECT_EQ(items[1].text, u"page 2(3)"_s);
    EXPECT_EQ(items[1].x, (600 - 9 * 6) / 2);
    EXPECT_EQ(items[1].y, 1000 - 12 / 2 - 50 / 2);
    EXPECT_EQ(items[2].font, Font::Body);
    EXPECT_EQ(items[2].text, u"line 46"_s);
    EXPECT_EQ(items[2].x, 20);
    EXPECT_EQ(items[2].y, 50);
    EXPECT_EQ(items.last().text, u"line 90"_s);
    EXPECT_EQ(items.last().y, 50 + 44 * 20);
}

TEST(PrintLayout, PageRectangleOffsetMovesEverything) {
    C_VYXPrintLayout layout;
    layout.Layout(u"x"_s, kMeasurer, 600, 1000);
    const QList<C_VYXPrintItem> items =
        layout.PageItems(1, QRect(100, 200, 600, 1000), u"p"_s, kMeasurer);
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0].x, 100 + (600 - 6) / 2);
    EXPECT_EQ(items[1].y, 200 + 1000 - 6 - 10);
    EXPECT_EQ(items[2].x, 100 + 30);
    EXPECT_EQ(items[2].y, 200 + 20);
}

TEST(PrintLayout, HeaderAndFooterAreLeftOutWhenAbsentOrTooWide) {
    struct {
        int width;
        QString path;
        QStringList texts; // in print order
        int bodyY;         // -1: not checked
    } const cases[] = {
        {600, QString(), {u"page 1(1)"_s, u"x"_s}, 20}, // unsaved: no header, but its band stays
        {60, QString(11, u'p'), {u"page 1(1)"_s, u"x"_s}, 0}, // 66 wide: header and band go
        {40, QString(), {u"x"_s}, -1},                        // "page 1(1)" is 54 wide
    };
    for (const auto& c : cases) {
        C_VYXPrintLayout layout;
        layout.Layout(u"x"_s, kMeasurer, c.width, 1000);
        const QList<C_VYXPrintItem> items =
            layout.PageItems(1, QRect(0, 0, c.width, 1000), c.path, kMeasurer);
        QStringList texts;
        for (const C_VYXPrintItem& item : items)
            texts.append(item.text);
        EXPECT_EQ(texts, c.texts) << "width " << c.width;
        ASSERT_FALSE(items.isEmpty());
        EXPECT_EQ(items.last().font, Font::Body) << "width " << c.width;
        if (c.bodyY >= 0) {
            EXPECT_EQ(items.last().y, c.bodyY) << "width " << c.width;
        }
    }
}

TEST(PrintLayout, PageOutsideTheJobHasNoBody) {
    C_VYXPrintLayout layout;
    layout.Layout(u"x"_s, kMeasurer, 600, 1000);
    for (const int page : {0, -1, 2}) {
        for (const C_VYXPrintItem& item :
             layout.PageItems(page, QRect(0, 0, 600, 1000), QString(), kMeasurer))
            EXPECT_EQ(item.font, Font::Header) << "page " << page;
    }
}

TEST(PrintLayout, MegabyteLineIsWrappedWithoutMeasuringItOverAndOver) {
    const QString line(1 << 20, u'8');
    FixedPitchMeasurer measurer(10, 20, 6, 12);
    C_VYXPrintLayout layout;
    layout.Layout(line, measurer, 1060, 1000); // 100 characters a line
    ASSERT_EQ(layout.Lines().size(), (line.size() + 99) / 100);
    EXPECT_EQ(layout.Lines().join(QString()), line);
    EXPECT_LT(measurer.Measured(), 20 * line.size());
}

} // namespace
