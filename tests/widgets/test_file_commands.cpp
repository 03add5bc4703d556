// SPDX-License-Identifier: MIT
// Tests of the File commands through the main window's menu: save, reopen, the save-changes
// question, recent files, the command line and dropped files.
#include "C_VYXFileCommands.h"
#include "WidgetTestSupport.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {

using Answer = C_VYXMessageBoxes::Answer;
using Kind = C_VYXScriptedMessageBoxes::Kind;

constexpr int kCtrl = Qt::ControlModifier, kShift = Qt::ShiftModifier;

} // namespace

class FileCommandsTest : public MainFrameFixture {
    Q_OBJECT

private:
    QString Title() const { return m_frame->windowTitle(); }
    /// A file under `name` that is no document.
    QString Damaged(const QString& name) {
        const QString path = m_env->TempPath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write("not a document") <= 0)
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

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
        QCOMPARE(box.text, QStringLiteral("Save changes to Untitled?"));
        QCOMPARE(Area().Text(), kept ? QStringLiteral("6*7") : QString());
        QCOMPARE(m_frame->isWindowModified(), kept);
        if (!path.isEmpty()) { // the saved file holds the work
            QVERIFY(m_frame->OpenFromCommandLine(path));
            QCOMPARE(Area().Text(), QStringLiteral("6*7"));
        }
    }

    // Cancel is the rows of titleMarkAndQuestionFollowOnlyChanges.
    void closingAModifiedDocumentAsks() {
        QTest::keyClicks(View(), QStringLiteral("1"));
        m_env->messageBoxes.QueueAnswer(Answer::No);
        QVERIFY(m_frame->close());
        QVERIFY(!m_env->profile->BarState().isEmpty());
    }

    void failedOpenKeepsTheUnsavedWork() {
        const QString damaged = Damaged(QStringLiteral("damaged.vyx"));
        QTest::keyClicks(View(), QStringLiteral("6*7"));
        m_env->messageBoxes.QueueAnswer(Answer::No); // not saved before opening
        m_env->fileChooser.openPaths.enqueue(damaged);
        Trigger("actionFileOpen");
        QCOMPARE(m_env->messageBoxes.LastBox().caption, QStringLiteral("ERROR!!"));
        QCOMPARE(Area().Text(), QStringLiteral("6*7"));
        QCOMPARE(Title(), QStringLiteral("Untitled[*] - TobrikCalculator"));
        QVERIFY(m_frame->isWindowModified() && m_frame->Document().IsModified());
    }

    // Each row starts from a document just saved, with the caret at the end of "1+2".
    void titleMarkAndQuestionFollowOnlyChanges_data() {
        QTest::addColumn<QList<int>>("keys"); // none: a click on the trigonometry panel's radio
        QTest::addColumn<bool>("modified");
        using K = QList<int>;
        // clang-format off
        QTest::newRow("caret left") << K{Qt::Key_Left} << false;
        QTest::newRow("selection") << K{kShift | Qt::Key_Home} << false;
        QTest::newRow("Shift and Ctrl alone") << K{kShift | Qt::Key_Shift, kCtrl | Qt::Key_Control} << false;
        QTest::newRow("Ctrl+A Ctrl+C") << K{kCtrl | Qt::Key_A, kCtrl | Qt::Key_C} << false;
        QTest::newRow("Delete at the end") << K{Qt::Key_Delete} << false;
        QTest::newRow("typing") << K{Qt::Key_X} << true;
        QTest::newRow("Ctrl+Z") << K{kCtrl | Qt::Key_Z} << true;
        QTest::newRow("angle unit") << K{} << true;
        // clang-format on
    }
    void titleMarkAndQuestionFollowOnlyChanges() {
        QFETCH(QList<int>, keys);
        QFETCH(bool, modified);
        const QString path = m_env->TempPath(QStringLiteral("saved.vyx"));
        QTest::keyClicks(View(), QStringLiteral("1+2"));
        m_env->fileChooser.savePaths.enqueue(path);
        Trigger("actionFileSave");
        QVERIFY(!m_frame->isWindowModified());

        if (keys.isEmpty())
            Click(Control<QAbstractButton>(ShowPanel(C_VYXPanelSet::Panel::Trigonometry),
                                           QStringLiteral("radioDegrees")));
        PressKeys(View(), keys);
        QCOMPARE(m_frame->Document().IsModified(), modified);
        QCOMPARE(m_frame->isWindowModified(), modified);
        // Closing asks exactly when the title shows the mark.
        const qsizetype boxes = m_env->messageBoxes.Boxes().size();
        if (modified)
            m_env->messageBoxes.QueueAnswer(Answer::Cancel);
        QCOMPARE(m_frame->close(), !modified);
        QCOMPARE(m_env->messageBoxes.Boxes().size(), boxes + (modified ? 1 : 0));
        if (modified)
            return;

        // The caret is saved with the document all the same.
        m_frame->show();
        QTest::keyClick(View(), Qt::Key_Left);
        const int caret = Area().Caret();
        Trigger("actionFileSave");
        Trigger("actionFileNew");
        QVERIFY(m_frame->OpenFromCommandLine(path));
        QCOMPARE(Area().Caret(), caret);
    }

    void failedRecentFileLeavesTheList() {
        m_env->profile->AddRecentFile(Damaged(QStringLiteral("broken.vyx")));
        // The list is read when the window is made.
        NewFrame();
        QTest::keyClicks(View(), QStringLiteral("3"));
        m_env->messageBoxes.QueueAnswer(Answer::No);
        Trigger("actionRecentFile1");
        QCOMPARE(m_env->messageBoxes.LastBox().caption, QStringLiteral("ERROR!!"));
        QVERIFY(m_env->profile->RecentFiles().isEmpty());
        QVERIFY(!Action("actionRecentFile1")->isVisible());
        QVERIFY(Action("actionNoRecentFile")->isVisible());
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
