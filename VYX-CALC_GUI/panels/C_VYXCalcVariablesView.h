// SPDX-License-Identifier: MIT
// C_VYXCalcVariablesView: the variables panel: name and value fields, the sorted list, four
// buttons.
#pragma once

#include "C_VYXDlgFix.h"
#include "C_VYXVariablesModel.h"

class QLineEdit;
class QListWidget;
class QPushButton;

/// The widgets over the document's C_VYXVariablesModel: every action goes to the model, and
/// the controls show whatever the model holds after it reports a change (also changes made by
/// assignment lines, the toolbar or File New while the panel is open).
class C_VYXCalcVariablesView : public C_VYXDlgFix {
    Q_OBJECT

public:
    explicit C_VYXCalcVariablesView(C_VYXPanelOwner& owner);
    ~C_VYXCalcVariablesView() override;

protected:
    void SetupControls() override;
    void ReadSettings() override;

private:
    C_VYXVariablesModel& Model() const;
    QPushButton* MakeButton(const QString& caption, const QString& toolTip, const char* name);
    /// The fields as the user left them, before the model validates them.
    void PushFieldsToModel();
    void OnAdd();
    void OnUseSelected();
    /// Model → controls: fields, list, selection and the buttons' enabling.
    void ShowModel();
    void ShowList();

    QLineEdit* m_pNameEdit = nullptr;
    QLineEdit* m_pValueEdit = nullptr;
    QListWidget* m_pList = nullptr;
    QPushButton* m_pAddButton = nullptr;
    QPushButton* m_pDeleteButton = nullptr;
    QPushButton* m_pDeleteAllButton = nullptr;
    QPushButton* m_pUseButton = nullptr;
    /// The entries the list widget shows, to rebuild it only when they change.
    QStringList m_shownEntries;
};
