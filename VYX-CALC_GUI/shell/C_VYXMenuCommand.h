// SPDX-License-Identifier: MIT
// AddMenuCommand: one menu item with its object name, accelerators and status-bar prompt.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QMenu>
#include <QString>

/// A menu item with its object name, the text (accelerator after a tab), shortcuts and prompt.
inline QAction* AddMenuCommand(QMenu* menu, const QString& objectName, const QString& text,
                               const QList<QKeySequence>& shortcuts, const QString& prompt) {
    QAction* action = menu->addAction(text);
    action->setObjectName(objectName);
    action->setShortcuts(shortcuts);
    action->setStatusTip(prompt);
    return action;
}
