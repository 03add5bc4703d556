// SPDX-License-Identifier: MIT
// C_VYXEditMenu: the Edit menu's commands on the calculation area and their enabling.
#include "C_VYXEditMenu.h"

#include "C_VYXCalcTextView.h"
#include "C_VYXMenuCommand.h"
#include "C_VYXResourceIds.h"
#include "C_VYXStringTable.h"

#include <QApplication>
#include <QClipboard>

C_VYXEditMenu::C_VYXEditMenu(C_VYXCalcTextView& view, QWidget& window, QObject* parent)
    : QObject(parent), m_view(view), m_pMenu(new QMenu(QStringLiteral("&Edit"), &window)) {
    m_pMenu->setObjectName(QStringLiteral("menuEdit"));
    m_pUndoAction =
        AddEditCommand("actionEditUndo", C_VYXStringTable::MenuText(C_VYXResourceIds::kCmdEditUndo),
                       {QKeySequence(Qt::CTRL | Qt::Key_Z)}, QStringLiteral("Undo the last action"),
                       &C_VYXCalcTextView::Undo);
    m_pRedoAction = AddEditCommand(
        "actionEditRedo", QStringLiteral("&Redo\tCtrl+Y"), {QKeySequence(Qt::CTRL | Qt::Key_Y)},
        QStringLiteral("Redo the previously undone action"), &C_VYXCalcTextView::Redo);
    m_pMenu->addSeparator();
    m_pCutAction = AddEditCommand(
        "actionEditCut", QStringLiteral("Cu&t\tCtrl+X"),
        {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)},
        QStringLiteral("Cut the selection and put it on the Clipboard"), &C_VYXCalcTextView::Cut);
    m_pCopyAction = AddEditCommand(
        "actionEditCopy", QStringLiteral("&Copy\tCtrl+C"),
        {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)},
        QStringLiteral("Copy the selection and put it on the Clipboard"), &C_VYXCalcTextView::Copy);
    m_pCopyResultAction = AddMenuCommand(
        m_pMenu, QStringLiteral("actionEditCopyLastResult"),
        QStringLiteral("Copy &Last Result\tCtrl+Shift+C"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
        QStringLiteral("Copy the value of the last result and put it on the Clipboard"));
    connect(m_pCopyResultAction, &QAction::triggered, this, [this] {
        const QString& value = m_view.Model().LastResult();
        if (!value.isEmpty())
            QApplication::clipboard()->setText(value);
    });
    m_pPasteAction = AddEditCommand(
        "actionEditPaste", QStringLiteral("&Paste\tCtrl+V"),
        {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)},
        QStringLiteral("Insert Clipboard contents"), &C_VYXCalcTextView::Paste);
    m_pMenu->addSeparator();
    AddEditCommand("actionEditSelectAll", QStringLiteral("Select &All\tCtrl+A"),
                   {QKeySequence(Qt::CTRL | Qt::Key_A)},
                   QStringLiteral("Select the entire document"), &C_VYXCalcTextView::SelectAllText);

    connect(m_pMenu, &QMenu::aboutToShow, this, &C_VYXEditMenu::UpdateEnabling);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &C_VYXEditMenu::UpdateEnabling);
    UpdateEnabling();
}

QAction* C_VYXEditMenu::AddEditCommand(const char* objectName, const QString& text,
                                       const QList<QKeySequence>& shortcuts, const QString& prompt,
                                       void (C_VYXCalcTextView::*command)()) {
    QAction* action =
        AddMenuCommand(m_pMenu, QString::fromLatin1(objectName), text, shortcuts, prompt);
    connect(action, &QAction::triggered, this, [this, command] {
        (m_view.*command)();
        UpdateEnabling();
        emit edited();
    });
    return action;
}

void C_VYXEditMenu::UpdateEnabling() {
    const C_VYXCalcAreaModel& area = m_view.Model();
    m_pUndoAction->setEnabled(area.CanUndo());
    m_pRedoAction->setEnabled(area.CanRedo());
    m_pCutAction->setEnabled(m_view.HasSelection());
    m_pCopyAction->setEnabled(m_view.HasSelection());
    m_pPasteAction->setEnabled(C_VYXCalcTextView::ClipboardHasText());
    m_pCopyResultAction->setEnabled(!area.LastResult().isEmpty());
}
