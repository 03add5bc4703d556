// SPDX-License-Identifier: MIT
// take_screenshots: opens the real main window and its panels on the current X display, types a
// short session and saves pictures of the screen for the documentation. The window starts as on
// a first start (fresh profile), so the pictures show where the program puts everything.
#include "C_MainFrm.h"
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXProfile.h"
#include "C_VYXQtFileChooser.h"
#include "C_VYXQtMessageBoxes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolBar>

#include <cstdio>
#include <initializer_list>

namespace {

using Panel = C_VYXPanelSet::Panel;

void Wait(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

/// The screen area covering every visible top-level window, with a small margin.
QRect VisibleWindowsArea() {
    QRect area;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowType() != Qt::ToolTip)
            area = area.united(window->frameGeometry());
    return area.adjusted(-8, -8, 8, 8);
}

bool Save(const QString& directory, const QString& name) {
    Wait(400);
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = VisibleWindowsArea().intersected(screen->geometry());
    const QPixmap picture = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    const QString path = QDir(directory).filePath(name);
    const bool saved = picture.save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

void ShowOnly(C_MainFrm& frame, std::initializer_list<Panel> panels) {
    for (int i = 0; i < C_VYXPanelSet::kCount; ++i)
        if (frame.Panels().IsShown(Panel(i)))
            frame.Panels().Toggle(Panel(i));
    for (Panel panel : panels)
        frame.Panels().Toggle(panel);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tobrikcalculator.svg")));
    QCommandLineParser parser;
    const QCommandLineOption mainWindowOnly(
        QStringLiteral("main-window-only"),
        QStringLiteral("Only the main window with the numpad and the variables panel."));
    const QCommandLineOption suffix(QStringLiteral("suffix"),
                                    QStringLiteral("Appended to each picture's name."),
                                    QStringLiteral("TEXT"));
    parser.addOptions({mainWindowOnly, suffix});
    parser.addPositionalArgument(QStringLiteral("OUTPUT_DIRECTORY"),
                                 QStringLiteral("Where the pictures go (run on an X display)."));
    parser.process(application);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    const QString directory = parser.positionalArguments().first();
    const auto name = [&](const char* base) {
        return QString::fromLatin1(base) + parser.value(suffix) + QStringLiteral(".png");
    };
    QTemporaryDir profileDirectory;
    C_VYXProfile profile(profileDirectory.filePath(QStringLiteral("profile.ini")));
    C_VYXQtMessageBoxes messageBoxes;
    C_VYXQtFileChooser fileChooser;
    C_MainFrm frame(profile, messageBoxes, fileChooser);
    messageBoxes.SetParentWidget(&frame);
    frame.show();
    Wait(300);

    C_VYXCalcAreaModel& area = frame.TextView().Model();
    for (const char* line : {"1/2+1/(2+3+1/7)", "radius=2,5", "area=PI*radius^2", "area/radius",
                             "SQRT(-4)+3/4", "(1+I)^8", "5!/3!"}) {
        area.TypeText(QString::fromUtf8(line));
        area.PressEnter(false);
    }
    frame.TextView().OnUpdate();

    bool ok = true;
    ShowOnly(frame, {Panel::Numpad, Panel::Variables});
    ok &= Save(directory, name("main-window"));
    if (!parser.isSet(mainWindowOnly)) {
        ShowOnly(frame, {Panel::Trigonometry, Panel::Conversion});
        ok &= Save(directory, name("trigonometry-and-conversion"));
        ShowOnly(frame, {Panel::Complex, Panel::Math});
        ok &= Save(directory, name("complex-and-math"));
        ShowOnly(frame, {Panel::Latin, Panel::Greek});
        ok &= Save(directory, name("latin-and-greek"));
    }
    ShowOnly(frame, {});
    frame.setWindowModified(false);
    frame.Document().SetModifiedFlag(false);
    return ok ? 0 : 1;
}
