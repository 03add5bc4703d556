// SPDX-License-Identifier: MIT
// Fixture of the widget tests and the program that runs the test classes by name.
#include "WidgetTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QStandardPaths>
#include <QTest>

#include <cstdio>
#include <cstring>

QString ScriptedFileChooser::ChooseOpenPath(QWidget*) {
    if (openPaths.isEmpty()) {
        ++unexpectedDialogs;
        return QString();
    }
    return openPaths.dequeue();
}

QString ScriptedFileChooser::ChooseSavePath(QWidget*, const QString& suggestedPath) {
    suggestedSavePaths.append(suggestedPath);
    if (savePaths.isEmpty()) {
        ++unexpectedDialogs;
        return QString();
    }
    return savePaths.dequeue();
}

ModalDialogGuard::ModalDialogGuard() {
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, &ModalDialogGuard::CloseModalDialog);
    m_timer.start();
}

void ModalDialogGuard::CloseModalDialog() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr)
        return;
    m_dialogs.append(modal->windowTitle());
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

WidgetTestEnvironment::WidgetTestEnvironment()
    : profile(std::make_unique<C_VYXProfile>(tempDir.filePath(QStringLiteral("profile.ini")))) {}

void WidgetTestEnvironment::VerifyNoStrayDialogs() {
    QVERIFY2(guard.Dialogs().isEmpty(),
             qPrintable(QStringLiteral("modal dialog opened: ") + guard.Dialogs().join(u',')));
    QCOMPARE(fileChooser.unexpectedDialogs, 0);
    QCOMPARE(fileChooser.openPaths.size(), 0);
    QCOMPARE(fileChooser.savePaths.size(), 0);
    QCOMPARE(messageBoxes.UnexpectedQuestions(), 0);
    QCOMPARE(messageBoxes.UnusedAnswers(), 0);
}

QString WidgetTestEnvironment::TempPath(const QString& name) const {
    return tempDir.filePath(name);
}

namespace {

struct TestClass {
    const char* name;
    std::unique_ptr<QObject> (*make)();
};

constexpr TestClass kTestClasses[] = {
    {"ModalGuardTest", MakeModalGuardTest},
    {"CalcTextViewTest", MakeCalcTextViewTest},
    {"MainFrameTest", MakeMainFrameTest},
    {"FileCommandsTest", MakeFileCommandsTest},
};

} // namespace

/// widgets_tests [CLASS] [Qt Test options]: runs one test class, or all of them.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("TobrikCalculatorTests"));

    const char* selected = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    QStringList testArguments = application.arguments();
    if (selected != nullptr)
        testArguments.removeAt(1);
    int failures = 0;
    bool found = false;
    for (const TestClass& testClass : kTestClasses) {
        if (selected != nullptr && std::strcmp(selected, testClass.name) != 0)
            continue;
        found = true;
        const std::unique_ptr<QObject> test = testClass.make();
        failures += QTest::qExec(test.get(), testArguments);
    }
    if (!found) {
        std::fprintf(stderr, "No test class named %s\n", selected);
        return 2;
    }
    return failures == 0 ? 0 : 1;
}
