// SPDX-License-Identifier: MIT
// Fixture of the widget tests: scripted dialogs, the modal-dialog guard, the main-window base.
#include "WidgetTestSupport.h"

QString ScriptedFileChooser::Next(QQueue<QString>& paths) {
    unexpectedDialogs += paths.isEmpty();
    return paths.isEmpty() ? QString() : paths.dequeue();
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
    : profile(std::make_unique<C_VYXProfile>(tempDir.filePath(u"profile.ini"_s))) {}

void WidgetTestEnvironment::VerifyNoStrayDialogs() {
    QVERIFY2(guard.Dialogs().isEmpty(),
             qPrintable(u"modal dialog opened: "_s + guard.Dialogs().join(u',')));
    // By index: unexpected file dialogs, unused open, save and PDF paths, unexpected questions,
    // unused answers.
    QCOMPARE((QList<qsizetype>{fileChooser.unexpectedDialogs, fileChooser.openPaths.size(),
                               fileChooser.savePaths.size(), fileChooser.pdfPaths.size(),
                               messageBoxes.UnexpectedQuestions(), messageBoxes.UnusedAnswers()}),
             QList<qsizetype>(6, 0));
}

void MainFrameFixture::NewFrame() {
    m_frame = std::make_unique<C_MainFrm>(*m_env->profile, m_env->messageBoxes, m_env->fileChooser);
}

FakePanel* MainFrameFixture::InstallFake(Panel panel, Side side) const {
    auto owned = std::make_unique<FakePanel>(*m_frame, side);
    FakePanel* fake = owned.get();
    m_frame->Panels().Install(panel, std::move(owned));
    return fake;
}

C_VYXDlgFix* MainFrameFixture::ShowPanel(Panel panel) const {
    if (!m_frame->Panels().IsShown(panel))
        m_frame->Panels().Toggle(panel);
    C_VYXDlgFix* dialog = m_frame->Panels().Get(panel);
    if (!QTest::qWaitForWindowExposed(dialog))
        qFatal("panel not shown");
    return dialog;
}

void FakePanel::SetupControls() {
    ++setups;
    field = new QLineEdit(this);
    setFixedSize(120, 90);
}

void MainFrameFixture::init() {
    m_env = std::make_unique<WidgetTestEnvironment>();
    NewFrame();
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    m_frame->TextView().setFocus();
}

void MainFrameFixture::cleanup() {
    m_frame.reset();
    m_env->VerifyNoStrayDialogs();
    m_env.reset();
}

void PressKeys(QWidget* widget, const QList<int>& keys) {
    for (int key : keys)
        QTest::keyClick(widget, Qt::Key(key & ~Qt::KeyboardModifierMask),
                        Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
}

int RunWidgetTest(int argc, char* argv[], QObject& test) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    QApplication::setOrganizationName(u"TobrikCalculatorTests"_s);
    return QTest::qExec(&test, argc, argv);
}
