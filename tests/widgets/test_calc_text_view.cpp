// SPDX-License-Identifier: MIT
// Tests of the calculation area's widget: real key events reach the model and the widget
// shows the model's text and selection.
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXLineBreakMapping.h"
#include "WidgetTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextDocument>

namespace {

/// The widget's text with one "\n" per line break, nothing converted.
QString WidgetText(const C_VYXCalcTextView& view) {
    return view.document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

} // namespace

class CalcTextViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WidgetTestEnvironment> m_env;
    std::unique_ptr<C_TOBRIK_CALCULATORDoc> m_document;
    std::unique_ptr<C_VYXCalcTextView> m_view;

    C_VYXCalcAreaModel& Area() { return m_view->Model(); }

    /// The widget must always show the model's text with LF breaks and its selection.
    void VerifyWidgetShowsModel() {
        const QString& text = Area().Text();
        QCOMPARE(WidgetText(*m_view),
                 QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        const QTextCursor cursor = m_view->textCursor();
        QCOMPARE(cursor.selectionStart(),
                 C_VYXLineBreakMapping::ToDisplayPosition(text, Area().SelectionStart()));
        QCOMPARE(cursor.selectionEnd(),
                 C_VYXLineBreakMapping::ToDisplayPosition(text, Area().SelectionEnd()));
    }

private slots:
    void init() {
        m_env = std::make_unique<WidgetTestEnvironment>();
        m_document = std::make_unique<C_TOBRIK_CALCULATORDoc>(m_env->messageBoxes);
        m_document->OnNewDocument();
        m_view = std::make_unique<C_VYXCalcTextView>(*m_document);
        m_view->show();
        m_view->activateWindow();
        m_view->setFocus();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }

    void cleanup() {
        m_view.reset();
        m_document.reset();
        m_env->VerifyNoStrayDialogs();
        m_env.reset();
    }

    void enterWritesResultOnNextLine() {
        QTest::keyClicks(m_view.get(), QStringLiteral("1/2+1/(2+3+1/7)"));
        QTest::keyClick(m_view.get(), Qt::Key_Return);
        QCOMPARE(Area().Text(), QStringLiteral("1/2+1/(2+3+1/7)\r\n25/36 //\u22480.694444\r\n"));
        QCOMPARE(Area().Caret(), int(Area().Text().size()));
        QCOMPARE(m_view->document()->blockCount(), 3);
        VerifyWidgetShowsModel();
        QVERIFY(m_document->IsModified());
    }

    void ctrlEnterStartsNextLineWithValue() {
        QTest::keyClicks(m_view.get(), QStringLiteral("2*3"));
        QTest::keyClick(m_view.get(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(Area().Text(), QStringLiteral("2*3\r\n6\r\n6"));
        // A second Ctrl+Enter evaluates that value again, on the keypad's Enter too.
        QTest::keyClick(m_view.get(), Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(Area().Text(), QStringLiteral("2*3\r\n6\r\n6\r\n6\r\n6"));
        QCOMPARE(m_view->textCursor().position(), int(WidgetText(*m_view).size()));
        VerifyWidgetShowsModel();
    }

    void enterOnEmptyLineOnlyBreaksIt() {
        QTest::keyClick(m_view.get(), Qt::Key_Return);
        QCOMPARE(Area().Text(), QStringLiteral("\r\n"));
        QCOMPARE(m_document->CalculationCount(), 0);
        VerifyWidgetShowsModel();
    }

    void backspaceRemovesTokens_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");
        QTest::newRow("lower-case function goes whole") << "2+sinh"
                                                        << "2+";
        QTest::newRow("upper-case SINH loses one letter") << "2+SINH"
                                                          << "2+SIN";
        QTest::newRow("plain digit") << "12"
                                     << "1";
    }

    void backspaceRemovesTokens() {
        QFETCH(QString, typed);
        QFETCH(QString, left);
        QTest::keyClicks(m_view.get(), typed);
        QTest::keyClick(m_view.get(), Qt::Key_Backspace);
        QCOMPARE(Area().Text(), left);
        VerifyWidgetShowsModel();
    }

    void backspaceAtLineStartJoinsLines() {
        Area().InsertText(QStringLiteral("1+\r\n2"));
        // Home in the widget moves the model's caret to the start of line 1 (position 4).
        QTest::keyClick(m_view.get(), Qt::Key_Home);
        QCOMPARE(Area().Caret(), 4);
        QTest::keyClick(m_view.get(), Qt::Key_Backspace);
        QCOMPARE(Area().Text(), QStringLiteral("1+2"));
        QCOMPARE(Area().Caret(), 2);
        VerifyWidgetShowsModel();
    }

    void backspaceWithSelectionDeletesOnlyIt() {
        QTest::keyClicks(m_view.get(), QStringLiteral("SINH"));
        QTest::keyClick(m_view.get(), Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(m_view.get(), Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(Area().SelectedText(), QStringLiteral("NH"));
        QTest::keyClick(m_view.get(), Qt::Key_Backspace);
        QCOMPARE(Area().Text(), QStringLiteral("SI"));
        VerifyWidgetShowsModel();
    }

    void clsLineEmptiesArea_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("lower case") << "cls";
        QTest::newRow("mixed case") << "ClS";
    }

    void clsLineEmptiesArea() {
        QFETCH(QString, command);
        QTest::keyClicks(m_view.get(), QStringLiteral("1+1"));
        QTest::keyClick(m_view.get(), Qt::Key_Return);
        QTest::keyClicks(m_view.get(), command);
        QTest::keyClick(m_view.get(), Qt::Key_Return);
        QCOMPARE(Area().Text(), QString());
        QCOMPARE(WidgetText(*m_view), QString());
    }

    void undoAndRedoGoThroughTheModel() {
        QTest::keyClicks(m_view.get(), QStringLiteral("123"));
        const QStringList expected = {QStringLiteral("12"), QStringLiteral("1"), QString()};
        for (const QString& text : expected) {
            QTest::keyClick(m_view.get(), Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(Area().Text(), text);
            QCOMPARE(WidgetText(*m_view), text);
        }
        QVERIFY(!Area().CanUndo());
        QTest::keyClick(m_view.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(Area().Text(), QStringLiteral("1"));
        // Typing after an undo drops the redo steps.
        QTest::keyClicks(m_view.get(), QStringLiteral("9"));
        QVERIFY(!Area().CanRedo());
        QCOMPARE(WidgetText(*m_view), QStringLiteral("19"));
    }

    void enterRecordsOneUndoStep() {
        QTest::keyClicks(m_view.get(), QStringLiteral("2+3"));
        QTest::keyClick(m_view.get(), Qt::Key_Return);
        QTest::keyClick(m_view.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Area().Text(), QStringLiteral("2+3"));
        VerifyWidgetShowsModel();
    }

    void keyboardSelectionMapsAcrossLineBreaks() {
        Area().InsertText(QStringLiteral("ab\r\ncd\r\nef"));
        QTest::keyClick(m_view.get(), Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(m_view.get(), Qt::Key_Down);
        QTest::keyClick(m_view.get(), Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(Area().SelectionStart(), 4);
        QCOMPARE(Area().SelectionEnd(), 6);
        QCOMPARE(Area().SelectedText(), QStringLiteral("cd"));
        // One step right from the end of a line passes the whole CR LF.
        QTest::keyClick(m_view.get(), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(Area().SelectedText(), QStringLiteral("cd\r\n"));
        QTest::keyClick(m_view.get(), Qt::Key_E);
        QCOMPARE(Area().Text(), QStringLiteral("ab\r\neef"));
        VerifyWidgetShowsModel();
    }

    void deleteKeyRemovesLineBreakWhole() {
        Area().InsertText(QStringLiteral("1\r\n2"));
        QTest::keyClick(m_view.get(), Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(m_view.get(), Qt::Key_End);
        QTest::keyClick(m_view.get(), Qt::Key_Delete);
        QCOMPARE(Area().Text(), QStringLiteral("12"));
        VerifyWidgetShowsModel();
    }

    void pasteAndCutUseTheClipboard() {
        QApplication::clipboard()->setText(QStringLiteral("1+1\n2"));
        QTest::keyClick(m_view.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Area().Text(), QStringLiteral("1+1\r\n2"));
        QTest::keyClick(m_view.get(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(Area().SelectedText(), Area().Text());
        QTest::keyClick(m_view.get(), Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(Area().Text(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1+1\n2"));
        // Undo brings the cut text back; copy leaves the text alone.
        QTest::keyClick(m_view.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Area().Text(), QStringLiteral("1+1\r\n2"));
        VerifyWidgetShowsModel();
    }

    void fontSizeFromRecord_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("menu size") << 16 << 16;
        QTest::newRow("smallest") << 8 << 8;
        QTest::newRow("too large from a file") << 400 << 16;
        QTest::newRow("negative from a file") << -3 << 8;
    }

    void fontSizeFromRecord() {
        QFETCH(int, stored);
        QFETCH(int, shown);
        QCOMPARE(m_view->AppliedFontSize(), 12);
        C_VYXCalcTextNFO& record = m_document->Settings().CalcText();
        record.fontSize = stored;
        record.fontChanged = 1;
        m_view->OnUpdate();
        QCOMPARE(m_view->AppliedFontSize(), shown);
        QCOMPARE(m_view->font().pointSize(), shown);
        QCOMPARE(record.fontChanged, 0);
    }

    void loadedTextAndSelectionAreShown() {
        C_VYXCalcTextNFO& record = m_document->Settings().CalcText();
        record.text = QStringLiteral("1+1\r\n2\r\nabc");
        record.textValid = 1;
        record.selStart = 5;
        record.selEnd = 11;
        record.selValid = 1;
        m_view->OnUpdate();
        QCOMPARE(WidgetText(*m_view), QStringLiteral("1+1\n2\nabc"));
        QCOMPARE(m_view->textCursor().selectedText(),
                 QStringLiteral("2") + QChar::ParagraphSeparator + QStringLiteral("abc"));
        VerifyWidgetShowsModel();
    }

    void loneCarriageReturnKeepsPositions() {
        C_VYXCalcTextNFO& record = m_document->Settings().CalcText();
        record.text = QStringLiteral("a\rb\r\nc");
        record.textValid = 1;
        record.selStart = record.selEnd = 6;
        record.selValid = 1;
        m_view->OnUpdate();
        QCOMPARE(WidgetText(*m_view), QStringLiteral("a\u240Db\nc"));
        QCOMPARE(m_view->textCursor().position(), 5);
        QTest::keyClick(m_view.get(), Qt::Key_Left);
        QTest::keyClick(m_view.get(), Qt::Key_Left);
        QCOMPARE(Area().Caret(), 3);
    }

    void widgetChangeBehindTheModelIsUndone() {
        QTest::keyClicks(m_view.get(), QStringLiteral("7"));
        m_view->insertPlainText(QStringLiteral("xyz"));
        QCOMPARE(WidgetText(*m_view), QStringLiteral("7"));
        QCOMPARE(Area().Text(), QStringLiteral("7"));
    }

    void positionMapping_data() {
        QTest::addColumn<QString>("areaText");
        QTest::addColumn<int>("areaPosition");
        QTest::addColumn<int>("displayPosition");
        QTest::newRow("before any break") << "ab\r\ncd" << 2 << 2;
        QTest::newRow("after one break") << "ab\r\ncd" << 4 << 3;
        QTest::newRow("end after two breaks") << "a\r\n\r\nb" << 6 << 4;
        QTest::newRow("lone CR counts") << "a\rb" << 3 << 3;
        QTest::newRow("surrogate pair") << QStringLiteral("\U0001D400\r\nx") << 5 << 4;
        QTest::newRow("past the end") << "ab" << 9 << 2;
    }

    void positionMapping() {
        QFETCH(QString, areaText);
        QFETCH(int, areaPosition);
        QFETCH(int, displayPosition);
        QCOMPARE(C_VYXLineBreakMapping::ToDisplayPosition(areaText, areaPosition), displayPosition);
        QCOMPARE(C_VYXLineBreakMapping::ToAreaPosition(areaText, displayPosition),
                 std::min(areaPosition, int(areaText.size())));
    }
};

VYX_WIDGET_TEST_MAIN(CalcTextViewTest)

#include "test_calc_text_view.moc"
