// SPDX-License-Identifier: MIT
// C_MainFrm: the tool panels: made with the window, refreshed when the document is replaced.
#include "C_MainFrm.h"

#include "C_VYXCalcTextView.h"

#include <QToolBar>

void C_MainFrm::InstallPanels() {
    // Each panel is installed here, in the order of C_VYXPanelSet::Panel.
}

void C_MainFrm::RefreshPanels() {
    m_panels.RefreshAll();
}

C_VYXCalcAreaModel& C_MainFrm::CalcArea() {
    return m_pView->Model();
}

void C_MainFrm::FocusCalcArea() {
    m_pView->setFocus();
}

QToolBar* C_MainFrm::MakeVariablesToolbar() {
    auto* toolbar = new QToolBar(QStringLiteral("Variables Toolbar"), this);
    toolbar->setObjectName(QStringLiteral("toolbarVariables"));
    return toolbar;
}
