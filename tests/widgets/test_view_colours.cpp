// SPDX-License-Identifier: MIT
// Tests of the colours: the calculation area's syntax colours on a real text document, their
// readability on light and dark palettes, the dark icons, and the two View toggles kept in the
// profile.
#include "C_VYXInkIcon.h"
#include "C_VYXReadableColour.h"
#include "C_VYXSyntaxHighlighter.h"
#include "C_VYXViewColours.h"
#include "WidgetTestSupport.h"

using Kind = C_VYXLineToken::Kind;

namespace {
/// The format the highlighter gave the character at `column` of line `line`.
QTextCharFormat FormatAt(const QPlainTextEdit& area, int line, int column) {
    const QTextBlock block = area.document()->findBlockByNumber(line);
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
        if (column >= range.start && column < range.start + range.length)
            return range.format;
    return QTextCharFormat();
}
} // namespace

class ViewColoursTest : public MainFrameFixture {
    Q_OBJECT

private:
    QColor Expected(Kind kind) const {
        return C_VYXSyntaxHighlighter::FormatOf(kind, View()->palette()).foreground().color();
    }
    QColor Shown(int line, int column) const {
        return FormatAt(*View(), line, column).foreground().color();
    }

private slots:
    void ColoursTheLinesOfTheAreaAndALongAreaASliceAtATime() {
        // Three slices of lines, an error message spanning the second slice's end, then a sum.
        // The message starts on the last line of the second slice.
        const int lines = 3 * C_VYXSyntaxHighlighter::kSliceLines, message = lines / 3 * 2 - 1;
        Area().InsertText(u"1+2\r\n"_s.repeated(message) +
                          u"//DIVISION BY ZERO!!\r\nTHE LINE GOES ON\r\n"_s +
                          u"1+2\r\n"_s.repeated(lines - message - 2));
        QCOMPARE(Shown(0, 0), Expected(Kind::Number));
        QTRY_COMPARE(Shown(lines - 1, 1), Expected(Kind::Operator));
        QCOMPARE(Shown(message, 3), Expected(Kind::Error));
        QCOMPARE(Shown(message + 1, 3), Expected(Kind::Error));
        QCOMPARE(Shown(message + 2, 0), Expected(Kind::Number));

        // A pasted giant line stays plain (laying out a megabyte in pieces would take seconds).
        Area().InsertText(u"+1"_s.repeated(C_VYXSyntaxHighlighter::kLongestColouredLine));
        QVERIFY(View()->document()->findBlockByNumber(lines).layout()->formats().isEmpty());

        // On short lines, from an empty area.
        Area().ClearArea();
        Area().InsertText(u"2+3)"_s);
        Area().PressEnter(false);
        Area().InsertText(u"q*rate //x\r\n1/3"_s);
        Area().PressEnter(false);
        // Lines: "2+3)", three lines of the engine's message, an empty line, "q*rate //x",
        // "1/3", "1/3 //≈0.333333", "".
        QCOMPARE(View()->document()->findBlockByNumber(7).text(), u"1/3 //\u22480.333333");
        for (int line = 1; line <= 3; ++line)
            QCOMPARE(Shown(line, 2), Expected(Kind::Error));
        QCOMPARE(Shown(0, 0), Expected(Kind::Number));
        QCOMPARE(FormatAt(*View(), 5, 2).underlineStyle(), QTextCharFormat::WaveUnderline);
        QCOMPARE(Shown(7, 5), Expected(Kind::Approximation));

        // Defining the name recolours the line that uses it.
        Area().InsertText(u"rate=5"_s);
        Area().PressEnter(false);
        QCOMPARE(Shown(5, 2), Expected(Kind::Variable));
        QCOMPARE(FormatAt(*View(), 5, 2).underlineStyle(), QTextCharFormat::NoUnderline);

        Trigger("actionViewSyntaxColours");
        QVERIFY(View()->document()->findBlockByNumber(0).layout()->formats().isEmpty());
    }

