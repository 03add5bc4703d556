// SPDX-License-Identifier: MIT
// Shared fixture of the widget tests: offscreen platform, temporary profile, scripted dialogs
// and a guard that fails a test when a real modal dialog opens.
#pragma once

#include "C_MainFrm.h"
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcBasicButtonsView.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXDlgFix.h"
#include "C_VYXFileChooser.h"
#include "C_VYXPanelSet.h"
#include "C_VYXProfile.h"
#include "C_VYXScriptedMessageBoxes.h"

// The whole of Qt Widgets and Qt Test, for every widget test: each test file names only the
// modules beyond them (SVG, printing).
#include <QtTest>
#include <QtWidgets>

#include <memory>
#include <tuple>

// Texts in the tests as u"..."_s.
using namespace Qt::StringLiterals;

/// Short names the widget tests share.
using Panel = C_VYXPanelSet::Panel;
using Side = C_VYXDlgFix::Side;
using Answer = C_VYXMessageBoxes::Answer;

/// File dialogs answered from queues; an unexpected dialog is counted and cancelled.
class ScriptedFileChooser : public C_VYXFileChooser {
public:
    QString ChooseOpenPath(QWidget*) override { return Next(openPaths); }
    QString ChooseSavePath(QWidget*, const QString& suggested) override {
        suggestedSavePaths.append(suggested);
        return Next(savePaths);
    }
    QString ChooseExportPdfPath(QWidget*, const QString& suggested) override {
        suggestedPdfPaths.append(suggested);
        return Next(pdfPaths);
    }

    QQueue<QString> openPaths, savePaths, pdfPaths;
    QStringList suggestedSavePaths, suggestedPdfPaths;
    int unexpectedDialogs = 0;

private:
    /// The next queued answer; an empty queue counts an unexpected dialog and cancels it.
    QString Next(QQueue<QString>& paths);
};

/// Watches for modal dialogs: any that opens is recorded and closed, so the test goes on
/// and then fails instead of hanging.
class ModalDialogGuard : public QObject {
    Q_OBJECT

public:
    ModalDialogGuard();
    const QStringList& Dialogs() const { return m_dialogs; }

private:
    void CloseModalDialog();

    QTimer m_timer;
    QStringList m_dialogs;
};

/// What every widget test needs, made fresh for each test function.
class WidgetTestEnvironment {
public:
    WidgetTestEnvironment();
    /// Fails the running test when a dialog opened or a scripted answer went unused.
    void VerifyNoStrayDialogs();
    QString TempPath(const QString& name) const { return tempDir.filePath(name); }

    QTemporaryDir tempDir;
    std::unique_ptr<C_VYXProfile> profile;
    C_VYXScriptedMessageBoxes messageBoxes;
    ScriptedFileChooser fileChooser;
    ModalDialogGuard guard;
};

/// A panel with one text field that counts what the panel base asks of it.
class FakePanel : public C_VYXDlgFix {
public:
    FakePanel(C_VYXPanelOwner& owner, Side side) : C_VYXDlgFix(owner, 999, u"Fake"_s, side) {}

    int setups = 0, reads = 0, afterFirstRefresh = 0;
    QLineEdit* field = nullptr;

protected:
    void SetupControls() override;
    void ReadSettings() override { ++reads; }
    void AfterFirstRefresh() override { ++afterFirstRefresh; }
};

/// Base of the test classes that drive a whole main window: a fresh environment and a shown
/// window for each test function, and the stray-dialog check after it.
class MainFrameFixture : public QObject {
    Q_OBJECT

protected:
    /// The window's action with this object name; the test stops when there is none.
    QAction* Action(const char* name) const {
        return Control<QAction>(m_frame.get(), QString::fromLatin1(name));
    }
    void Trigger(const char* name) const { Action(name)->trigger(); }
    C_TOBRIK_CALCULATORDoc& Doc() const { return m_frame->Document(); }
    C_VYXCalcAreaModel& Area() const { return m_frame->TextView().Model(); }
    C_VYXCalcTextView* View() const { return &m_frame->TextView(); }
    /// File > Save of an untitled document, its dialog answered with `name` in the temporary
    /// folder; returns that path.
    QString SaveUntitled(const QString& name) const {
        const QString path = m_env->TempPath(name);
        m_env->fileChooser.savePaths.enqueue(path);
        Trigger("actionFileSave");
        return path;
    }
    /// Replaces the window with a new one on the same profile, not yet shown.
    void NewFrame();
    /// Puts a fake panel in the place of `panel`; the window owns it.
    FakePanel* InstallFake(Panel panel, Side side) const;
    /// Types a line into the calculation area with real keys and presses Enter.
    void TypeLine(const QString& line) const { QTest::keyClicks(View(), line + u'\r'); }
    /// Shows the panel as the View menu does, unless it is shown already.
    C_VYXDlgFix* ShowPanel(Panel panel) const;
    /// A button (or the slider) of the numpad, shown as by ShowPanel.
    template <typename T = QPushButton> T* NumpadControl(int id) const {
        return Control<T>(ShowPanel(Panel::Numpad), C_VYXCalcBasicButtonsView::ControlName(id));
    }
    /// The child of `parent` with this object name; the test stops when there is none.
    template <typename T = QPushButton>
    static T* Control(const QObject* parent, const QString& name) {
        if (T* control = parent->findChild<T*>(name))
            return control;
        qFatal("no control %s", qPrintable(name));
    }
    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    std::unique_ptr<WidgetTestEnvironment> m_env;
    std::unique_ptr<C_MainFrm> m_frame;

protected slots:
    // Qt Test runs these around every test function of the derived class.
    void init();
    void cleanup();
};

/// Keys as the user presses them; each entry is a key combined with its modifiers.
void PressKeys(QWidget* widget, const QList<int>& keys);

/// Data rows of the running test from a table of tuples, each row named by its first element;
/// the test function takes its own with FetchRow.
template <typename Row, std::size_t N> void AddRows(const Row (&table)[N]) {
    QTest::addColumn<int>("row");
    for (std::size_t row = 0; row < N; ++row)
        QTest::newRow(std::get<0>(table[row])) << int(row);
}
template <typename Row, std::size_t N> const Row& FetchRow(const Row (&table)[N]) {
    QFETCH(int, row);
    return table[row];
}

/// Runs one test class the way QTEST_MAIN does, on the offscreen platform unless another is
/// chosen, with the standard paths in test mode.
int RunWidgetTest(int argc, char* argv[], QObject& test);

#define VYX_WIDGET_TEST_MAIN(TestClass)                                                            \
    int main(int argc, char* argv[]) {                                                             \
        return RunWidgetTest(argc, argv, *std::make_unique<TestClass>());                          \
    }
