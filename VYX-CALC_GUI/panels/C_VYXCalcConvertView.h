// SPDX-License-Identifier: MIT
// C_VYXCalcConvertView: the unit converter panel, a thin window over C_VYXConverterModel.
#pragma once

#include "C_VYXDlgFix.h"

#include <QStringList>

#include <memory>

class C_VYXConverterModel;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

/// Converts a value (any expression, variables included) between two units of one category,
/// keeps a list of saved conversions and writes one into the calculation area as a comment.
/// Every decision is the model's; this class forwards the user's actions and mirrors the
/// model's state into the controls.
class C_VYXCalcConvertView : public C_VYXDlgFix {
    Q_OBJECT

public:
    explicit C_VYXCalcConvertView(C_VYXPanelOwner& owner);
    ~C_VYXCalcConvertView() override;

protected:
    void SetupControls() override;
    void ReadSettings() override;

private:
    void CreateControls();
    void ConnectControls();

    void OnCategoryChosen(int index);
    void OnFromUnitChosen(int index);
    void OnToUnitChosen(int index);
    void OnFromTextEdited(const QString& text);
    void OnValueEdited(const QString& text);
    void OnListSelectionChanged();
    /// Runs one model action, then shows the model's new state.
    template <typename Action> void Run(Action action);

    /// Copies the model's state into the controls, without echoing it back as user edits.
    void ShowModel();
    void ShowUnitBoxes();
    void ShowSavedList();
    void ShowButtons();

    std::unique_ptr<C_VYXConverterModel> m_pModel;
    bool m_bShowingModel = false;

    QComboBox* m_pCategoryBox = nullptr;
    QComboBox* m_pFromBox = nullptr;
    QComboBox* m_pToBox = nullptr;
    QLineEdit* m_pValueEdit = nullptr;
    QLineEdit* m_pResultEdit = nullptr;
    QListWidget* m_pSavedList = nullptr;
    QPushButton* m_pConvertButton = nullptr;
    QPushButton* m_pAddButton = nullptr;
    QPushButton* m_pDeleteButton = nullptr;
    QPushButton* m_pUseButton = nullptr;
    QPushButton* m_pDeleteAllButton = nullptr;
};
