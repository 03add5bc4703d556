// SPDX-License-Identifier: MIT
// C_VYXPanelSet: stacking, lazy creation and the visibility toggle of the tool panels.
#include "C_VYXPanelSet.h"

void C_VYXPanelSet::Install(Panel panel, std::unique_ptr<C_VYXDlgFix> dialog) {
    m_panels[Index(panel)] = std::move(dialog);
}

C_VYXPanelSet::Panel C_VYXPanelSet::Partner(Panel panel) {
    switch (panel) {
    case Panel::Numpad:
        return Panel::Trigonometry;
    case Panel::Trigonometry:
        return Panel::Numpad;
    case Panel::Variables:
        return Panel::Conversion;
    case Panel::Conversion:
        return Panel::Variables;
    default:
        return panel;
    }
}

void C_VYXPanelSet::Toggle(Panel panel) {
    C_VYXDlgFix* dialog = Get(panel);
    if (dialog == nullptr)
        return;
    const C_VYXDlgFix* partner = Get(Partner(panel));
    if (partner != nullptr && partner != dialog)
        dialog->StackBelow(*partner);
    else
        dialog->SetOffsetY(0);
    if (!dialog->Create())
        return;
    if (dialog->isVisible()) {
        dialog->hide();
    } else {
        dialog->show();
        dialog->raise();
    }
}

bool C_VYXPanelSet::IsShown(Panel panel) const {
    const C_VYXDlgFix* dialog = Get(panel);
    return dialog != nullptr && dialog->IsCreated() && dialog->isVisible();
}

C_VYXDlgFix* C_VYXPanelSet::Ensure(Panel panel) {
    C_VYXDlgFix* dialog = Get(panel);
    if (dialog == nullptr || !dialog->Create())
        return nullptr;
    return dialog;
}

void C_VYXPanelSet::RefreshAll() {
    for (const std::unique_ptr<C_VYXDlgFix>& dialog : m_panels)
        if (dialog != nullptr)
            dialog->RefreshFromSettings();
}
