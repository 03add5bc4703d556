// SPDX-License-Identifier: MIT
// Tests of where the keyboard goes: the commands of panels and toolbars hand it to the
// calculation area, and the panels made of buttons never take it. Run offscreen, and again on
// a real X server with a window manager, where only the window manager decides which window is
// active.
#include "C_VYXCalcCMPLXView.h"
#include "C_VYXCharPalette.h"
#include "C_VYXInsertCommands.h"
#include "WidgetTestSupport.h"

#include <functional>

namespace {
/// Time for a window manager to act on a window just mapped (focusing it, when it would).
constexpr int kWindowManagerMs = 300;

// A button of each panel made of buttons.
const std::tuple<const char*, Panel, QString> kButtonPanels[] = {
    {"numpad", Panel::Numpad, C_VYXCalcBasicButtonsView::ControlName(1027)},
    {"complex", Panel::Complex, C_VYXCalcCMPLXView::ButtonObjectName(1024)},
    {"Latin", Panel::Latin, C_VYXCharPalette::KeyObjectName(1095)},
    {"Greek", Panel::Greek, C_VYXCharPalette::KeyObjectName(1053)},
    {"Math", Panel::Math, C_VYXCharPalette::KeyObjectName(1162)}};

/// Notes that a real Shift key stroke has reached the program.
struct ShiftReleaseWatcher : QObject {
    bool seen = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Shift)
            seen = true;
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

class KeyboardFocusTest : public MainFrameFixture {
    Q_OBJECT

private:
    /// Another window has the keyboard: the variables panel, with the cursor in its name field.
    /// Panels with fields must take it.
    bool FocusElsewhere() {
        C_VYXDlgFix* variables = ShowPanel(Panel::Variables);
        variables->activateWindow();
        QLineEdit* name = Control<QLineEdit>(variables, u"editVariableName"_s);
        name->setFocus();
        // The toolkit may report the activation before the X server has moved the focus.
        return QTest::qWaitFor([&] {
            return QApplication::activeWindow() == variables &&
                   QApplication::focusWidget() == name && XFocusIsOn(variables);
        });
    }

    /// Empty when the main window is active, the area has the keyboard and a key typed now
    /// lands there; else what is wrong.
    QString KeyboardProblem() {
        if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == m_frame.get(); }))
            return u": active window "_s + Name(QApplication::activeWindow());
        if (QApplication::focusWidget() != View())
            return u": focus on "_s + Name(QApplication::focusWidget());
        // A real key goes to the focus widget of the active window.
        const QString before = Area().Text();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_7);
        if (Area().Text().size() != before.size() + 1 ||
            Area().Text().at(Area().Caret() - 1) != u'7')
            return u": typing 7 gave "_s + Area().Text();
        return QString();
    }
    static QString Name(const QObject* object) {
        return object == nullptr ? u"none"_s : object->objectName();
    }

    /// Whether the X server's keyboard focus is on the window (always true off X).
    static bool XFocusIsOn(const QWidget* window) {
        if (QGuiApplication::platformName() != u"xcb"_s)
            return true;
        QProcess xdotool;
        xdotool.start(u"xdotool"_s, {u"getwindowfocus"_s});
        return xdotool.waitForFinished() &&
               xdotool.readAllStandardOutput().trimmed().toULongLong() == window->winId();
    }

    /// On X, window activation follows the time of the user's input that asked for it, and the
    /// events QTest makes carry no time: a real Shift key stroke stands for the click or key that
    /// starts a command. Elsewhere nothing is needed.
    static bool StampUserInput() {
        if (QGuiApplication::platformName() != u"xcb"_s)
            return true;
        ShiftReleaseWatcher watcher;
        qApp->installEventFilter(&watcher);
        const bool sent = QProcess::execute(u"xdotool"_s, {u"key"_s, u"shift"_s}) == 0;
        const bool seen = sent && QTest::qWaitFor([&] { return watcher.seen; });
        qApp->removeEventFilter(&watcher);
        return seen;
    }

private slots:
    void init() {
        MainFrameFixture::init();
        m_frame->activateWindow(); // the fixture gave the area the focus
        QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == m_frame.get(); }));
    }

    void commandsHandTheKeyboardToTheArea() {
        if (QGuiApplication::platformName() == u"xcb"_s &&
            QStandardPaths::findExecutable(u"xdotool"_s).isEmpty())
            QSKIP("xdotool is not installed");
        // A variable for the two "Use" commands, chosen in the panel and in the toolbar's list.
        TypeLine(u"v=5"_s);
        Control<QListWidget>(ShowPanel(Panel::Variables), u"listVariables"_s)->setCurrentRow(0);

        QList<std::pair<QString, std::function<void()>>> rows = {
            // name, command
            {"numpad slider",
             [&] {
                 NumpadControl<QSlider>(C_VYXCalcBasicButtonsView::kSliderId)
                     ->triggerAction(QSlider::SliderSingleStepSub);
             }},
            {"variables panel Use selected.",
             [&] { Click(Control(ShowPanel(Panel::Variables), u"buttonUseSelected"_s)); }},
            {"variables toolbar Use", [&] { Trigger("actionUseSelectedVariable"); }},
        };
        for (const auto& [id, name] :
             {std::pair{1030, "="}, {1144, "approx"}, {1028, "DEL"}, {1031, "CLS"}, {1013, "7"}})
            rows.append({u"numpad "_s + QString::fromLatin1(name),
                         [this, id = id] { Click(NumpadControl(id)); }});
        for (const C_VYXInsertCommands::Command& command : C_VYXInsertCommands::Commands())
            rows.append({QString::fromLatin1(command.objectName),
                         [this, &command] { Trigger(command.objectName); }});

        for (const auto& [name, run] : rows) {
            Area().ClearArea();
            Area().TypeText(u"2"_s);
            QVERIFY2(FocusElsewhere(), qPrintable(name));
            QVERIFY2(StampUserInput(), "no real key reached the program");
            run();
            const QString problem = KeyboardProblem();
            QVERIFY2(problem.isEmpty(), qPrintable(name + problem));
        }
    }

    void panelsOfButtonsLeaveTheKeyboardInTheArea_data() { AddRows(kButtonPanels); }
    void panelsOfButtonsLeaveTheKeyboardInTheArea() {
        const auto& [row, panel, button] = FetchRow(kButtonPanels);
        C_VYXDlgFix* dialog = ShowPanel(panel);
        // Only a window manager decides on activation (the offscreen platform activates every
        // window shown); it would focus a new window at once: give it the time to.
        if (QGuiApplication::platformName() != u"offscreen"_s) {
            QTest::qWait(kWindowManagerMs);
            QCOMPARE(QApplication::activeWindow(), m_frame.get());
            QCOMPARE(QApplication::focusWidget(), View());
        }
        // A click on a button: the button takes no focus, the keyboard stays in the area.
        Click(Control(dialog, button));
        const QString problem = KeyboardProblem();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
};

VYX_WIDGET_TEST_MAIN(KeyboardFocusTest)

#include "test_keyboard_focus.moc"
