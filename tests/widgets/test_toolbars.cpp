// SPDX-License-Identifier: MIT
// Tests of the toolbars: start-up layout, texts, enabling by the caret, the symbol commands,
// View > Toolbars and View > Dialogs, and the layout kept in the profile.
#include "C_MainFrm.h"
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXDlgFix.h"
#include "C_VYXInsertCommands.h"
#include "C_VYXToolbarPlacement.h"
#include "WidgetTestSupport.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QToolBar>

#include <set>

namespace {

using Panel = C_VYXPanelSet::Panel;

/// A panel with one button, enough to be shown, hidden and closed.
class PlainPanel : public C_VYXDlgFix {
public:
    explicit PlainPanel(C_VYXPanelOwner& owner)
        : C_VYXDlgFix(owner, 109, QStringLiteral("Plain"), Side::Left) {}

protected:
    void SetupControls() override { setFixedSize(100, 80); }
    void ReadSettings() override {}
};

/// Commands whose button needs a character before the caret on its line.
const QList<int> kNeedOperand = {32851, 32852, 32853, 32854, 32855, 32860, 32861};

} // namespace

class ToolbarsTest : public MainFrameFixture {
    Q_OBJECT

private:
    C_VYXCalcTextView* View() { return &m_frame->TextView(); }
    QToolBar* Bar(int id) {
        QToolBar* bar = m_frame->Toolbar(id);
        if (bar == nullptr)
            qFatal("no toolbar %d", id);
        return bar;
    }
    QAction* CommandAction(int id) {
        auto* commands = m_frame->findChild<C_VYXInsertCommands*>();
        QAction* action = commands != nullptr ? commands->Action(id) : nullptr;
        if (action == nullptr)
            qFatal("no command %d", id);
        return action;
    }
    QRect ClientArea() { return QRect(m_frame->mapToGlobal(QPoint(0, 0)), m_frame->size()); }
    /// Keys as the user presses them; each entry is a key combined with its modifiers.
    void Press(const QList<int>& keys) {
        for (int key : keys)
            QTest::keyClick(View(), Qt::Key(key & ~Qt::KeyboardModifierMask),
                            Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    }

private slots:
    void firstStartLayout() {
        const QList<int> docked = {128, 174, 205};
        QToolBar* previous = nullptr;
        for (int id : docked) {
            QToolBar* bar = Bar(id);
            QCOMPARE(m_frame->toolBarArea(bar), Qt::TopToolBarArea);
            QVERIFY(!bar->isFloating());
            QVERIFY(bar->isVisible());
            // In the order of the ids above: right of the previous bar, or on a row below it.
            if (previous != nullptr) {
                const bool sameRow = bar->y() == previous->y();
                QVERIFY2(sameRow ? bar->x() > previous->geometry().right()
                                 : bar->y() > previous->geometry().bottom(),
                         qPrintable(bar->objectName()));
            }
            previous = bar;
            // The window is narrow at a third of the screen: a bar that fits the window's
            // width shares its row only with bars that leave it room for every button.
            if (bar->sizeHint().width() > m_frame->width())
                continue;
            for (QAction* action : bar->actions()) {
                QWidget* button = bar->widgetForAction(action);
                QVERIFY2(action->isSeparator() || (button != nullptr && button->isVisible()),
                         qPrintable(bar->objectName() + QLatin1Char(' ') + action->text()));
            }
        }
        for (int id : {189, 193, 195, 197, 199}) {
            QToolBar* bar = Bar(id);
            QVERIFY2(bar->isHidden(), qPrintable(bar->objectName()));
            QVERIFY(bar->isFloating());
            QVERIFY(bar->isMovable());
            QVERIFY(ClientArea().adjusted(0, 0, 1, 1).contains(bar->pos()));
        }
        QVERIFY(Action("actionViewToolbarDialogs")->isChecked());
        QVERIFY(!Action("actionViewToolbarRoots")->isChecked());
    }

    void barsAndButtons_data() {
        QTest::addColumn<int>("bar");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("files") << 128 << "toolbarFiles"
                               << "Files&Toolbar"
                               << QStringList{"actionFileNew",   "actionFileOpen",
                                              "actionFileSave",  "actionFileSaveAs",
                                              "actionEditCut",   "actionEditCopy",
                                              "actionEditPaste", "actionFilePrint",
                                              "actionEditUndo",  "actionEditRedo"};
        QTest::newRow("dialogs") << 174 << "toolbarDialogs"
                                 << "Dialogs Toolabar"
                                 << QStringList{"actionPanelNumpad",     "actionPanelTrigonometry",
                                                "actionPanelComplex",    "actionPanelVariables",
                                                "actionPanelConversion", "actionPanelLatin",
                                                "actionPanelGreek",      "actionPanelMath"};
        QTest::newRow("roots") << 189 << "toolbarRoots"
                               << "Com. root Toolbar"
                               << QStringList{"actionInsertSquareRoot", "actionInsertCubeRoot",
                                              "actionInsertNthRoot"};
        QTest::newRow("powers") << 193 << "toolbarPowers"
                                << "Com. exp. Toolbar"
                                << QStringList{"actionInsertSquare", "actionInsertCube",
                                               "actionInsertPower", "actionInsertInverse"};
        QTest::newRow("logarithm") << 195 << "toolbarLogarithm"
                                   << "Logarithm Toolbar"
                                   << QStringList{"actionInsertExpPower", "actionInsertNaturalLog",
                                                  "actionInsertTenPower", "actionInsertTenLog"};
        QTest::newRow("execute") << 197 << "toolbarExecute"
                                 << "Exe. Toolbar"
                                 << QStringList{"actionCalculateLine",
                                                "actionCalculateApproximate"};
        QTest::newRow("delete") << 199 << "toolbarDelete"
                                << "Del. Toolbar"
                                << QStringList{"actionDeleteChar", "actionClearArea"};
    }

    void barsAndButtons() {
        QFETCH(int, bar);
        QFETCH(QString, objectName);
        QFETCH(QString, title);
        QFETCH(QStringList, buttons);
        QToolBar* toolbar = Bar(bar);
        QCOMPARE(toolbar->objectName(), objectName);
        QCOMPARE(toolbar->windowTitle(), title);
        QCOMPARE(toolbar->allowedAreas(), Qt::AllToolBarAreas);
        QVERIFY(toolbar->isFloatable());
        QStringList shown;
        for (QAction* action : toolbar->actions())
            if (!action->isSeparator())
                shown.append(action->objectName());
        QCOMPARE(shown, buttons);
    }

    void commandTexts_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("menuText");
        QTest::newRow("103") << "actionPanelNumpad"
                             << "Show numpad dialog."
                             << "Numpad.";
        QTest::newRow("101") << "actionPanelTrigonometry"
                             << "Show trigonometry dialog."
                             << "Trigonometry tools.";
        QTest::newRow("104") << "actionPanelComplex"
                             << "Show complex-functions dialog"
                             << "Complex number tools.";
        QTest::newRow("108") << "actionPanelVariables"
                             << "Show variables dialog."
                             << "Variable tools.";
        QTest::newRow("163") << "actionPanelConversion"
                             << "Show conversions dialog."
                             << "Conversion tool.";
        QTest::newRow("109") << "actionPanelLatin"
                             << "Show Latin-chars dialog."
                             << "Latin chars.";
        QTest::newRow("177") << "actionPanelGreek"
                             << "Show Greek-chars dialog."
                             << "Greek chars.";
        QTest::newRow("178") << "actionPanelMath"
                             << "Show math-chars dialog."
                             << "Math chars.";
        QTest::newRow("32849") << "actionInsertSquareRoot"
                               << "Square root out of x."
                               << "";
        QTest::newRow("32850") << "actionInsertCubeRoot"
                               << "Third root out of x."
                               << "";
        QTest::newRow("32851") << "actionInsertNthRoot"
                               << "N root out of x."
                               << "";
        QTest::newRow("32852") << "actionInsertSquare"
                               << "X powered to two."
                               << "";
        QTest::newRow("32853") << "actionInsertCube"
                               << "X powered to three."
                               << "";
        QTest::newRow("32854") << "actionInsertPower"
                               << "X powered to n."
                               << "";
        QTest::newRow("32855") << "actionInsertInverse"
                               << "X inverted."
                               << "";
        QTest::newRow("32856") << "actionInsertExpPower"
                               << "e powered to n."
                               << "";
        QTest::newRow("32857") << "actionInsertNaturalLog"
                               << "Natural logarithm."
                               << "";
        QTest::newRow("32858") << "actionInsertTenPower"
                               << "Ten powered to n."
                               << "";
        QTest::newRow("32859") << "actionInsertTenLog"
                               << "Ten logarithm."
                               << "";
        QTest::newRow("32860") << "actionCalculateLine"
                               << "Enter."
                               << "";
        QTest::newRow("32861") << "actionCalculateApproximate"
                               << "Calculate approx. value."
                               << "";
        QTest::newRow("32862") << "actionDeleteChar"
                               << "Delete char."
                               << "";
        QTest::newRow("32863") << "actionClearArea"
                               << "Clears the text area."
                               << "";
        QTest::newRow("files toggle") << "actionViewToolbarFiles"
                                      << ""
                                      << "Files&Toolbar";
        QTest::newRow("dialogs toggle") << "actionViewToolbarDialogs"
                                        << ""
                                        << "Dialogs Toolabar";
    }

