// SPDX-License-Identifier: MIT
// Tests of the help window (guide text, scroll ranges, keys, wheel, hiding the main window)
// and of the about box.
#include "C_VYXAboutBox.h"
#include "C_VYXHelpWindow.h"
#include "WidgetTestSupport.h"

namespace {
QList<C_VYXHelpWindow*> OpenHelpWindows() {
    QList<C_VYXHelpWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<C_VYXHelpWindow*>(widget))
            windows.append(help);
    return windows;
}

void SendWheel(C_VYXHelpWindow* window, int delta) {
    const QPointF inside(10, 10);
    QWheelEvent event(inside, window->viewport()->mapToGlobal(inside), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window->viewport(), &event);
}
} // namespace

class HelpWindowTest : public MainFrameFixture {
    Q_OBJECT

private:
    /// The one help window that "Display help." opens; the test stops when there is none.
    C_VYXHelpWindow* OpenHelp() {
        Trigger("actionHelpHelp");
        const QList<C_VYXHelpWindow*> windows = OpenHelpWindows();
        if (windows.size() != 1)
            qFatal("%d help windows", int(windows.size()));
        return windows.first();
    }

private slots:
    void cleanup() {
        QGuiApplication::styleHints()->setWheelScrollLines(3);
        MainFrameFixture::cleanup();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(OpenHelpWindows().size(), 0);
    }

    void guideTextScrollArithmeticAndTheAboutBox() {
        // 8-bit text without backslashes or control characters (the window's measure stops
        // at them), every break a CR LF.
        const QRegularExpression bad(R"([^\x20-\x5B\x5D-\xFF\r\n]|\r(?!\n)|(?<!\r)\n)");
        QCOMPARE(bad.match(C_VYXHelpWindow::LoadHelpText()).capturedStart(), -1);
        // No division by zero for a zero page, setting or step.
        QCOMPARE(C_VYXHelpWindow::ScrollMaximum(10, 0), 10);
        QCOMPARE(C_VYXHelpWindow::WheelDeltaPerLine(0), 0);
        QCOMPARE(C_VYXHelpWindow::WheelLines(120, 0), 0);
        // The about box shows its text whole, and Escape closes it.
        C_VYXAboutBox box(m_frame.get());
        box.setWindowModality(Qt::NonModal);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const auto* label = box.findChild<QLabel*>(u"aboutText"_s);
        QVERIFY(label->sizeHint().boundedTo(label->size()) == label->sizeHint()); // not cut off
        QVERIFY(label->text().contains(QRegularExpression(u"Version \\d+\\.\\d+"_s)));
        QTest::keyClick(&box, Qt::Key_Escape);
        QVERIFY(!box.isVisible() && box.result() == QDialog::Rejected);
    }

    void readingTheGuideWithKeysAndWheel() {
        C_VYXHelpWindow* window = OpenHelp();
        QCOMPARE(window->Text(), C_VYXHelpWindow::LoadHelpText());
        // A small text area with both scroll bars, so that every key has room to act.
        window->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        window->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        window->resize(window->size() - window->viewport()->size() + QSize(200, 100));

        const int lineHeight = window->LineHeight(), charWidth = window->CharWidth();
        QScrollBar* vertical = window->verticalScrollBar();
        QScrollBar* horizontal = window->horizontalScrollBar();
        const int page = vertical->pageStep();
        const int max = vertical->maximum(), hPage = horizontal->pageStep();
        QVERIFY(page >= 2 && max > 3 * page && horizontal->maximum() > hPage);
        // clang-format off
        const struct { Qt::Key key; int vertical, horizontal; } steps[] = {
            {Qt::Key_Up, 0, 0}, {Qt::Key_Down, 1, 0}, {Qt::Key_PageDown, 1 + page, 0},
            {Qt::Key_PageUp, 1, 0}, {Qt::Key_End, max, 0}, {Qt::Key_Down, max, 0},
            {Qt::Key_Home, 0, 0}, {Qt::Key_Right, 0, hPage}}; // sideways by pages
        // clang-format on
        for (const auto& step : steps) {
            QTest::keyClick(window, step.key);
            QVERIFY2(vertical->value() == step.vertical && horizontal->value() == step.horizontal,
                     qPrintable(QString::asprintf("after key %x: %d, %d", step.key,
                                                  vertical->value(), horizontal->value())));
            // The text is drawn where the scroll bars say.
            QCOMPARE(window->TextOrigin(),
                     QPoint((1 - step.horizontal) * charWidth, (1 - step.vertical) * lineHeight));
            // At the bottom the last line of text is in the window, with the margin below it.
            if (step.key == Qt::Key_End)
                QCOMPARE(window->TextOrigin().y() + (window->LineCount() + 1) * lineHeight,
                         window->viewport()->height() / lineHeight * lineHeight);
        }

        // The wheel scrolls whole lines by the desktop setting, three a notch: less than a line
        // does nothing, and nothing is carried over to the next event.
        const int wheelSteps[][2] = {{-120, 3}, {40, 2}, {-39, 2}, {-39, 2}, {-120000, max}};
        for (const auto& [delta, value] : wheelSteps) {
            SendWheel(window, delta);
            QCOMPARE(vertical->value(), value);
        }
        // A changed desktop setting counts at once.
        QGuiApplication::styleHints()->setWheelScrollLines(1);
        SendWheel(window, 120);
        QCOMPARE(vertical->value(), max - 1);
    }

    void mainWindowHiddenWhileOpenAndBackAfterClose() {
        m_frame->setGeometry(200, 150, 500, 300);
        m_frame->activateWindow(); // the fixture gave the area the focus
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        const QRect before = m_frame->geometry();
        C_VYXHelpWindow* window = OpenHelp();
        QVERIFY(window->isVisible() && !m_frame->isVisible());
        QCOMPARE(window->geometry(),
                 QRect(before.left() + before.width() / 10, before.top() + before.height() / 10,
                       before.width(), before.height()));
        // The guide is read before it is closed: the help window holds the focus meanwhile.
        QVERIFY(QTest::qWaitForWindowActive(window));
        // A second "Display help." keeps the one window.
        Trigger("actionHelpHelp");
        QCOMPARE(OpenHelpWindows(), QList<C_VYXHelpWindow*>{window});

        QVERIFY(window->close() && m_frame->isVisible());
        QCOMPARE(m_frame->geometry(), before);
        // Typing goes on in the area.
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        QTRY_VERIFY(View()->hasFocus());
        QTest::keyClicks(QApplication::focusWidget(), u"7*6"_s);
        QCOMPARE(Area().Text(), u"7*6"_s);
    }
};

VYX_WIDGET_TEST_MAIN(HelpWindowTest)
#include "test_help_window.moc"
