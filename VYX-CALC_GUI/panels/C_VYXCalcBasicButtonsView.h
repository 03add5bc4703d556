// SPDX-License-Identifier: MIT
// C_VYXCalcBasicButtonsView: the numpad: digits, operators and symbols typed at the caret,
// evaluate, delete and clear, and the slider for the number of decimals.
#pragma once

#include "C_VYXDlgFix.h"
#include "C_VYXResourceIds.h"

#include <QStringView>

#include <span>

class QGridLayout;
class QLabel;
class QSlider;

/// The numpad panel. Its buttons come from one table; its only setting is the number of
/// decimals, kept in the document's C_VYXBasicButtonsNFO and passed to the engine.
class C_VYXCalcBasicButtonsView : public C_VYXDlgFix {
    Q_OBJECT

public:
    static constexpr unsigned kTemplateId = C_VYXResourceIds::kDlgNumpad;
    static constexpr int kSliderId = 1112;
    /// Object name of the label under the slider that shows the number of decimals.
    static constexpr const char* kDecimalsLabelName = "numpadDecimalsShown";
    /// The disabled, captionless button that fills the space beside "⅞".
    static constexpr int kFillerId = 1045;

    /// What a button does with the calculation area.
    enum class Action { Insert, Enter, Approximate, DeleteChar, Clear };

    /// One button: its id, its top-left corner in dialog units (every button is 15 x 15 units,
    /// "=" 15 x 30), its caption, the text it inserts, and its tooltip (empty when none).
    struct ButtonInfo {
        int id;
        int x;
        int y;
        QStringView caption;
        QStringView text;
        QStringView tooltip;
        Action action = Action::Insert;
    };

    static std::span<const ButtonInfo> Buttons();
    /// The object name of a control, so that tests and accessibility find it by its id.
    static QString ControlName(int id);

    explicit C_VYXCalcBasicButtonsView(C_VYXPanelOwner& owner);

    /// The slider's position: the number of decimals shown.
    int Decimals() const { return m_nDecimals; }

protected:
    void SetupControls() override;
    /// Slider and engine from the record.
    void ReadSettings() override;
    bool TakesKeyboard() const override { return false; }

private:
    void AddButtons(QGridLayout& grid, QSize cell);
    void AddSlider(QGridLayout& grid, QSize cell);
    void OnButton(const ButtonInfo& button);
    /// A new slider position goes to the record and the engine at once.
    void OnDecimalsChanged(int decimals);

    /// Shows the slider's position under it: the slider itself carries no number.
    void ShowDecimals();

    QSlider* m_pSlider = nullptr;
    QLabel* m_pDecimalsLabel = nullptr;
    int m_nDecimals;
};
