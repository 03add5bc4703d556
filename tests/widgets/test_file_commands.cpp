// SPDX-License-Identifier: MIT
// Tests of the File commands through the main window's menu: save, reopen, the save-changes
// question, recent files, the command line and dropped files.
#include "C_MainFrm.h"
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXFileCommands.h"
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
    QString Title() const { return m_frame->windowTitle(); }

private slots:
    void saveThenReopenRestoresTheWork() {
        QTest::keyClicks(View(), QStringLiteral("1/2+1/(2+3+1/7)"));
        QTest::keyClick(View(), Qt::Key_Return);
        Trigger("actionFontSize16");
        Trigger("actionShowRationalOnly");
        QTest::keyClicks(View(), QStringLiteral("7"));
        const QString expectedText = Area().Text();
        const int expectedCaret = Area().Caret();

        // Untitled: Save asks for a name; one without extension gets ".vyx".
        m_env->fileChooser.savePaths.enqueue(m_env->TempPath(QStringLiteral("work")));
        Trigger("actionFileSave");
        const QString path = m_env->TempPath(QStringLiteral("work.vyx"));
        QVERIFY(QFileInfo::exists(path) && !m_frame->isWindowModified());
        QCOMPARE(Title(), QStringLiteral("work.vyx[*] - TobrikCalculator"));

        Trigger("actionFileNew");
        QCOMPARE(Area().Text(), QString());

        m_env->fileChooser.openPaths.enqueue(path);
        Trigger("actionFileOpen");
        QCOMPARE(Area().Text(), expectedText);
        QCOMPARE(Area().Caret(), expectedCaret);
        QCOMPARE(View()->AppliedFontSize(), 16);
        QTRY_VERIFY(Action("actionShowRationalOnly")->isChecked());
        QVERIFY(!m_frame->isWindowModified());

        // A saved document is saved again without a dialog; Save As offers its path.
        QTest::keyClicks(View(), QStringLiteral("8"));
        Trigger("actionFileSave");
        QVERIFY(!m_frame->isWindowModified());
        const QString second = m_env->TempPath(QStringLiteral("second.vyx"));
        m_env->fileChooser.savePaths.enqueue(second);
        Trigger("actionFileSaveAs");
        QCOMPARE(m_env->fileChooser.suggestedSavePaths, (QStringList{"Untitled.vyx", path}));
        QCOMPARE(m_env->profile->RecentFiles(), (QStringList{second, path}));
    }

    void saveChangesQuestion_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("savedAs"); // name chosen in Save As: "" cancels, "-" no dialog
        QTest::addColumn<bool>("kept");       // the work still in the window, unsaved
        // clang-format off
        QTest::newRow("Cancel on Open") << "actionFileOpen" << int(Answer::Cancel) << "-" << true;
        QTest::newRow("No discards") << "actionFileNew" << int(Answer::No) << "-" << false;
        QTest::newRow("Yes saves") << "actionFileNew" << int(Answer::Yes) << "kept.vyx" << false;
        QTest::newRow("Yes, no name") << "actionFileNew" << int(Answer::Yes) << "" << true;
        // clang-format on
    }

    void saveChangesQuestion() {
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(QString, savedAs);
        QFETCH(bool, kept);
        QTest::keyClicks(View(), QStringLiteral("6*7"));
        m_env->messageBoxes.QueueAnswer(Answer(answer));
        const bool asked = savedAs != QStringLiteral("-");
        const QString path = asked && !savedAs.isEmpty() ? m_env->TempPath(savedAs) : QString();
        if (asked)
            m_env->fileChooser.savePaths.enqueue(path);
        Trigger(qPrintable(command));
        const C_VYXScriptedMessageBoxes::Box box = m_env->messageBoxes.LastBox();
        QCOMPARE(int(box.kind), int(Kind::YesNoCancel));
        QCOMPARE(box.caption, QStringLiteral("TobrikCalculator"));
        QCOMPARE(box.text, QStringLiteral("Save changes to Untitled?"));
        QCOMPARE(Area().Text(), kept ? QStringLiteral("6*7") : QString());
        QCOMPARE(m_frame->isWindowModified(), kept);
        if (!path.isEmpty()) { // the saved file holds the work
            QVERIFY(m_frame->OpenFromCommandLine(path));
            QCOMPARE(Area().Text(), QStringLiteral("6*7"));
        }
    }

    void closingAModifiedDocumentAsks() {
        QTest::keyClicks(View(), QStringLiteral("1"));
        m_env->messageBoxes.QueueAnswer(Answer::Cancel);
        QVERIFY(!m_frame->close() && m_frame->isVisible());
        m_env->messageBoxes.QueueAnswer(Answer::No);
        QVERIFY(m_frame->close());
        QVERIFY(!m_env->profile->BarState().isEmpty());
    }

    void failedRecentFileLeavesTheList() {
        const QString broken = m_env->TempPath(QStringLiteral("broken.vyx"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a document") > 0);
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
        QVERIFY(!Action("actionRecentFile1")->isVisible());
        QVERIFY(Action("actionNoRecentFile")->isVisible());
    }

    void commandLineOpens() {
        QVERIFY(!m_frame->OpenFromCommandLine(m_env->TempPath(QStringLiteral("missing.vyx"))));
        QCOMPARE(m_env->messageBoxes.LastBox().caption, QStringLiteral("ERROR!!"));
        QCOMPARE(Title(), QStringLiteral("Untitled[*] - TobrikCalculator"));
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
        QCOMPARE(Title(), QStringLiteral("dropped.vyx[*] - TobrikCalculator"));
        // A drop counts as File Open: the next load keeps the window where it is.
        QVERIFY(m_frame->Document().IsSkippingNextPlacement());
    }

    void documentExtension() {
        const char* const rows[][2] = {{"/tmp/a.txt", "/tmp/a.txt"}, // another extension is kept
                                       {"/tmp/x.d/a", "/tmp/x.d/a.vyx"}}; // dot in the folder only
        for (const auto& [chosen, saved] : rows)
            QCOMPARE(C_VYXFileCommands::WithDocumentExtension(chosen), QString(saved));
    }
};

VYX_WIDGET_TEST_MAIN(FileCommandsTest)

#include "test_file_commands.moc"