    void commandTexts() {
        QFETCH(QString, action);
        QFETCH(QString, toolTip);
        QFETCH(QString, menuText);
        QAction* found = Action(qPrintable(action));
        if (!toolTip.isEmpty()) {
            QCOMPARE(found->toolTip(), toolTip);
            // The status bar shows a prompt for every command.
            QCOMPARE(found->statusTip(), toolTip);
        }
        if (!menuText.isEmpty())
            QCOMPARE(found->text(), menuText);
        QVERIFY(!found->statusTip().isEmpty());
    }

    void enablingFollowsTheCaret_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QList<int>>("disabled");
        const QList<int> none;
        QTest::newRow("empty area") << "" << none << (kNeedOperand + QList<int>{32862, 32863});
        QTest::newRow("after a digit") << "3" << none << none;
        QTest::newRow("start of the text")
            << "12" << QList<int>{Qt::Key_Home} << (kNeedOperand + QList<int>{32862});
        QTest::newRow("start of the second line")
            << "1" << QList<int>{Qt::Key_Return, Qt::Key_Return, Qt::Key_2, Qt::Key_Home}
            << kNeedOperand;
        QTest::newRow("inside a line") << "12" << QList<int>{Qt::Key_Left} << none;
        QTest::newRow("back at the end") << "12" << QList<int>{Qt::Key_Home, Qt::Key_End} << none;
        QTest::newRow("selection from the text's start")
            << "12" << QList<int>{int(Qt::SHIFT | Qt::Key_Home)} << kNeedOperand;
        QTest::newRow("everything deleted")
            << "1" << QList<int>{Qt::Key_Backspace} << (kNeedOperand + QList<int>{32862, 32863});
    }

    void enablingFollowsTheCaret() {
        QFETCH(QString, typed);
        QFETCH(QList<int>, keys);
        QFETCH(QList<int>, disabled);
        QTest::keyClicks(View(), typed);
        Press(keys);
        for (const C_VYXInsertCommands::Command& command : C_VYXInsertCommands::Commands())
            QVERIFY2(CommandAction(command.id)->isEnabled() != disabled.contains(command.id),
                     qPrintable(QString::number(command.id)));
    }

    void commandsWriteIntoTheArea_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("text");
        QTest::newRow("square then Enter")
            << "3" << QStringList{"actionInsertSquare", "actionCalculateLine"}
            << QStringLiteral("3\u00B2\r\n9\r\n");
        QTest::newRow("cube") << "2" << QStringList{"actionInsertCube", "actionCalculateLine"}
                              << QStringLiteral("2\u00B3\r\n8\r\n");
        QTest::newRow("inverse") << "4" << QStringList{"actionInsertInverse", "actionCalculateLine"}
                                 << QStringLiteral("4\u02C9\u00B9\r\n1/4 //\u22480.25\r\n");
        QTest::newRow("approximate")
            << "1/3" << QStringList{"actionCalculateApproximate"} << "1/3\r\n0.333333\r\n";
        QTest::newRow("square root") << "" << QStringList{"actionInsertSquareRoot"} << "\u221A";
        QTest::newRow("cube root")
            << "" << QStringList{"actionInsertCubeRoot"} << QStringLiteral("\u00B3\u221A");
        QTest::newRow("n-th root")
            << "3" << QStringList{"actionInsertNthRoot"} << QStringLiteral("3\u207F\u221A");
        QTest::newRow("power") << "2" << QStringList{"actionInsertPower"} << "2^";
        QTest::newRow("exponentials and logarithms")
            << ""
            << QStringList{"actionInsertExpPower", "actionInsertNaturalLog", "actionInsertTenPower",
                           "actionInsertTenLog"}
            << "e^ln10^log";
        QTest::newRow("delete takes a function name whole")
            << "2+" << QStringList{"actionInsertNaturalLog", "actionDeleteChar"} << "2+";
        QTest::newRow("delete one character") << "12" << QStringList{"actionDeleteChar"} << "1";
        QTest::newRow("clear") << "1+1" << QStringList{"actionClearArea"} << "";
        QTest::newRow("needs an operand: nothing happens at the start")
            << "" << QStringList{"actionInsertSquare", "actionCalculateLine"} << "";
    }

    void commandsWriteIntoTheArea() {
        QFETCH(QString, typed);
        QFETCH(QStringList, commands);
        QFETCH(QString, text);
        QTest::keyClicks(View(), typed);
        m_frame->Document().SetModifiedFlag(false);
        for (const QString& command : commands)
            Trigger(qPrintable(command));
        QCOMPARE(View()->Model().Text(), text);
        QCOMPARE(View()->toPlainText(), QString(text).replace(QStringLiteral("\r\n"), "\n"));
        QCOMPARE(m_frame->Document().IsModified(), !text.isEmpty() || !typed.isEmpty());
    }

    void insertedTextReplacesTheSelection() {
        QTest::keyClicks(View(), QStringLiteral("2+99"));
        Press({int(Qt::SHIFT | Qt::Key_Left), int(Qt::SHIFT | Qt::Key_Left)});
        // A click on a floating bar may take the focus; the command gives it back to the area.
        Bar(205)->setFocus();
        QVERIFY(m_frame->focusWidget() != View());
        Trigger("actionInsertTenLog");
        QCOMPARE(View()->Model().Text(), QStringLiteral("2+log"));
        QCOMPARE(m_frame->focusWidget(), View());
        // Undo takes back the insertion as one step.
        Trigger("actionEditUndo");
        QCOMPARE(View()->Model().Text(), QStringLiteral("2+99"));
    }

    void functionToolbarToggles_data() {
        QTest::addColumn<int>("bar");
        QTest::addColumn<QString>("toggle");
        QTest::newRow("dialogs") << 174 << "actionViewToolbarDialogs";
        QTest::newRow("variables") << 205 << "actionViewToolbarVariables";
        QTest::newRow("roots") << 189 << "actionViewToolbarRoots";
        QTest::newRow("powers") << 193 << "actionViewToolbarPowers";
        QTest::newRow("logarithm") << 195 << "actionViewToolbarLogarithm";
        QTest::newRow("execute") << 197 << "actionViewToolbarExecute";
        QTest::newRow("delete") << 199 << "actionViewToolbarDelete";
    }

    void functionToolbarToggles() {
        QFETCH(int, bar);
        QFETCH(QString, toggle);
        QToolBar* toolbar = Bar(bar);
        QAction* action = Action(qPrintable(toggle));
        const bool shownAtStart = !toolbar->isHidden();
        QCOMPARE(action->isChecked(), shownAtStart);
        for (int round = 1; round <= 2; ++round) {
            action->trigger();
            const bool shown = (round == 1) != shownAtStart;
            QCOMPARE(toolbar->isHidden(), !shown);
            QCOMPARE(action->isChecked(), shown);
            // Either way the bar now floats at a point of the main window.
            QVERIFY(toolbar->isFloating());
            QVERIFY(ClientArea().adjusted(0, 0, 1, 1).contains(toolbar->pos()));
            QCOMPARE(toolbar->orientation(), Qt::Horizontal);
        }
    }

    void filesToolbarToggleStaysDocked() {
        QToolBar* files = Bar(128);
        QAction* toggle = Action("actionViewToolbarFiles");
        QVERIFY(toggle->isChecked());
        toggle->trigger();
        QVERIFY(files->isHidden());
        QVERIFY(!toggle->isChecked());
        toggle->trigger();
        QVERIFY(files->isVisible());
        QVERIFY(!files->isFloating());
        QCOMPARE(m_frame->toolBarArea(files), Qt::TopToolBarArea);
    }

    void layoutComesBackFromTheProfile() {
        // What a user does by dragging: the dialogs bar to the left, the powers bar docked at
        // the bottom; the roots bar shown floating; the files bar hidden.
        m_frame->addToolBar(Qt::LeftToolBarArea, Bar(174));
        m_frame->addToolBar(Qt::BottomToolBarArea, Bar(193));
        Bar(193)->show();
        Trigger("actionViewToolbarRoots");
        Trigger("actionViewToolbarFiles");
        const QPoint rootsAt = Bar(189)->pos();
        QVERIFY(m_frame->close());

        C_MainFrm again(*m_env->profile, m_env->messageBoxes, m_env->fileChooser);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        auto bar = [&again](int id) { return again.Toolbar(id); };
        QCOMPARE(again.toolBarArea(bar(174)), Qt::LeftToolBarArea);
        QVERIFY(!bar(174)->isFloating());
        QCOMPARE(again.toolBarArea(bar(193)), Qt::BottomToolBarArea);
        QVERIFY(!bar(193)->isFloating());
        QVERIFY(bar(193)->isVisible());
        QVERIFY(bar(189)->isFloating());
        QVERIFY(bar(189)->isVisible());
        QCOMPARE(bar(189)->pos(), rootsAt);
        QVERIFY(bar(128)->isHidden());
        QVERIFY(bar(195)->isHidden());
        QCOMPARE(again.toolBarArea(bar(205)), Qt::TopToolBarArea);
        QVERIFY(bar(205)->isVisible());
        // The menu follows the restored bars.
        QVERIFY(!again.findChild<QAction*>("actionViewToolbarFiles")->isChecked());
        QVERIFY(again.findChild<QAction*>("actionViewToolbarRoots")->isChecked());
    }

    void panelCommandsFollowThePanels() {
        m_frame->Panels().Install(Panel::Latin, nullptr);
        QMenu* dialogs = m_frame->findChild<QMenu*>("menuDialogs");
        QVERIFY(dialogs != nullptr);
        emit dialogs->aboutToShow();
        QAction* latin = Action("actionPanelLatin");
        QVERIFY(!latin->isEnabled());

        m_frame->Panels().Install(Panel::Latin, std::make_unique<PlainPanel>(*m_frame));
        emit dialogs->aboutToShow();
        QVERIFY(latin->isEnabled());
        QVERIFY(!latin->isChecked());
        latin->trigger();
        C_VYXDlgFix* panel = m_frame->Panels().Get(Panel::Latin);
        QVERIFY(panel->isVisible());
        QVERIFY(latin->isChecked());
        // The close box only hides the panel; the check goes with it.
        panel->close();
        QVERIFY(!panel->isVisible());
        QVERIFY(!latin->isChecked());
        // Shown from elsewhere, the check follows too.
        m_frame->Panels().Toggle(Panel::Latin);
        QVERIFY(latin->isChecked());
        latin->trigger();
        QVERIFY(!panel->isVisible());
        QVERIFY(!latin->isChecked());
    }

    void floatingPointsCoverTheArea_data() {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<int>("drawX");
        QTest::addColumn<int>("drawY");
        QTest::addColumn<QPoint>("point");
        const QRect area(100, 50, 800, 600);
        QTest::newRow("smallest draws: top left") << area << 0 << 0 << QPoint(100, 50);
        QTest::newRow("largest draws: bottom right") << area << 32767 << 32767 << QPoint(900, 650);
        QTest::newRow("middle") << area << 16384 << 16384 << QPoint(500, 350);
        QTest::newRow("out of range draws are clamped") << area << -5 << 99999 << QPoint(100, 650);
        QTest::newRow("negative screen coordinates")
            << QRect(-1920, -200, 1920, 1080) << 32767 << 0 << QPoint(0, -200);
        QTest::newRow("wide screen, no overflow")
            << QRect(0, 0, 200000, 100000) << 32767 << 32767 << QPoint(200000, 100000);
    }

    void floatingPointsCoverTheArea() {
        QFETCH(QRect, area);
        QFETCH(int, drawX);
        QFETCH(int, drawY);
        QFETCH(QPoint, point);
        QCOMPARE(C_VYXToolbarPlacement::PointOf(area, drawX, drawY), point);
    }

    void randomPointsStayInsideAndVary() {
        std::mt19937 generator(12345);
        const QRect area(10, 20, 300, 200);
        std::set<std::pair<int, int>> seen;
        for (int i = 0; i < 200; ++i) {
            const QPoint point = C_VYXToolbarPlacement::RandomPoint(area, generator);
            QVERIFY(point.x() >= 10 && point.x() <= 310);
            QVERIFY(point.y() >= 20 && point.y() <= 220);
            seen.insert({point.x(), point.y()});
        }
        QVERIFY(seen.size() > 100);
    }
};

VYX_WIDGET_TEST_MAIN(ToolbarsTest)

#include "test_toolbars.moc"
