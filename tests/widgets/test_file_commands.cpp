// SPDX-License-Identifier: MIT
// Tests of the File commands through the main window's menu: save, reopen, the save-changes
// question, recent files, the command line and dropped files.
#include "WidgetTestSupport.h"

namespace {
constexpr int kCtrl = Qt::ControlModifier, kShift = Qt::ShiftModifier;

// The command, the answer to "Save changes", the name chosen in Save As ("" cancels, "-" no
// dialog), whether the work is still in the window, unsaved.
const std::tuple<const char*, const char*, Answer, QString, bool> kSaveChanges[] = {
    // clang-format off
    {"Cancel on Open", "actionFileOpen", Answer::Cancel, "-", true},
    {"No discards", "actionFileNew", Answer::No, "-", false},
    {"Yes saves", "actionFileNew", Answer::Yes, "kept.vyx", false},
    {"Yes, no name", "actionFileNew", Answer::Yes, "", true}};
// clang-format on

// Keys pressed, whether they change the document.
const std::tuple<const char*, QList<int>, bool> kChanges[] = {
    // clang-format off
    {"caret left", {Qt::Key_Left}, false},
    {"selection", {kShift | Qt::Key_Home}, false},
    {"Shift and Ctrl alone", {kShift | Qt::Key_Shift, kCtrl | Qt::Key_Control}, false},
    {"Ctrl+A Ctrl+C", {kCtrl | Qt::Key_A, kCtrl | Qt::Key_C}, false},
    {"Delete at the end", {Qt::Key_Delete}, false},
    {"typing", {Qt::Key_X}, true},
    {"Ctrl+Z", {kCtrl | Qt::Key_Z}, true}};
// clang-format on
} // namespace

