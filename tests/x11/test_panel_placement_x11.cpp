// SPDX-License-Identifier: MIT
// Where the tool panels open on a real X server with a window manager, whose frames and screen
// edges the offscreen platform does not have. Run by tools/x11_session.sh at scale 1 and 2.
#include "WidgetTestSupport.h"

namespace {
/// Each panel with the command that opens it: left-side panels, then right-side ones, then the
/// two partners of the stacked pairs.
constexpr std::pair<Panel, const char*> kOpeningOrder[] = {
    {Panel::Numpad, "actionPanelNumpad"},
    {Panel::Complex, "actionPanelComplex"},
    {Panel::Latin, "actionPanelLatin"},
    {Panel::Variables, "actionPanelVariables"},
    {Panel::Greek, "actionPanelGreek"},
    {Panel::Math, "actionPanelMath"},
    {Panel::Trigonometry, "actionPanelTrigonometry"},
    {Panel::Conversion, "actionPanelConversion"}};

/// The actions the window manager offers for a window, as xprop reports them.
QString AllowedActions(const QWidget& window) {
    QProcess xprop;
    xprop.start(u"xprop"_s,
                {u"-id"_s, QString::number(window.winId()), u"_NET_WM_ALLOWED_ACTIONS"_s});
    xprop.waitForFinished(10000);
    return QString::fromLatin1(xprop.readAllStandardOutput());
}

QString Describe(const QRect& rect) {
    return QString::asprintf("%d,%d %dx%d", rect.x(), rect.y(), rect.width(), rect.height());
}
} // namespace

class PanelPlacementX11Test : public MainFrameFixture {
    Q_OBJECT

private:
    C_VYXDlgFix* Open(Panel which, const char* action) {
        Trigger(action);
        C_VYXDlgFix* panel = m_frame->Panels().Get(which);
        if (!QTest::qWaitForWindowExposed(panel, 20000))
            return nullptr;
        // The window manager's frame arrives after the window is mapped; until then the frame
        // geometry is that of the bare window.
        const bool framed =
            QTest::qWaitFor([panel] { return panel->frameGeometry() != panel->geometry(); }, 20000);
        return framed ? panel : nullptr;
    }

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != u"xcb"_s)
            QSKIP("needs an X server (run through tools/x11_session.sh)");
    }

    void panelsOpenOnTheScreenClearOfEachOtherWithACloseBoxOnly() {
        QTRY_VERIFY_WITH_TIMEOUT(m_frame->frameGeometry() != m_frame->geometry(), 20000);
        const QRect available = m_frame->screen()->availableGeometry();
        // The menu titles, File to Help; on a small screen a panel may cover the empty rest of
        // the menu bar.
        const QMenuBar* bar = m_frame->menuBar();
        QRect menu;
        for (QAction* action : bar->actions())
            menu = menu.united(bar->actionGeometry(action));
        menu.moveTopLeft(bar->mapToGlobal(menu.topLeft()));
        QList<QPair<const char*, QRect>> shown;
        const bool xprop = !QStandardPaths::findExecutable(u"xprop"_s).isEmpty();
        for (const auto& [which, action] : kOpeningOrder) {
            C_VYXDlgFix* panel = Open(which, action);
            QVERIFY2(panel != nullptr, action);
            const QRect frame = panel->frameGeometry();
            const QString where = QString::fromLatin1(action) + u' ' + Describe(frame);
            // Wholly on the screen that holds the main window, EXE and USE included.
            QVERIFY2(available.contains(frame), qPrintable(where + u' ' + Describe(available)));
            // The main window's menus stay within reach.
            QVERIFY2(!frame.intersects(menu), qPrintable(where));
            for (const auto& [other, otherFrame] : shown) {
                const QString pair =
                    where + u" and "_s + QString::fromLatin1(other) + u' ' + Describe(otherFrame);
                QVERIFY2(frame.topLeft() != otherFrame.topLeft(), qPrintable(pair));
                // The first six fit side by side on a screen of 1600 by 1000 at scale 1.
                if (available.height() >= 900 && shown.size() < 6)
                    QVERIFY2(!frame.intersects(otherFrame), qPrintable(pair));
            }
            shown.append({action, frame});
            // Window managers differ in what they make of a tool window's wishes; the panels are
            // declared such that even openbox gives them a close box only.
            if (!xprop)
                continue;
            const QString actions = AllowedActions(*panel);
            QVERIFY2(actions.contains(u"_NET_WM_ACTION_CLOSE"_s) &&
                         !actions.contains(u"_NET_WM_ACTION_MINIMIZE"_s) &&
                         !actions.contains(u"_NET_WM_ACTION_MAXIMIZE"_s),
                     qPrintable(where + u' ' + actions));
        }
        if (!xprop)
            QSKIP("xprop (x11-utils) is needed to read the window manager's answer");
    }
};

VYX_WIDGET_TEST_MAIN(PanelPlacementX11Test)

#include "test_panel_placement_x11.moc"
