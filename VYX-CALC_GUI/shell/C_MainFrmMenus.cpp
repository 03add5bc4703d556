// SPDX-License-Identifier: MIT
// C_MainFrm: the File, Edit and View menus, their enabling, shortcuts and the recent files.
#include "C_MainFrm.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXMenuCommand.h"
#include "C_VYXMessageBoxes.h"
#include "C_VYXProfile.h"
#include "C_VYXResourceIds.h"
#include "C_VYXSettingsMenu.h"
#include "C_VYXStatusBar.h"
#include "C_VYXStringTable.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

void C_MainFrm::CreateMenus() {
    CreateFileMenu();
    CreateEditMenu();
    MakeFileShortcutsGlobal();
    CreateToolbars();
    CreateViewMenu();
    menuBar()->addMenu(m_pSettingsMenu->Menu());
    CreateHelpMenu();
    UpdateRecentFileActions();
    UpdateEditActions();
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &C_MainFrm::UpdateEditActions);
}

void C_MainFrm::CreateFileMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&File"));
    menu->setObjectName(QStringLiteral("menuFile"));
    auto run = [this](C_VYXFileCommands::Outcome (C_VYXFileCommands::*command)()) {
        return [this, command] { AfterFileCommand(((*m_fileCommands).*command)()); };
    };
    connect(AddMenuCommand(menu, QStringLiteral("actionFileNew"), QStringLiteral("&New\tCtrl+N"),
                           {QKeySequence(Qt::CTRL | Qt::Key_N)},
                           QStringLiteral("Create a new document")),
            &QAction::triggered, this, run(&C_VYXFileCommands::New));
    connect(AddMenuCommand(menu, QStringLiteral("actionFileOpen"),
                           QStringLiteral("&Open...\tCtrl+O"), {QKeySequence(Qt::CTRL | Qt::Key_O)},
                           QStringLiteral("Open an existing document")),
            &QAction::triggered, this, run(&C_VYXFileCommands::Open));
    connect(AddMenuCommand(menu, QStringLiteral("actionFileSave"), QStringLiteral("&Save\tCtrl+S"),
                           {QKeySequence(Qt::CTRL | Qt::Key_S)},
                           QStringLiteral("Save the active document")),
            &QAction::triggered, this, run(&C_VYXFileCommands::Save));
    connect(AddMenuCommand(menu, QStringLiteral("actionFileSaveAs"), QStringLiteral("Save &As..."),
                           {}, QStringLiteral("Save the active document with a new name")),
            &QAction::triggered, this, run(&C_VYXFileCommands::SaveAs));
    menu->addSeparator();
    CreatePrintCommands(menu);
    menu->addSeparator();

    m_pNoRecentFileAction = menu->addAction(QStringLiteral("Recent File"));
    m_pNoRecentFileAction->setObjectName(QStringLiteral("actionNoRecentFile"));
    m_pNoRecentFileAction->setEnabled(false);
    for (int i = 0; i < int(m_recentFileActions.size()); ++i) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(QStringLiteral("actionRecentFile%1").arg(i + 1));
        action->setStatusTip(QStringLiteral("Open this document"));
        connect(action, &QAction::triggered, this, [this, i] { OpenRecentFile(i); });
        m_recentFileActions[std::size_t(i)] = action;
    }
    menu->addSeparator();
    connect(AddMenuCommand(menu, QStringLiteral("actionFileExit"), QStringLiteral("E&xit"), {},
                           QStringLiteral("Quit the application; prompts to save documents")),
            &QAction::triggered, this, &QWidget::close);
}