    void EveryKindReadsOnLightAndDarkPalettesAndDarkIconsTurnInkLight() {
        using namespace C_VYXReadableColour;
        const QPalette light = QApplication::style()->standardPalette();
        const QPalette dark = C_VYXViewColours::DarkPalette();
        for (const QPalette& palette : {light, dark}) {
            const QColor base = palette.color(QPalette::Base);
            QList<QColor> seen = {palette.color(QPalette::Text)};
            for (int kind = int(Kind::Number); kind <= int(Kind::Error); ++kind) {
                const QColor colour =
                    C_VYXSyntaxHighlighter::FormatOf(Kind(kind), palette).foreground().color();
                const bool muted = Kind(kind) == Kind::Comment || Kind(kind) == Kind::Approximation;
                QVERIFY2(ContrastRatio(colour, base) >= (muted ? 2.5 : kTextContrast),
                         qPrintable(u"kind %1 on %2"_s.arg(kind).arg(base.name())));
                // Undefined names keep the text colour and are told apart by their underline.
                if (Kind(kind) != Kind::Undefined && Kind(kind) != Kind::Approximation)
                    QVERIFY2(!seen.contains(colour), qPrintable(QString::number(kind)));
                seen.append(colour);
            }
        }

        // Icons on the dark palette: ink light, paper dark.
        const QByteArray svg =
            R"(<svg><path fill="#ffffff" stroke="#27313f"/><path stroke="#2a66b0"/>)"
            R"(<path fill="#e3a52c"/></svg>)";
        QCOMPARE(C_VYXInkIcon::ForPalette(svg, light), svg);
        const QString changed = QString::fromUtf8(C_VYXInkIcon::ForPalette(svg, dark));
        // Grey ink becomes the text colour, blue ink a blue that reads on the window, white
        // paper a dark grey (lightness 295 - 255 = 40), the middle tone stays.
        QVERIFY(changed.contains(u"stroke=\"%1\""_s.arg(dark.color(QPalette::WindowText).name())));
        QVERIFY(changed.contains(u"fill=\"#282828\"") && changed.contains(u"fill=\"#e3a52c\""));
        const QString blue = changed.section(u"stroke=\""_s, 2, 2).left(7);
        QVERIFY(qAbs(QColor(blue).hslHue() - QColor(0x2a, 0x66, 0xb0).hslHue()) <= 2);
        QVERIFY(ContrastRatio(QColor(blue), dark.color(QPalette::Window)) >= kTextContrast);
    }

    // Syntax colours are on at first, dark colours off: each toggle turns its choice round.
    void TogglesAreKeptInTheProfile() {
        QVERIFY(!C_VYXReadableColour::IsDark(QApplication::palette()));
        Trigger("actionViewSyntaxColours");
        Trigger("actionViewDarkColours");
        QVERIFY(C_VYXReadableColour::IsDark(QApplication::palette()));
        QTRY_VERIFY(C_VYXReadableColour::IsDark(View()->palette()));

        // A new window on the same profile starts with both choices.
        m_frame.reset();
        QVERIFY(!C_VYXReadableColour::IsDark(QApplication::palette()));
        NewFrame();
        QVERIFY(!Action("actionViewSyntaxColours")->isChecked());
        QVERIFY(Action("actionViewDarkColours")->isChecked());
        QVERIFY(C_VYXReadableColour::IsDark(QApplication::palette()));
        Area().InsertText(u"2+3"_s);
        QVERIFY(View()->document()->firstBlock().layout()->formats().isEmpty());

        Trigger("actionViewDarkColours");
        QVERIFY(!C_VYXReadableColour::IsDark(QApplication::palette()));
        QVERIFY(!m_env->profile->DarkColours() && !m_env->profile->SyntaxColours());
    }
};

VYX_WIDGET_TEST_MAIN(ViewColoursTest)
#include "test_view_colours.moc"
