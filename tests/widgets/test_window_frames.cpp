// SPDX-License-Identifier: MIT
// Tests of the message boxes' frames: a close box only, and wide enough for the window manager
// to show the whole caption. (The panels' frames are checked on a real X server.)
#include "C_VYXQtMessageBoxes.h"
#include "C_VYXWindowFrame.h"
#include "WidgetTestSupport.h"

namespace {

bool HasCloseBoxOnly(Qt::WindowFlags flags) {
    return flags.testFlag(Qt::WindowCloseButtonHint) &&
           !flags.testFlag(Qt::WindowMinimizeButtonHint) &&
           !flags.testFlag(Qt::WindowMaximizeButtonHint);
}

} // namespace

class WindowFramesTest : public MainFrameFixture {
    Q_OBJECT

private slots:
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