void C_MainFrm::CreateEditMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Edit"));
    menu->setObjectName(QStringLiteral("menuEdit"));
    // Each edit ends with the title, since even Copy marks the document modified.
    auto edit = [this](void (C_VYXCalcTextView::*command)()) {
        return [this, command] {
            (m_pView->*command)();
            UpdateTitle();
            UpdateEditActions();
        };
    };
    m_pUndoAction = AddMenuCommand(menu, QStringLiteral("actionEditUndo"),
                                   C_VYXStringTable::MenuText(C_VYXResourceIds::CmdEditUndo),
                                   {QKeySequence(Qt::CTRL | Qt::Key_Z)},
                                   QStringLiteral("Undo the last action"));
    connect(m_pUndoAction, &QAction::triggered, this, edit(&C_VYXCalcTextView::Undo));
    m_pRedoAction = AddMenuCommand(
        menu, QStringLiteral("actionEditRedo"), QStringLiteral("&Redo\tCtrl+Y"),
        {QKeySequence(Qt::CTRL | Qt::Key_Y)}, QStringLiteral("Redo the previously undone action"));
    connect(m_pRedoAction, &QAction::triggered, this, edit(&C_VYXCalcTextView::Redo));
    menu->addSeparator();
    m_pCutAction = AddMenuCommand(
        menu, QStringLiteral("actionEditCut"), QStringLiteral("Cu&t\tCtrl+X"),
        {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)},
        QStringLiteral("Cut the selection and put it on the Clipboard"));
    connect(m_pCutAction, &QAction::triggered, this, edit(&C_VYXCalcTextView::Cut));
    m_pCopyAction = AddMenuCommand(
        menu, QStringLiteral("actionEditCopy"), QStringLiteral("&Copy\tCtrl+C"),
        {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)},
        QStringLiteral("Copy the selection and put it on the Clipboard"));
    connect(m_pCopyAction, &QAction::triggered, this, edit(&C_VYXCalcTextView::Copy));
    m_pPasteAction = AddMenuCommand(
        menu, QStringLiteral("actionEditPaste"), QStringLiteral("&Paste\tCtrl+V"),
        {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)},
        QStringLiteral("Insert Clipboard contents"));
    connect(m_pPasteAction, &QAction::triggered, this, edit(&C_VYXCalcTextView::Paste));
    menu->addSeparator();
    connect(AddMenuCommand(
                menu, QStringLiteral("actionEditSelectAll"), QStringLiteral("Select &All\tCtrl+A"),
                {QKeySequence(Qt::CTRL | Qt::Key_A)}, QStringLiteral("Select the entire document")),
            &QAction::triggered, this, edit(&C_VYXCalcTextView::SelectAllText));
    connect(menu, &QMenu::aboutToShow, this, &C_MainFrm::UpdateEditActions);
}

void C_MainFrm::CreateViewMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&View"));
    menu->setObjectName(QStringLiteral("menuView"));
    CreateToolbarsMenu(menu);
    CreateDialogsMenu(menu);
    menu->addSeparator();
    QAction* statusBarToggle =
        AddMenuCommand(menu, QStringLiteral("actionViewStatusBar"), QStringLiteral("&Status Bar"),
                       {}, QStringLiteral("Show or hide the status bar"));
    statusBarToggle->setCheckable(true);
    statusBarToggle->setChecked(true);
    connect(statusBarToggle, &QAction::toggled, m_pStatusBar, &QWidget::setVisible);
    connect(menu, &QMenu::aboutToShow, this, &C_MainFrm::UpdatePanelActions);
}

void C_MainFrm::MakeFileShortcutsGlobal() {
    // Application-wide, so they work from a tool panel too; the other shortcuts stay with this
    // window, where the calculation area has its own editing keys.
    for (const char* name : {"actionFileNew", "actionFileOpen", "actionFileSave"})
        findChild<QAction*>(QString::fromLatin1(name))->setShortcutContext(Qt::ApplicationShortcut);
    if (auto* print = findChild<QAction*>(QStringLiteral("actionFilePrint"))) {
        if (print->shortcuts().isEmpty())
            print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
        print->setShortcutContext(Qt::ApplicationShortcut);
    }
}

void C_MainFrm::UpdateEditActions() {
    const C_VYXCalcAreaModel& area = m_pView->Model();
    m_pUndoAction->setEnabled(area.CanUndo());
    m_pRedoAction->setEnabled(area.CanRedo());
    m_pCutAction->setEnabled(m_pView->HasSelection());
    m_pCopyAction->setEnabled(m_pView->HasSelection());
    m_pPasteAction->setEnabled(C_VYXCalcTextView::ClipboardHasText());
}

void C_MainFrm::UpdateRecentFileActions() {
    const QStringList files = m_profile.RecentFiles();
    for (int i = 0; i < int(m_recentFileActions.size()); ++i) {
        QAction* action = m_recentFileActions[std::size_t(i)];
        const bool used = i < files.size();
        action->setVisible(used);
        if (used) {
            QString shown = QDir::toNativeSeparators(files.at(i));
            shown.replace(u'&', QStringLiteral("&&"));
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        }
    }
    m_pNoRecentFileAction->setVisible(files.isEmpty());
}

void C_MainFrm::OpenRecentFile(int index) {
    const QString path = m_profile.RecentFiles().value(index);
    if (path.isEmpty())
        return;
    const C_VYXFileCommands::Outcome outcome = m_fileCommands->OpenPath(path, false);
    if (outcome == C_VYXFileCommands::Outcome::Failed) {
        // A file that can no longer be opened leaves the list.
        m_profile.RemoveRecentFile(path);
        m_profile.Sync();
        UpdateRecentFileActions();
    }
    AfterFileCommand(outcome);
}
