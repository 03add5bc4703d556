// SPDX-License-Identifier: MIT
// C_VYXToolbarVariables: the variables toolbar: a drop-down list of the variables, use and delete.
#pragma once

#include "C_VYXVariablesModel.h"

#include <QToolBar>

class C_VYXPanelOwner;
class QAction;
class QComboBox;

/// Shows the variables as "name = value" and inserts or deletes the chosen one. It follows the
/// document's variables model, so it is current whatever changed the variables.
class C_VYXToolbarVariables : public QToolBar {
    Q_OBJECT

public:
    C_VYXToolbarVariables(C_VYXPanelOwner& owner, QWidget* parent);

    QComboBox* Combo() const { return m_pCombo; }
    QAction* UseAction() const { return m_pUseAction; }
    QAction* DeleteAction() const { return m_pDeleteAction; }

    /// The variable name of the chosen entry: its text before the first " = "; empty when no
    /// entry is chosen or the entry has no " = ".
    QString SelectedName() const;
    /// Inserts the chosen name at the caret of the calculation area and focuses the area.
    void UseSelected();
    /// Deletes the chosen variable.
    void DeleteSelected();

private:
    C_VYXVariablesModel& Model() const;
    QAction* MakeAction(int commandId, const QString& iconPath, const char* name);
    /// Model → drop-down list and enabling; the chosen entry stays chosen while it exists.
    void ShowEntries();

    C_VYXPanelOwner& m_owner;
    QComboBox* m_pCombo = nullptr;
    QAction* m_pUseAction = nullptr;
    QAction* m_pDeleteAction = nullptr;
};
