// SPDX-License-Identifier: MIT
// Shared fixture of the widget tests: offscreen platform, temporary profile, scripted dialogs
// and a guard that fails a test when a real modal dialog opens.
#pragma once

#include "C_VYXFileChooser.h"
#include "C_VYXProfile.h"
#include "C_VYXScriptedMessageBoxes.h"

#include <QObject>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

/// File dialogs answered from queues; an unexpected dialog is counted and cancelled.
class ScriptedFileChooser : public C_VYXFileChooser {
public:
    QString ChooseOpenPath(QWidget* parent) override;
    QString ChooseSavePath(QWidget* parent, const QString& suggestedPath) override;

    QQueue<QString> openPaths;
    QQueue<QString> savePaths;
    QStringList suggestedSavePaths;
    int unexpectedDialogs = 0;
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
    QString TempPath(const QString& name) const;

    QTemporaryDir tempDir;
    std::unique_ptr<C_VYXProfile> profile;
    C_VYXScriptedMessageBoxes messageBoxes;
    ScriptedFileChooser fileChooser;
    ModalDialogGuard guard;
};

/// Registry of the test classes, run by name from the test program's main.
std::unique_ptr<QObject> MakeModalGuardTest();
std::unique_ptr<QObject> MakeCalcTextViewTest();
std::unique_ptr<QObject> MakeMainFrameTest();
std::unique_ptr<QObject> MakeFileCommandsTest();
