// SPDX-License-Identifier: MIT
// C_VYXCalcTrigView: the trigonometry panel: angle unit, function names and the triangle solver.
#pragma once

#include "C_VYXDlgFix.h"
#include "C_VYXTriangleFigure.h"
#include "C_VYXTriangleModel.h"

#include <array>
#include <memory>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

/// The window over C_VYXTriangleModel: it lays the controls out in dialog units, passes clicks,
/// edits and the Enter key to the model and shows the model's fields and button states.
class C_VYXCalcTrigView : public C_VYXDlgFix {
    Q_OBJECT

public:
    explicit C_VYXCalcTrigView(C_VYXPanelOwner& owner);
    ~C_VYXCalcTrigView() override;

protected:
    void SetupControls() override;
    void ReadSettings() override;
    /// Enter in any of the panel's controls solves the triangle.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildAngleGroup();
    void BuildFunctionGroup();
    void BuildSolverGroup();
    QPushButton* AddButton(const QRect& dialogRect, const QString& caption, const QString& name);
    void Place(QWidget* widget, const QRect& dialogRect) const;
    /// A horizontal position in dialog units to pixels, with the triangle fields widened.
    int ToPixelsX(int dialogX) const;

    /// Runs one of the model's commands, then shows the model.
    void Run(void (C_VYXTriangleModel::*command)());
    void OnFieldEdited(C_VYXTriangleModel::Field field, const QString& text);
    void InsertFunctionName(const QString& name);
    /// Model → controls: radios, field texts and which buttons are enabled.
    void ShowModel();
    void ShowButtonStates();

    C_VYXDialogUnits m_units;
    /// Pixels each triangle field is wider than the template makes it, so that a value with ten
    /// decimals shows in full; the columns after a field move right by as much.
    int m_nFieldGrowth = 0;
    std::unique_ptr<C_VYXTriangleModel> m_pModel;
    /// The document the model was made for; another one needs another model.
    C_TOBRIK_CALCULATORDoc* m_pModelDocument = nullptr;

    QButtonGroup* m_pAngleGroup = nullptr;
    std::array<QLineEdit*, C_VYXTriangleModel::FieldCount> m_fields{};
    QPushButton* m_pExecute = nullptr;
    QPushButton* m_pClear = nullptr;
    QPushButton* m_pSecond = nullptr;
    QPushButton* m_pUse = nullptr;
    C_VYXTriangleFigure* m_pFigure = nullptr;
};
