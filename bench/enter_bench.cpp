// SPDX-License-Identifier: MIT
// enter_bench: edits on long calculation areas in the real main window, each beside a bare
// QPlainTextEdit doing the same (the toolkit's own cost of that edit on that text, repainted):
// Enter at the end of 10,000 and 100,000 lines, one typed character at the end and in the middle
// of 100,000 lines, and opening a 5 MB document until it is shown.
#include "C_MainFrm.h"
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXProfile.h"
#include "C_VYXQtFileChooser.h"
#include "C_VYXStreamMessageBoxes.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 41;
constexpr int kOpenRuns = 5;
constexpr qsizetype kDocumentBytes = 5 * 1024 * 1024;
const QString kTypedLine = QStringLiteral("1/2+1/(2+3+1/7)");
const QString kBareResult = QStringLiteral("\n25/36 //≈0.694444\n");

/// `lines` lines of sums and their results, as a user's long session leaves them.
QString LongSession(int lines) {
    QString text;
    for (int i = 0; i < lines / 2; ++i)
        text += QStringLiteral("%1/7+%2\r\n%3/7\r\n").arg(i).arg(i % 13).arg(i + 7 * (i % 13));
    return text;
}

QString BareText(const QString& areaText) {
    return QString(areaText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

/// Median milliseconds of `work` over `runs` runs, each after an untimed `prepare`.
double Median(int runs, const std::function<void()>& prepare, const std::function<void()>& work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        prepare();
        QApplication::processEvents();
        const Clock::time_point start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[std::size_t(runs / 2)];
}

void SendKey(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

/// Everything the user waits for: the key handled, pending events done, the area repainted.
void Settle(QPlainTextEdit* view) {
    QApplication::processEvents();
    view->viewport()->repaint();
}

/// Shows `widget` and waits until the window system has put it on the screen, so that
/// repainting it paints.
void ShowExposed(QWidget* widget) {
    widget->show();
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(5);
    while (Clock::now() < deadline &&
           (widget->windowHandle() == nullptr || !widget->windowHandle()->isExposed()))
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

void Report(const char* what, double ours, double peer) {
    std::printf("%-44s %9.3f ms  bare %8.3f ms  ratio %6.2f\n", what, ours, peer, ours / peer);
}

/// The program's main window with its own profile, answering every question on stderr.
struct Program {
    QTemporaryDir profileDir;
    C_VYXProfile profile{profileDir.filePath(QStringLiteral("profile.ini"))};
    C_VYXStreamMessageBoxes messageBoxes{stderr};
    C_VYXQtFileChooser fileChooser;
    C_MainFrm frame{profile, messageBoxes, fileChooser};

    Program() {
        frame.resize(900, 700);
        ShowExposed(&frame);
        frame.TextView().setFocus();
    }
    C_VYXCalcTextView& View() { return frame.TextView(); }
    C_VYXCalcAreaModel& Area() { return frame.TextView().Model(); }
};

std::unique_ptr<QPlainTextEdit> BareEditor(const QString& areaText) {
    auto bare = std::make_unique<QPlainTextEdit>();
    bare->resize(900, 700);
    bare->setPlainText(BareText(areaText));
    ShowExposed(bare.get());
    return bare;
}

/// Enter after a typed line at the end of a `lines`-line area.
void EnterAtEnd(int lines) {
    const QString session = LongSession(lines);
    Program program;
    C_VYXCalcAreaModel& area = program.Area();
    area.InsertText(session);
    const double ours = Median(
        kRuns,
        [&] {
            area.SetSelection(int(area.Text().size()), int(area.Text().size()));
            area.TypeText(kTypedLine);
            Settle(&program.View());
        },
        [&] {
            SendKey(&program.View(), Qt::Key_Return, QStringLiteral("\r"));
            Settle(&program.View());
        });
    const auto bare = BareEditor(session);
    const double peer = Median(
        kRuns,
        [&] {
            bare->moveCursor(QTextCursor::End);
            bare->insertPlainText(kTypedLine);
            Settle(bare.get());
        },
        [&] {
            bare->insertPlainText(kBareResult);
            bare->verticalScrollBar()->setValue(bare->verticalScrollBar()->maximum());
            Settle(bare.get());
        });
    const QByteArray what = QStringLiteral("Enter at the end of %1 lines").arg(lines).toUtf8();
    Report(what.constData(), ours, peer);
}

/// One typed character at the end, then in the middle of a `lines`-line area.
void TypeCharacter(int lines) {
    const QString session = LongSession(lines);
    Program program;
    C_VYXCalcAreaModel& area = program.Area();
    area.InsertText(session);
    const auto bare = BareEditor(session);
    for (const bool middle : {false, true}) {
        const int line = middle ? area.LineCount() / 2 : area.LineCount() - 1;
        const int areaPosition = area.LineStart(line) + area.LineLength(line);
        const double ours = Median(
            kRuns, [&] { area.SetSelection(areaPosition, areaPosition); },
            [&] {
                SendKey(&program.View(), Qt::Key_1, QStringLiteral("1"));
                Settle(&program.View());
            });
        const double peer = Median(
            kRuns,
            [&] {
                QTextCursor cursor(bare->document()->findBlockByNumber(line));
                cursor.movePosition(QTextCursor::EndOfBlock);
                bare->setTextCursor(cursor);
                bare->ensureCursorVisible();
            },
            [&] {
                SendKey(bare.get(), Qt::Key_1, QStringLiteral("1"));
                Settle(bare.get());
            });
        const QByteArray what =
            QStringLiteral("Type a character %1 of %2 lines")
                .arg(middle ? QStringLiteral("in the middle") : QStringLiteral("at the end"))
                .arg(lines)
                .toUtf8();
        Report(what.constData(), ours, peer);
    }
}

/// File Open of a document of about kDocumentBytes until the area shows it, beside a bare
/// editor reading the same text from a plain file.
void OpenDocument() {
    QTemporaryDir dir;
    const QString documentPath = dir.filePath(QStringLiteral("long.vyx"));
    const QString plainPath = dir.filePath(QStringLiteral("long.txt"));
    QString session;
    {
        C_VYXStreamMessageBoxes boxes{stderr};
        C_TOBRIK_CALCULATORDoc document{boxes};
        document.OnNewDocument();
        C_VYXCalcAreaModel area{document};
        int lines = 1000;
        while (LongSession(lines).size() * 2 < kDocumentBytes)
            lines *= 2;
        session = LongSession(lines);
        session.truncate(kDocumentBytes / 2);
        session.truncate(session.lastIndexOf(QStringLiteral("\r\n")) + 2);
        area.InsertText(session);
        document.OnSaveDocument(documentPath);
        QFile plain(plainPath);
        if (!plain.open(QIODevice::WriteOnly))
            return;
        plain.write(BareText(session).toUtf8());
    }
    // One window at a time: the ones opened before would only add to the memory in use.
    std::unique_ptr<Program> program;
    const double ours = Median(
        kOpenRuns,
        [&] {
            program.reset();
            program = std::make_unique<Program>();
        },
        [&] {
            program->frame.OpenFromCommandLine(documentPath);
            Settle(&program->View());
        });
    const qint64 bytes = QFileInfo(documentPath).size();
    const bool complete = program->Area().Text() == session;
    program.reset();
    std::unique_ptr<QPlainTextEdit> bare;
    const double peer = Median(
        kOpenRuns,
        [&] {
            bare.reset();
            bare = std::make_unique<QPlainTextEdit>();
            bare->resize(900, 700);
            ShowExposed(bare.get());
        },
        [&] {
            QFile plain(plainPath);
            if (plain.open(QIODevice::ReadOnly))
                bare->setPlainText(QString::fromUtf8(plain.readAll()));
            Settle(bare.get());
        });
    const QByteArray what = QStringLiteral("Open a %1 MB document%2")
                                .arg(double(bytes) / (1024 * 1024), 0, 'f', 1)
                                .arg(complete ? QString() : QStringLiteral(" (TEXT DIFFERS)"))
                                .toUtf8();
    Report(what.constData(), ours, peer);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::printf("Median of %d runs (opening: %d), %s platform; target < 16 ms per key, < 1 s to "
                "open\n",
                kRuns, kOpenRuns, qPrintable(QGuiApplication::platformName()));
    // Naming parts ("enter", "type", "open") runs only those, for a profiler.
    const QStringList parts = application.arguments().mid(1);
    auto wanted = [&](const char* part) {
        return parts.isEmpty() || parts.contains(QLatin1String(part));
    };
    if (wanted("enter")) {
        EnterAtEnd(10000);
        EnterAtEnd(100000);
    }
    if (wanted("type"))
        TypeCharacter(100000);
    if (wanted("open"))
        OpenDocument();
    return 0;
}
