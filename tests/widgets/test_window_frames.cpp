// SPDX-License-Identifier: MIT
// Tests of the tool windows' and message boxes' frames: a close box only, and wide enough for
// the window manager to show the whole caption.
#include "C_MainFrm.h"
#include "C_VYXDlgFix.h"
#include "C_VYXQtMessageBoxes.h"
#include "C_VYXWindowFrame.h"
#include "WidgetTestSupport.h"

#include <QTest>

namespace {

using Panel = C_VYXPanelSet::Panel;

bool HasCloseBoxOnly(Qt::WindowFlags flags) {
    return flags.testFlag(Qt::WindowCloseButtonHint) &&
           !flags.testFlag(Qt::WindowMinimizeButtonHint) &&
           !flags.testFlag(Qt::WindowMaximizeButtonHint);
}

} // namespace

class WindowFramesTest : public MainFrameFixture {
    Q_OBJECT

private slots:
    void panelsAreToolWindowsWideEnoughForTheirCaptions() {
        for (int i = 0; i < C_VYXPanelSet::kCount; ++i) {
            const auto panel = Panel(i);
            m_frame->Panels().Toggle(panel);
            C_VYXDlgFix* dialog = m_frame->Panels().Get(panel);
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            const QString caption = dialog->windowTitle();
            QCOMPARE(dialog->windowType(), Qt::Tool);
            QVERIFY2(HasCloseBoxOnly(dialog->windowFlags()), qPrintable(caption));
            QVERIFY2(dialog->width() >= C_VYXWindowFrame::WidthForTitle(caption),
                     qPrintable(caption));
        }
    }

    void messageBoxesAreWideEnoughForTheirCaptions() {
        // A short text under a long caption, as the variables panel shows it.
        const QString caption = QStringLiteral("Illegal variable name.");
        const std::unique_ptr<QMessageBox> box = C_VYXQtMessageBoxes::MakeBox(
            m_frame.get(), QMessageBox::Critical, caption,
            QStringLiteral("The variable name:\nsin\nis not allowed!!"), QMessageBox::Ok,
            QMessageBox::Ok);
        // Shown without waiting for an answer.
        box->setWindowModality(Qt::NonModal);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QVERIFY(HasCloseBoxOnly(box->windowFlags()));
        QVERIFY(box->width() >= C_VYXWindowFrame::WidthForTitle(caption));
        // The caption needs more than the text would give the box.
        QVERIFY(box->fontMetrics().horizontalAdvance(QStringLiteral("is not allowed!!")) <
                C_VYXWindowFrame::WidthForTitle(caption) / 2);
    }
};

VYX_WIDGET_TEST_MAIN(WindowFramesTest)

#include "test_window_frames.moc"
