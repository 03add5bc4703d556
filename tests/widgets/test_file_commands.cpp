// SPDX-License-Identifier: MIT
// Tests of the File commands through the main window's menu: save, reopen, the save-changes
// question, recent files, the command line and dropped files.
#include "C_MainFrm.h"
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXFileCommands.h"
#include "C_VYXStatusBar.h"
#include "WidgetTestSupport.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace {

using Answer = C_VYXMessageBoxes::Answer;
using Kind = C_VYXScriptedMessageBoxes::Kind;

} // namespace

class FileCommandsTest : public MainFrameFixture {
    Q_OBJECT

private:
    C_VYXCalcTextView* View() { return &m_frame->TextView(); }
    C_VYXCalcAreaModel& Area() { return View()->Model(); }
    void TypeLine(const QString& line) {
        QTest::keyClicks(View(), line);
        QTest::keyClick(View(), Qt::Key_Return);
    }
    void VerifyQuestion(const QString& text) {
        const C_VYXScriptedMessageBoxes::Box box = m_env->messageBoxes.LastBox();
        QCOMPARE(int(box.kind), int(Kind::YesNoCancel));
        QCOMPARE(box.caption, QStringLiteral("TobrikCalculator"));
        QCOMPARE(box.text, text);
    }

private slots:
    void saveThenReopenRestoresTheWork() {
        TypeLine(QStringLiteral("1/2+1/(2+3+1/7)"));
        Trigger("actionFontSize16");
        Trigger("actionShowRationalOnly");
        QTest::keyClicks(View(), QStringLiteral("7"));
        const QString expectedText = Area().Text();
        const int expectedCaret = Area().Caret();

        // Untitled: Save asks for a name; one without extension gets ".vyx".
        m_env->fileChooser.savePaths.enqueue(m_env->TempPath(QStringLiteral("work")));
        Trigger("actionFileSave");
        const QString path = m_env->TempPath(QStringLiteral("work.vyx"));
        QCOMPARE(m_env->fileChooser.suggestedSavePaths, QStringList{"Untitled.vyx"});
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("work.vyx[*] - TobrikCalculator"));
        QVERIFY(!m_frame->isWindowModified());
        QCOMPARE(m_env->profile->RecentFiles(), QStringList{path});
        QAction* recent = m_frame->findChild<QAction*>(QStringLiteral("actionRecentFile1"));
        QVERIFY(recent->isVisible());
        QVERIFY(recent->text().endsWith(path));

        Trigger("actionFileNew");
        QCOMPARE(Area().Text(), QString());
        QCOMPARE(m_frame->Document().Settings().CalcText().fontSize, 12);
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Untitled[*] - TobrikCalculator"));

