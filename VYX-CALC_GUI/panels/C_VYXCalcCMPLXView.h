// SPDX-License-Identifier: MIT
// C_VYXCalcCMPLXView: the complex-number panel: imaginary unit, complex functions, argument flag.
#pragma once

#include "C_VYXDlgFix.h"

class QCheckBox;

/// Six buttons that insert the imaginary unit or a complex function's name and opening
/// parenthesis, and the check box that makes every complex result show its argument. Unlike
/// the numpad, Enter and Escape hide this panel.
class C_VYXCalcCMPLXView : public C_VYXDlgFix {
    Q_OBJECT

public:
    explicit C_VYXCalcCMPLXView(C_VYXPanelOwner& owner);

    static inline const QString ArgumentCheckBoxObjectName = QStringLiteral("alwaysShowArgument");
    /// The object name of a button, from its control id.
    static QString ButtonObjectName(int id);

protected:
    void SetupControls() override;
    /// Ticks the check box as the document's record says.
    void ReadSettings() override;
    bool StaysOpenOnEnterAndEscape() const override { return false; }
    bool TakesKeyboard() const override { return false; }
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnArgumentCheckBoxClicked(bool checked);

    QCheckBox* m_pArgumentCheckBox = nullptr;
};