class FileCommandsTest : public MainFrameFixture {
    Q_OBJECT

private:
    QString Title() const { return m_frame->windowTitle(); }

private slots:
    void saveThenReopenOrDropRestoresTheWork() {
        TypeLine(u"1/2+1/(2+3+1/7)"_s);
        Trigger("actionFontSize16");
        Trigger("actionShowRationalOnly");
        QTest::keyClicks(View(), u"7"_s);
        const QString expectedText = Area().Text();
        const int expectedCaret = Area().Caret();

        // Untitled: Save asks for a name; one without extension gets ".vyx".
        const QString path = SaveUntitled(u"work"_s) + u".vyx"_s;
        QVERIFY(QFileInfo::exists(path) && !m_frame->isWindowModified());
        QCOMPARE(Title(), u"work.vyx[*] - TobrikCalculator"_s);
        // Another extension is kept; a dot in the folder is none.
        QCOMPARE(C_VYXFileCommands::WithDocumentExtension(u"/tmp/a.txt"_s), u"/tmp/a.txt"_s);
        QCOMPARE(C_VYXFileCommands::WithDocumentExtension(u"/tmp/x.d/a"_s), u"/tmp/x.d/a.vyx"_s);

        Trigger("actionFileNew");
        QCOMPARE(Area().Text(), QString());

        m_env->fileChooser.openPaths.enqueue(path);
        Trigger("actionFileOpen");
        QCOMPARE(Area().Text(), expectedText);
        QCOMPARE(Area().Caret(), expectedCaret);
        QCOMPARE(View()->AppliedFontSize(), 16);
        QTRY_VERIFY(Action("actionShowRationalOnly")->isChecked());
        QVERIFY(!m_frame->isWindowModified());

        // Dropped on the window, the document opens too: the first document among the files,
        // whatever the case of its extension, and no remote file.
        Trigger("actionFileNew");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile("/tmp/n.txt"), QUrl::fromLocalFile("/tmp/C.VYX")});
        QCOMPARE(C_MainFrm::DroppedDocument(&data), u"/tmp/C.VYX"_s);
        data.setUrls({QUrl("http://example.org/a.vyx")});
        QCOMPARE(C_MainFrm::DroppedDocument(&data), QString());
        data.setUrls({QUrl::fromLocalFile(path)});
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        // Straight to the window's event handler: the drag machinery needs a real drag.
        static_cast<QObject*>(m_frame.get())->event(&drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(Area().Text(), expectedText);
        QCOMPARE(Title(), u"work.vyx[*] - TobrikCalculator"_s);
        // A drop counts as File Open: the next load keeps the window where it is.
        QVERIFY(Doc().IsSkippingNextPlacement());

        // A saved document is saved again without a dialog; Save As offers its path.
        QTest::keyClicks(View(), u"8"_s);
        Trigger("actionFileSave");
        QVERIFY(!m_frame->isWindowModified());
        const QString second = m_env->TempPath(u"second.vyx"_s);
        m_env->fileChooser.savePaths.enqueue(second);
        Trigger("actionFileSaveAs");
        QCOMPARE(m_env->fileChooser.suggestedSavePaths, (QStringList{"Untitled.vyx", path}));
        QCOMPARE(m_env->profile->RecentFiles(), (QStringList{second, path}));
    }

    void saveChangesQuestion_data() { AddRows(kSaveChanges); }
    void saveChangesQuestion() {
        const auto& [row, command, answer, savedAs, kept] = FetchRow(kSaveChanges);
        QTest::keyClicks(View(), u"6*7"_s);
        m_env->messageBoxes.QueueAnswer(answer);
        const bool asked = savedAs != u"-"_s;
        const QString path = asked && !savedAs.isEmpty() ? m_env->TempPath(savedAs) : QString();
        if (asked)
            m_env->fileChooser.savePaths.enqueue(path);
        Trigger(command);
        const C_VYXScriptedMessageBoxes::Box box = m_env->messageBoxes.LastBox();
        QCOMPARE(int(box.kind), int(C_VYXScriptedMessageBoxes::Kind::YesNoCancel));
        QCOMPARE(box.text, u"Save changes to Untitled?"_s);
        QCOMPARE(Area().Text(), kept ? u"6*7"_s : QString());
        QCOMPARE(m_frame->isWindowModified(), kept);
        if (!path.isEmpty()) { // the saved file holds the work
            QVERIFY(m_frame->OpenFromCommandLine(path));
            QCOMPARE(Area().Text(), u"6*7"_s);
        }
    }

    void failedOpenOrRecentFileKeepsTheWorkAndTheListAndClosingAsks() {
        // A file that is no document.
        const QString damaged = m_env->TempPath(u"damaged.vyx"_s);
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a document") > 0 &&
                file.flush());
        QTest::keyClicks(View(), u"6*7"_s);
        m_env->messageBoxes.QueueAnswer(Answer::No); // not saved before opening
        m_env->fileChooser.openPaths.enqueue(damaged);
        Trigger("actionFileOpen");
        QCOMPARE(m_env->messageBoxes.LastBox().caption, u"ERROR!!"_s);
        QCOMPARE(Area().Text(), u"6*7"_s);
        QCOMPARE(Title(), u"Untitled[*] - TobrikCalculator"_s);
        QVERIFY(m_frame->isWindowModified() && Doc().IsModified());
        // Closing asks too (Cancel is the rows of titleMarkAndQuestionFollowOnlyChanges), and the
        // bars' layout is kept.
        m_env->messageBoxes.QueueAnswer(Answer::No);
        QVERIFY(m_frame->close());
        QVERIFY(!m_env->profile->BarState().isEmpty());

        // A recent file that fails to open leaves the list, read when the window is made.
        m_env->profile->AddRecentFile(damaged);
        NewFrame();
        QTest::keyClicks(View(), u"3"_s);
        m_env->messageBoxes.QueueAnswer(Answer::No);
        Trigger("actionRecentFile1");
        QCOMPARE(m_env->messageBoxes.LastBox().caption, u"ERROR!!"_s);
        QVERIFY(m_env->profile->RecentFiles().isEmpty());
        QVERIFY(!Action("actionRecentFile1")->isVisible() &&
                Action("actionNoRecentFile")->isVisible());
    }

    // Each row starts from a document just saved, with the caret at the end of "1+2".
    void titleMarkAndQuestionFollowOnlyChanges_data() { AddRows(kChanges); }
    void titleMarkAndQuestionFollowOnlyChanges() {
        const auto& [row, keys, modified] = FetchRow(kChanges);
        QTest::keyClicks(View(), u"1+2"_s);
        const QString path = SaveUntitled(u"saved.vyx"_s);
        QVERIFY(!m_frame->isWindowModified());

        PressKeys(View(), keys);
        QCOMPARE(Doc().IsModified(), modified);
        QCOMPARE(m_frame->isWindowModified(), modified);
        // Closing asks exactly when the title shows the mark.
        if (modified)
            m_env->messageBoxes.QueueAnswer(Answer::Cancel);
        QCOMPARE(m_frame->close(), !modified);
        QCOMPARE(m_env->messageBoxes.Boxes().size(), qsizetype(modified)); // one question or none
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
};

VYX_WIDGET_TEST_MAIN(FileCommandsTest)

#include "test_file_commands.moc"
