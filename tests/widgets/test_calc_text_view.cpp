// SPDX-License-Identifier: MIT
// Tests of the calculation area's widget: real key events reach the model and the widget
// shows the model's text and selection.
#include "C_VYXLineBreakMapping.h"
#include "WidgetTestSupport.h"

namespace {
/// The widget's text with one "\n" per line break, nothing converted.
QString WidgetText(const C_VYXCalcTextView& view) {
    return view.document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

constexpr int kCtrl = Qt::ControlModifier, kShift = Qt::ShiftModifier, kKeypad = Qt::KeypadModifier;

// Text put into the model first (caret at its end), text typed, keys pressed, the model's text.
const std::tuple<const char*, QString, QString, QList<int>, QString> kKeyRows[] = {
    // clang-format off
    {"Enter", "", "1/2+1/(2+3+1/7)", {Qt::Key_Return},
     u"1/2+1/(2+3+1/7)\r\n25/36 //\u22480.694444\r\n"_s},
    {"Ctrl+Enter, then on the keypad", "", "2*3",
     {kCtrl | Qt::Key_Return, kCtrl | kKeypad | Qt::Key_Enter}, "2*3\r\n6\r\n6\r\n6\r\n6"},
    {"Delete takes CR LF whole", "1\r\n2", "", {kCtrl | Qt::Key_Home, Qt::Key_End, Qt::Key_Delete}, "12"},
    {"selection across a line break", "ab\r\ncd\r\nef", "",
     {kCtrl | Qt::Key_Home, Qt::Key_Down, kShift | Qt::Key_End, kShift | Qt::Key_Right, Qt::Key_E},
     "ab\r\neef"},
    {"Ctrl+Z and Ctrl+Y", "", "123", {kCtrl | Qt::Key_Z, kCtrl | Qt::Key_Z, kCtrl | Qt::Key_Y, Qt::Key_9},
     "129"}};
// clang-format on
} // namespace

class CalcTextViewTest : public MainFrameFixture {
    Q_OBJECT

private:
    /// A text and selection as a loaded document brings them.
    void Load(const QString& text, int selStart, int selEnd) {
        C_VYXCalcTextNFO& record = Doc().Settings().CalcText();
        record.text = text;
        record.textValid = record.selValid = 1;
        record.selStart = selStart;
        record.selEnd = selEnd;
        View()->OnUpdate();
    }

    /// The widget must always show the model's text with LF breaks and its selection.
    void VerifyWidgetShowsModel() {
        const QString& text = Area().Text();
        QCOMPARE(WidgetText(*View()), QString(text).replace(u"\r\n"_s, "\n"));
        const QTextCursor cursor = View()->textCursor();
        QCOMPARE(cursor.selectionStart(),
                 C_VYXLineBreakMapping::ToDisplayPosition(text, Area().SelectionStart()));
        QCOMPARE(cursor.selectionEnd(),
                 C_VYXLineBreakMapping::ToDisplayPosition(text, Area().SelectionEnd()));
    }

private slots:
    // The model's own rules are tested with the model; here each key must reach it.
    void keysReachTheModel_data() { AddRows(kKeyRows); }
    void keysReachTheModel() {
        const auto& [row, before, typed, keys, text] = FetchRow(kKeyRows);
        if (!before.isEmpty())
            Area().InsertText(before);
        QTest::keyClicks(View(), typed);
        PressKeys(View(), keys);
        QCOMPARE(Area().Text(), text);
        VerifyWidgetShowsModel();
    }

    void clipboardAndLoadedTextAndTheWidgetFollowsOnlyTheModel() {
        QApplication::clipboard()->setText(u"1+1\n2"_s);
        PressKeys(View(), {kCtrl | Qt::Key_V});
        QCOMPARE(Area().Text(), u"1+1\r\n2"_s);
        // Cut: the clipboard gets LF breaks, and one undo step brings the text back.
        PressKeys(View(), {kCtrl | Qt::Key_A, kShift | Qt::Key_Delete});
        QCOMPARE(QApplication::clipboard()->text(), u"1+1\n2"_s);
        PressKeys(View(), {kCtrl | Qt::Key_Z});
        QCOMPARE(Area().Text(), u"1+1\r\n2"_s);
        VerifyWidgetShowsModel();
        // A change of the widget behind the model's back is undone (the widget shows the model).
        View()->insertPlainText(u"xyz"_s);
        QCOMPARE(WidgetText(*View()), u"1+1\n2"_s);

        // A loaded text and selection are shown.
        Load(u"1+1\r\n2\r\nabc"_s, 5, 11);
        QCOMPARE(View()->textCursor().selectedText(), u"2\u2029abc"_s);
        VerifyWidgetShowsModel();
        // A lone CR is shown as a sign and keeps the positions.
        Load(u"a\rb\r\nc"_s, 6, 6);
        QCOMPARE(WidgetText(*View()), u"a\u240Db\nc"_s);
        QCOMPARE(View()->textCursor().position(), 5);
        PressKeys(View(), {Qt::Key_Left, Qt::Key_Left});
        QCOMPARE(Area().Caret(), 3);
    }

    void fontSizeIsTheCellHeight() {
        QCOMPARE(View()->AppliedFontSize(), 12);
        C_VYXCalcTextNFO& record = Doc().Settings().CalcText();
        const int dpi = View()->logicalDpiY();
        // The menu's sizes, then out of range sizes from a file.
        const int rows[][2] = {{8, 8}, {10, 10}, {14, 14}, {16, 16}, {400, 16}, {-3, 8}};
        for (const auto& [stored, shown] : rows) {
            record.fontSize = stored;
            record.fontChanged = 1;
            View()->OnUpdate();
            QCOMPARE(View()->AppliedFontSize(), shown);
            QCOMPARE(record.fontChanged, 0);
            // A line, ascent and descent, is `shown` points high: 16 points are 21 pixels at 96
            // dots per inch.
            QCOMPARE(QFontMetrics(View()->font(), View()).height(), qRound(shown * dpi / 72.0));
        }
    }
};

VYX_WIDGET_TEST_MAIN(CalcTextViewTest)

#include "test_calc_text_view.moc"
