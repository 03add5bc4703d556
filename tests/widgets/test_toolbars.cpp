// SPDX-License-Identifier: MIT
// Tests of the toolbars: start-up layout, enabling by the caret, the symbol commands,
// View > Toolbars and View > Dialogs, and the layout kept in the profile.
#include "C_VYXInsertCommands.h"
#include "C_VYXToolbarPlacement.h"
#include "C_VYXToolbarSet.h"
#include "WidgetTestSupport.h"

namespace {
/// Commands whose button needs a character before the caret on its line.
const QList<int> kNeedOperand = {32851, 32852, 32853, 32854, 32855, 32860, 32861};

// Text typed, keys pressed, then the commands disabled (32862 and 32863 delete).
const std::tuple<const char*, QString, QList<int>, QList<int>> kCaretRows[] = {
    // clang-format off
    {"after a digit", "3", {}, {}},
    {"start of the text", "12", {Qt::Key_Home}, kNeedOperand + QList{32862}},
    {"start of the second line", "1", {Qt::Key_Return, Qt::Key_Return, Qt::Key_2, Qt::Key_Home}, kNeedOperand},
    {"everything deleted", "1", {Qt::Key_Backspace}, kNeedOperand + QList{32862, 32863}}};
// clang-format on
} // namespace

class ToolbarsTest : public MainFrameFixture {
    Q_OBJECT

private:
    QToolBar* Bar(int id) { return m_frame->Toolbars().Toolbar(id); }
    QRect ClientArea() { return QRect(m_frame->mapToGlobal(QPoint(0, 0)), m_frame->size()); }

private slots:
    void enablingFollowsTheCaret_data() { AddRows(kCaretRows); }
    void enablingFollowsTheCaret() {
        const auto& [row, typed, keys, disabled] = FetchRow(kCaretRows);
        QTest::keyClicks(View(), typed);
        PressKeys(View(), keys);
        auto* commands = m_frame->findChild<C_VYXInsertCommands*>();
        for (const C_VYXInsertCommands::Command& command : C_VYXInsertCommands::Commands())
            QVERIFY2(commands->Action(command.id)->isEnabled() != disabled.contains(command.id),
                     qPrintable(QString::number(command.id)));
    }

    // What each command writes is the area's business; here one command of each kind, and the
    // decimals of an opened document.
    void commandsWriteIntoTheAreaWithTheOpenedDocumentsDecimals() {
        // Typed text, commands (object names without "action"), the area's text after them.
        for (const auto& [typed, commands, text] :
             {std::tuple{u"4"_s, u"InsertInverse CalculateLine"_s,
                         u"4\u02C9\u00B9\r\n1/4 //\u22480.25\r\n"_s},
              {"1/3", "CalculateApproximate", "1/3\r\n0.333333\r\n"},
              {"12", "DeleteChar", "1"},
              {"1+1", "ClearArea", ""},
              {"", "InsertSquare CalculateLine", ""}}) { // no operand: nothing
            View()->Model().ClearArea();
            QTest::keyClicks(View(), typed);
            Doc().SetModifiedFlag(false);
            for (const QString& command : commands.split(u' '))
                Trigger(qPrintable(u"action"_s + command));
            QCOMPARE(View()->toPlainText(), QString(text).replace(u"\r\n"_s, "\n"));
            QCOMPARE(Doc().IsModified(), !text.isEmpty() || !typed.isEmpty());
        }

        Doc().Settings().BasicButtons().m_nDecimals = 10;
        const QString path = SaveUntitled(u"ten.vyx"_s);
        // Opened in a window whose numpad was never shown.
        NewFrame();
        QVERIFY(m_frame->OpenFromCommandLine(path));
        Trigger("actionInsertSquareRoot");
        QTest::keyClick(View(), Qt::Key_Backspace);
        // The decimal text of a real number comes from the engine.
        TypeLine(u"PI"_s);
        QCOMPARE(View()->Model().LineText(1), u"3.1415926536"_s);
    }

    // The floating bars at the first start (the docked bars' row is checked with the main
    // window's first start); View > Toolbars hides and shows again, and all but the files bar
    // float on the window.
    void firstStartLayoutAndToolbarTogglesHideAndShow() {
        for (int id : {189, 193, 195, 197, 199})
            QVERIFY2(Bar(id)->isHidden() && Bar(id)->isFloating() &&
                         ClientArea().adjusted(0, 0, 1, 1).contains(Bar(id)->pos()),
                     qPrintable(Bar(id)->objectName()));
        for (const int id : {128, 174, 193}) {
            QToolBar* toolbar = Bar(id);
            QAction* toggle =
                Action(qPrintable(u"actionViewToolbar"_s + toolbar->objectName().mid(7)));
            const bool shownAtStart = !toolbar->isHidden(), floats = id != 128;
            for (const bool shown : {!shownAtStart, shownAtStart}) {
                toggle->trigger();
                QCOMPARE(toolbar->isHidden(), !shown);
                QCOMPARE(toggle->isChecked(), shown);
                QCOMPARE(toolbar->isFloating(), floats);
            }
        }
    }

    void layoutComesBackFromTheProfileAndFloatingPointsCoverTheArea() {
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
        auto bar = [&again](int id) { return again.Toolbars().Toolbar(id); };
        QCOMPARE(again.toolBarArea(bar(174)), Qt::LeftToolBarArea);
        QCOMPARE(again.toolBarArea(bar(193)), Qt::BottomToolBarArea);
        QVERIFY(!bar(193)->isFloating() && bar(193)->isVisible() && bar(128)->isHidden());
        QVERIFY(bar(189)->isFloating() && bar(189)->isVisible());
        QCOMPARE(bar(189)->pos(), rootsAt);
        // Out of range draws are clamped to the corners, and a wide area does not overflow.
        QCOMPARE(C_VYXToolbarPlacement::PointOf({100, 50, 800, 600}, -5, 99999), QPoint(100, 650));
        QCOMPARE(C_VYXToolbarPlacement::PointOf({0, 0, 200000, 100000}, 32767, 32767),
                 QPoint(200000, 100000));
    }

    void panelCommandsFollowThePanels() {
        m_frame->Panels().Install(Panel::Latin, nullptr);
        QMenu* dialogs = Control<QMenu>(m_frame.get(), u"menuDialogs"_s);
        emit dialogs->aboutToShow();
        QAction* latin = Action("actionPanelLatin");
        QVERIFY(!latin->isEnabled());

        FakePanel* panel = InstallFake(Panel::Latin, Side::Left);
        emit dialogs->aboutToShow();
        QVERIFY(latin->isEnabled() && !latin->isChecked());
        latin->trigger();
        QVERIFY(panel->isVisible() && latin->isChecked());
        // The close box only hides the panel; the check goes with it.
        panel->close();
        QVERIFY(!panel->isVisible() && !latin->isChecked());
    }
};

VYX_WIDGET_TEST_MAIN(ToolbarsTest)

#include "test_toolbars.moc"
