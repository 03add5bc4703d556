// SPDX-License-Identifier: MIT
// preview_bench: from a key typed on an ordinary line to its result in the status bar, in the
// real main window, beside a bare QPlainTextEdit handling the same key (the toolkit's own cost
// of a keystroke, repainted); then how long a huge pasted line and a slow power hold the window.
#include "C_MainFrm.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXProfile.h"
#include "C_VYXQtFileChooser.h"
#include "C_VYXStatusBar.h"
#include "C_VYXStreamMessageBoxes.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 41;
/// A user's session before the line being typed.
constexpr int kSessionLines = 200;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> times) {
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

void TypeKey(QWidget* target, char digit) {
    const QString text(QChar::fromLatin1(digit));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + (digit - '0'), Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_0 + (digit - '0'), Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

/// Runs the event loop until the status bar's text is no longer `before` (at most a minute);
/// false on time-out.
bool WaitForNewStatus(C_VYXStatusBar& bar, const QString& before) {
    QTimer timeout;
    timeout.start(60000);
    while (bar.StatusText() == before && timeout.isActive())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return bar.StatusText() != before;
}

/// Runs the event loop until the window is on the screen (at most ten seconds): a widget that is
/// not yet exposed paints nothing, which would make its keystrokes look free.
void WaitForExposed(QWidget& widget) {
    QTimer timeout;
    timeout.start(10000);
    while (!(widget.windowHandle() != nullptr && widget.windowHandle()->isExposed()) &&
           timeout.isActive())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

/// Starts the area over with the session and the line, the caret at its end, the preview shown.
void StartLine(C_MainFrm& frame, const QString& session, const QString& line) {
    C_VYXCalcAreaModel& area = frame.TextView().Model();
    area.SelectAll();
    area.TypeText(session + line);
    const QString before = frame.StatusBar().StatusText();
    WaitForNewStatus(frame.StatusBar(), before);
    QApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir profileDir;
    C_VYXProfile profile(profileDir.filePath(QStringLiteral("profile.ini")));
    C_VYXStreamMessageBoxes messageBoxes(stderr);
    C_VYXQtFileChooser fileChooser;

    QString session;
    for (int i = 0; i < kSessionLines / 2; ++i)
        session += QStringLiteral("%1/7+%2\r\n%3/7\r\n").arg(i).arg(i % 13).arg(i + 7 * (i % 13));

    C_MainFrm frame(profile, messageBoxes, fileChooser);
    frame.resize(900, 700);
    frame.show();
    WaitForExposed(frame);
    C_VYXCalcTextView& view = frame.TextView();
    C_VYXStatusBar& bar = frame.StatusBar();
    view.setFocus();

    // Each run types one digit after "<run>/7+1/(3+"; every digit changes the value, so the
    // status bar's text changes once the new preview is there.
    std::vector<double> ours;
    for (int run = 0; run < kRuns; ++run) {
        StartLine(frame, session, QStringLiteral("%1/7+1/(3+").arg(run + 1));
        const QString before = bar.StatusText();
        const Clock::time_point start = Clock::now();
        TypeKey(&view, char('1' + run % 9));
        if (!WaitForNewStatus(bar, before)) {
            std::fprintf(stderr, "no preview after a keystroke\n");
            return 1;
        }
        bar.repaint();
        ours.push_back(MillisecondsSince(start));
    }

    QPlainTextEdit bare;
    bare.resize(900, 700);
    bare.setPlainText(QString(session).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    bare.show();
    WaitForExposed(bare);
    bare.moveCursor(QTextCursor::End);
    std::vector<double> peer;
    for (int run = 0; run < kRuns; ++run) {
        QApplication::processEvents();
        const Clock::time_point start = Clock::now();
        TypeKey(&bare, char('1' + run % 9));
        QApplication::processEvents();
        bare.viewport()->repaint();
        peer.push_back(MillisecondsSince(start));
    }

    // Lines the engine takes long over: how long the window is held, and when the result shows.
    struct Heavy {
        const char* name;
        QString line;
    };
    const Heavy heavyLines[] = {
        {"1 MB line \"1+1+...+1\" pasted", QStringLiteral("1+").repeated(500000) + u'1'},
        {"\"(1+I)^2147483647\" pasted", QStringLiteral("(1+I)^2147483647")},
    };
    C_VYXCalcAreaModel& area = view.Model();
    std::printf("Keystroke to preview on an ordinary line, median of %d (%s platform):\n", kRuns,
                qPrintable(QGuiApplication::platformName()));
    std::printf("  TobrikCalculator             %8.3f ms   (target < 16 ms)\n", Median(ours));
    std::printf("  bare QPlainTextEdit keystroke %7.3f ms\n", Median(peer));
    std::printf("  ratio ours/peer              %8.2f\n", Median(ours) / Median(peer));
    for (const Heavy& heavy : heavyLines) {
        StartLine(frame, QString(), QStringLiteral("1"));
        const QString before = bar.StatusText();
        QApplication::clipboard()->setText(heavy.line);
        const Clock::time_point start = Clock::now();
        area.SelectAll();
        view.Paste();
        QApplication::processEvents();
        const double held = MillisecondsSince(start);
        const bool shown = WaitForNewStatus(bar, before);
        std::printf("  %s: window held %.1f ms, preview after %.1f ms%s\n", heavy.name, held,
                    MillisecondsSince(start), shown ? "" : " (none within a minute)");
    }
    return 0;
}
