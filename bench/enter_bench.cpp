// SPDX-License-Identifier: MIT
// enter_bench: Enter on a line at the end of a 10,000-line calculation area, in the real main
// window, beside a bare QPlainTextEdit that only inserts the same two lines (the toolkit's own
// cost of an edit at the end of a long text, repainted).
#include "C_MainFrm.h"
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXProfile.h"
#include "C_VYXQtFileChooser.h"
#include "C_VYXStreamMessageBoxes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextCursor>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kLines = 10000;
constexpr int kRuns = 41;

/// The area's text: kLines lines of sums and their results, as a user's long session leaves it.
QString LongSession() {
    QString text;
    for (int i = 0; i < kLines / 2; ++i)
        text += QStringLiteral("%1/7+%2\r\n%3/7\r\n").arg(i).arg(i % 13).arg(i + 7 * (i % 13));
    return text;
}

/// Median milliseconds of `work` over kRuns runs, each after an untimed `prepare`.
double Median(const std::function<void()>& prepare, const std::function<void()>& work) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        prepare();
        QApplication::processEvents();
        const Clock::time_point start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
    return times[kRuns / 2];
}

void PressEnter(QWidget* target) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(target, &release);
}

/// Everything the user waits for: the key handled, pending events done, the area repainted.
void Settle(QPlainTextEdit* view) {
    QApplication::processEvents();
    view->viewport()->repaint();
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
    const QString session = LongSession();

    C_MainFrm frame(profile, messageBoxes, fileChooser);
    frame.resize(900, 700);
    frame.show();
    C_VYXCalcTextView& view = frame.TextView();
    C_VYXCalcAreaModel& area = view.Model();
    area.InsertText(session);
    view.setFocus();
    const double ours = Median(
        [&] {
            area.SetSelection(int(area.Text().size()), int(area.Text().size()));
            area.TypeText(QStringLiteral("1/2+1/(2+3+1/7)"));
            Settle(&view);
        },
        [&] {
            PressEnter(&view);
            Settle(&view);
        });
    const int lines = area.LineCount();

    QPlainTextEdit bare;
    bare.resize(900, 700);
    bare.setPlainText(QString(session).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    bare.show();
    const double peer = Median(
        [&] {
            bare.moveCursor(QTextCursor::End);
            bare.insertPlainText(QStringLiteral("1/2+1/(2+3+1/7)"));
            Settle(&bare);
        },
        [&] {
            bare.insertPlainText(QStringLiteral("\n25/36 //≈0.694444\n"));
            bare.verticalScrollBar()->setValue(bare.verticalScrollBar()->maximum());
            Settle(&bare);
        });

    std::printf("Enter at the end of a %d-line area, median of %d (%s platform):\n", lines, kRuns,
                qPrintable(QGuiApplication::platformName()));
    std::printf("  TobrikCalculator            %8.3f ms   (target < 16 ms)\n", ours);
    std::printf("  bare QPlainTextEdit insert  %8.3f ms\n", peer);
    std::printf("  ratio ours/peer             %8.2f\n", ours / peer);
    return 0;
}
