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

constexpr int Shift = Qt::ShiftModifier;

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
    QRect ClientArea() { return QRect(m_frame->mapToGlobal(QPoint(0, 0)), m_frame->size()); }
    /// Keys as the user presses them; each entry is a key combined with its modifiers.
    void Press(const QList<int>& keys) {
        for (int key : keys)
            QTest::keyClick(View(), Qt::Key(key & ~Qt::KeyboardModifierMask),
                            Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    }

private slots:
    void firstStartLayout() {
        // Docked bars in order: right of the previous bar, or on a row below it.
        QToolBar* previous = nullptr;
        for (int id : {128, 174, 205}) {
            QToolBar* bar = Bar(id);
            QCOMPARE(m_frame->toolBarArea(bar), Qt::TopToolBarArea);
            QVERIFY(!bar->isFloating() && bar->isVisible());
            if (previous != nullptr)
                QVERIFY2(bar->y() == previous->y() ? bar->x() > previous->geometry().right()
                                                   : bar->y() > previous->geometry().bottom(),
                         qPrintable(bar->objectName()));
            previous = bar;
        }
        for (int id : {189, 193, 195, 197, 199}) {
            QToolBar* bar = Bar(id);
            QVERIFY2(bar->isHidden() && bar->isFloating() && bar->isMovable(),
                     qPrintable(bar->objectName()));
            QVERIFY(ClientArea().adjusted(0, 0, 1, 1).contains(bar->pos()));
        }
    }

    void enablingFollowsTheCaret_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QList<int>>("disabled");
        using K = QList<int>;
        const K none, deleting = {32862, 32863};
        // clang-format off
        QTest::newRow("empty area") << "" << none << kNeedOperand + deleting;
        QTest::newRow("after a digit") << "3" << none << none;
        QTest::newRow("start of the text") << "12" << K{Qt::Key_Home} << kNeedOperand + K{32862};
        QTest::newRow("start of the second line") << "1"
            << K{Qt::Key_Return, Qt::Key_Return, Qt::Key_2, Qt::Key_Home} << kNeedOperand;
        QTest::newRow("back at the end") << "12" << K{Qt::Key_Home, Qt::Key_End} << none;
        QTest::newRow("everything deleted") << "1" << K{Qt::Key_Backspace}
            << kNeedOperand + deleting;
        // clang-format on
    }

    void enablingFollowsTheCaret() {
        QFETCH(QString, typed);
        QFETCH(QList<int>, keys);
        QFETCH(QList<int>, disabled);
        QTest::keyClicks(View(), typed);
        Press(keys);
        auto* commands = m_frame->findChild<C_VYXInsertCommands*>();
        for (const C_VYXInsertCommands::Command& command : C_VYXInsertCommands::Commands())
            QVERIFY2(commands->Action(command.id)->isEnabled() != disabled.contains(command.id),
                     qPrintable(QString::number(command.id)));
    }

    // What each command writes is the area's business; here one command of each kind.
    void commandsWriteIntoTheArea_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("commands"); // object names without "action"
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("inverse, Enter") << "4" << "InsertInverse CalculateLine"
                                        << "4\u02C9\u00B9\r\n1/4 //\u22480.25\r\n";
        QTest::newRow("approximate") << "1/3" << "CalculateApproximate" << "1/3\r\n0.333333\r\n";
        QTest::newRow("roots") << "" << "InsertSquareRoot InsertCubeRoot" << "\u221A\u00B3\u221A";
        QTest::newRow("delete one character") << "12" << "DeleteChar" << "1";
        QTest::newRow("clear") << "1+1" << "ClearArea" << "";
        QTest::newRow("no operand: nothing") << "" << "InsertSquare CalculateLine" << "";
        // clang-format on
    }

    void commandsWriteIntoTheArea() {
        QFETCH(QString, typed);
        QFETCH(QString, commands);
        QFETCH(QString, text);
        QTest::keyClicks(View(), typed);
        m_frame->Document().SetModifiedFlag(false);
        for (const QString& command : commands.split(u' '))
            Trigger(qPrintable(QStringLiteral("action") + command));
        QCOMPARE(View()->toPlainText(), QString(text).replace(QStringLiteral("\r\n"), "\n"));
        QCOMPARE(m_frame->Document().IsModified(), !text.isEmpty() || !typed.isEmpty());
    }

    void insertedTextReplacesTheSelection() {
        QTest::keyClicks(View(), QStringLiteral("2+99"));
        Press({Shift | Qt::Key_Left, Shift | Qt::Key_Left});
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

    void barsTitlesAndToggles_data() {
        QTest::addColumn<int>("bar");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("buttons");
        // clang-format off
        QTest::newRow("files") << 128 << "toolbarFiles" << "Files&Toolbar" << 10;
        QTest::newRow("dialogs") << 174 << "toolbarDialogs" << "Dialogs Toolabar" << 8;
        QTest::newRow("powers") << 193 << "toolbarPowers" << "Com. exp. Toolbar" << 4;
        // clang-format on
    }

    void barsTitlesAndToggles() {
        QFETCH(int, bar);
        QFETCH(QString, objectName);
        QFETCH(QString, title);
        QFETCH(int, buttons);
        QToolBar* toolbar = Bar(bar);
        QCOMPARE(toolbar->objectName(), objectName);
        QAction* toggle = Action(qPrintable("actionViewToolbar" + objectName.mid(7)));
        QCOMPARE(toolbar->windowTitle(), title);
        QCOMPARE(toggle->text(), title);
        // Every button's tooltip is also the status bar's prompt.
        int count = 0;
        for (QAction* action : toolbar->actions()) {
            if (action->isSeparator())
                continue;
            ++count;
            QVERIFY2(!action->statusTip().isEmpty(), qPrintable(action->objectName()));
            if (bar != 128)
                QCOMPARE(action->statusTip(), action->toolTip());
        }
        QCOMPARE(count, buttons);
        // View > Toolbars: shown and hidden twice; all but the files bar float on the window.
        const bool shownAtStart = !toolbar->isHidden(), floats = bar != 128;
        QCOMPARE(toggle->isChecked(), shownAtStart);
        for (const bool shown : {!shownAtStart, shownAtStart}) {
            toggle->trigger();
            QCOMPARE(toolbar->isHidden(), !shown);
            QCOMPARE(toggle->isChecked(), shown);
            QCOMPARE(toolbar->isFloating(), floats);
            if (floats)
                QVERIFY(ClientArea().adjusted(0, 0, 1, 1).contains(toolbar->pos()));
        }
    }

    // Texts a copy-and-paste slip would lose: a missing period, an abbreviation.
    void oddButtonTexts() {
        const char* const rows[][2] = {{"PanelComplex", "Show complex-functions dialog"},
                                       {"InsertCubeRoot", "Third root out of x."},
                                       {"CalculateApproximate", "Calculate approx. value."},
                                       {"ClearArea", "Clears the text area."}};
        for (const auto& [name, toolTip] : rows)
            QCOMPARE(Action(qPrintable(QStringLiteral("action") + name))->toolTip(),
                     QString::fromUtf8(toolTip));
        QCOMPARE(Action("actionPanelNumpad")->text(), QStringLiteral("Numpad."));
    }

    void layoutComesBackFromTheProfile() {
        // As a user drags them: dialogs bar docked left, powers bar docked at the bottom, the
        // roots bar shown floating, the files bar hidden.
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
        QCOMPARE(again.toolBarArea(bar(193)), Qt::BottomToolBarArea);
        QVERIFY(!bar(193)->isFloating() && bar(193)->isVisible());
        QVERIFY(bar(189)->isFloating() && bar(189)->isVisible());
        QCOMPARE(bar(189)->pos(), rootsAt);
        QVERIFY(bar(128)->isHidden() && bar(195)->isHidden());
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
        QVERIFY(latin->isEnabled() && !latin->isChecked());
        latin->trigger();
        C_VYXDlgFix* panel = m_frame->Panels().Get(Panel::Latin);
        QVERIFY(panel->isVisible() && latin->isChecked());
        // The close box only hides the panel; the check goes with it.
        panel->close();
        QVERIFY(!panel->isVisible() && !latin->isChecked());
        // Shown from elsewhere, the check follows too.
        m_frame->Panels().Toggle(Panel::Latin);
        QVERIFY(latin->isChecked());
    }

    void floatingPointsCoverTheArea() {
        const QRect area(100, 50, 800, 600), wide(0, 0, 200000, 100000);
        const struct {
            QRect area;
            int drawX, drawY;
            QPoint point;
        } rows[] = {{area, 0, 0, {100, 50}},                 // smallest draws: top left
                    {area, 32767, 32767, {900, 650}},        // largest draws: bottom right
                    {area, -5, 99999, {100, 650}},           // out of range draws are clamped
                    {wide, 32767, 32767, {200000, 100000}}}; // no overflow
        for (const auto& row : rows)
            QCOMPARE(C_VYXToolbarPlacement::PointOf(row.area, row.drawX, row.drawY), row.point);
    }
};

VYX_WIDGET_TEST_MAIN(ToolbarsTest)

#include "test_toolbars.moc"