        m_env->fileChooser.openPaths.enqueue(path);
        Trigger("actionFileOpen");
        QCOMPARE(Area().Text(), expectedText);
        QCOMPARE(Area().Caret(), expectedCaret);
        QCOMPARE(View()->AppliedFontSize(), 16);
        QCOMPARE(m_frame->Document().Settings().CalcText().showReal, 0);
        QTRY_VERIFY(m_frame->findChild<QAction*>("actionShowRationalOnly")->isChecked());
        QVERIFY(!m_frame->isWindowModified());
        QCOMPARE(m_frame->StatusBar().StatusText(), QStringLiteral("Number of calculations: 0"));
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("work.vyx[*] - TobrikCalculator"));

        // A saved document is saved again without a dialog.
        QTest::keyClicks(View(), QStringLiteral("8"));
        Trigger("actionFileSave");
        QVERIFY(!m_frame->isWindowModified());
    }

    void saveAsOffersTheCurrentPath() {
        const QString first = m_env->TempPath(QStringLiteral("first.vyx"));
        const QString second = m_env->TempPath(QStringLiteral("second.vyx"));
        QTest::keyClicks(View(), QStringLiteral("4"));
        m_env->fileChooser.savePaths.enqueue(first);
        Trigger("actionFileSaveAs");
        m_env->fileChooser.savePaths.enqueue(second);
        Trigger("actionFileSaveAs");
        QCOMPARE(m_env->fileChooser.suggestedSavePaths, (QStringList{"Untitled.vyx", first}));
        QCOMPARE(m_env->profile->RecentFiles(), (QStringList{second, first}));
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("second.vyx[*] - TobrikCalculator"));
    }

    void cancelKeepsTheWork_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("new") << "actionFileNew";
        QTest::newRow("open") << "actionFileOpen";
    }

    void cancelKeepsTheWork() {
        QFETCH(QString, command);
        QTest::keyClicks(View(), QStringLiteral("5+5"));
        m_env->messageBoxes.QueueAnswer(Answer::Cancel);
        Trigger(qPrintable(command));
        VerifyQuestion(QStringLiteral("Save changes to Untitled?"));
        QCOMPARE(Area().Text(), QStringLiteral("5+5"));
        QVERIFY(m_frame->isWindowModified());
    }

    void noDiscardsTheWork() {
        QTest::keyClicks(View(), QStringLiteral("5+5"));
        m_env->messageBoxes.QueueAnswer(Answer::No);
        Trigger("actionFileNew");
        QCOMPARE(Area().Text(), QString());
        QVERIFY(!m_frame->isWindowModified());
    }

    void yesSavesBeforeNew() {
        QTest::keyClicks(View(), QStringLiteral("6*7"));
        const QString path = m_env->TempPath(QStringLiteral("kept.vyx"));
        m_env->messageBoxes.QueueAnswer(Answer::Yes);
        m_env->fileChooser.savePaths.enqueue(path);
        Trigger("actionFileNew");
        QCOMPARE(Area().Text(), QString());
        QVERIFY(QFileInfo::exists(path));
        // The saved file holds the work.
        QVERIFY(m_frame->OpenFromCommandLine(path));
        QCOMPARE(Area().Text(), QStringLiteral("6*7"));
    }

    void yesThenCancelledSaveAsKeepsTheWork() {
        QTest::keyClicks(View(), QStringLiteral("9"));
        m_env->messageBoxes.QueueAnswer(Answer::Yes);
        m_env->fileChooser.savePaths.enqueue(QString()); // the user cancels the dialog
        Trigger("actionFileNew");
        QCOMPARE(Area().Text(), QStringLiteral("9"));
        QVERIFY(m_frame->isWindowModified());
    }

    void closingAModifiedDocumentAsks() {
        QTest::keyClicks(View(), QStringLiteral("1"));
        m_env->messageBoxes.QueueAnswer(Answer::Cancel);
        QVERIFY(!m_frame->close());
        QVERIFY(m_frame->isVisible());
        m_env->messageBoxes.QueueAnswer(Answer::No);
        QVERIFY(m_frame->close());
        QVERIFY(!m_env->profile->BarState().isEmpty());
    }

    void failedRecentFileLeavesTheList() {
        const QString broken = m_env->TempPath(QStringLiteral("broken.vyx"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a document");
        file.close();
        m_env->profile->AddRecentFile(broken);
        // The list is read when the window is made.
        m_frame =
            std::make_unique<C_MainFrm>(*m_env->profile, m_env->messageBoxes, m_env->fileChooser);
        QTest::keyClicks(View(), QStringLiteral("3"));
        m_env->messageBoxes.QueueAnswer(Answer::No);
        Trigger("actionRecentFile1");
        QCOMPARE(m_env->messageBoxes.LastBox().caption, QStringLiteral("ERROR!!"));
        QVERIFY(m_env->profile->RecentFiles().isEmpty());
        QVERIFY(!m_frame->findChild<QAction*>("actionRecentFile1")->isVisible());
        QVERIFY(m_frame->findChild<QAction*>("actionNoRecentFile")->isVisible());
    }

    void commandLineOpens() {
        QVERIFY(!m_frame->OpenFromCommandLine(m_env->TempPath(QStringLiteral("missing.vyx"))));
        QCOMPARE(m_env->messageBoxes.LastBox().caption, QStringLiteral("ERROR!!"));
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Untitled[*] - TobrikCalculator"));
    }

    void droppedDocumentOpens() {
        QTest::keyClicks(View(), QStringLiteral("2^10"));
        const QString path = m_env->TempPath(QStringLiteral("dropped.vyx"));
        m_env->fileChooser.savePaths.enqueue(path);
        Trigger("actionFileSave");
        Trigger("actionFileNew");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        // Straight to the window's event handler: the drag machinery needs a real drag.
        static_cast<QObject*>(m_frame.get())->event(&drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(Area().Text(), QStringLiteral("2^10"));
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("dropped.vyx[*] - TobrikCalculator"));
        // A drop counts as File Open: the next load keeps the window where it is.
        QVERIFY(m_frame->Document().IsSkippingNextPlacement());
    }

    void documentExtension_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no extension") << "/tmp/a"
                                      << "/tmp/a.vyx";
        QTest::newRow("own extension") << "/tmp/a.vyx"
                                       << "/tmp/a.vyx";
        QTest::newRow("other extension kept") << "/tmp/a.txt"
                                              << "/tmp/a.txt";
        QTest::newRow("dot in the folder only") << "/tmp/x.d/a"
                                                << "/tmp/x.d/a.vyx";
    }

    void documentExtension() {
        QFETCH(QString, chosen);
        QFETCH(QString, saved);
        QCOMPARE(C_VYXFileCommands::WithDocumentExtension(chosen), saved);
    }
};

VYX_WIDGET_TEST_MAIN(FileCommandsTest)

#include "test_file_commands.moc"
