// SPDX-License-Identifier: MIT
// C_VYXEditMenu: the Edit menu: undo, redo, the clipboard commands and select all.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

class C_VYXCalcTextView;
class QAction;
class QMenu;
class QWidget;

/// The Edit menu's commands on the calculation area, enabled by what the area can do: undo and
/// redo by its history, cut and copy by its selection, copying the last result by there being
/// one, paste by the clipboard.
class C_VYXEditMenu : public QObject {
    Q_OBJECT

public:
    /// Builds the menu under `window`; both must outlive this object.
    C_VYXEditMenu(C_VYXCalcTextView& view, QWidget& window, QObject* parent = nullptr);

    QMenu* Menu() const { return m_pMenu; }
    /// Re-reads the enabling from the area and the clipboard.
    void UpdateEnabling();

signals:
    /// A command ran on the area; even Copy marks the document modified.
    void edited();

private:
    QAction* AddEditCommand(const char* objectName, const QString& text,
                            const QList<QKeySequence>& shortcuts, const QString& prompt,
                            void (C_VYXCalcTextView::*command)());

    C_VYXCalcTextView& m_view;
    QMenu* m_pMenu;
    QAction* m_pUndoAction = nullptr;
    QAction* m_pRedoAction = nullptr;
    QAction* m_pCutAction = nullptr;
    QAction* m_pCopyAction = nullptr;
    QAction* m_pCopyResultAction = nullptr;
    QAction* m_pPasteAction = nullptr;
};
