// SPDX-License-Identifier: MIT
// C_MainFrm: the tool panels: made with the window, refreshed when the document is replaced.
#include "C_MainFrm.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcBasicButtonsView.h"
#include "C_VYXCalcCMPLXView.h"
#include "C_VYXCalcConvertView.h"
#include "C_VYXCalcGreekCharsView.h"
#include "C_VYXCalcLatinCharsView.h"
#include "C_VYXCalcMathView.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXCalcTrigView.h"
#include "C_VYXCalcVariablesView.h"
#include "C_VYXToolbarVariables.h"

#include <QToolBar>

void C_MainFrm::InstallPanels() {
    using Panel = C_VYXPanelSet::Panel;
    // In the order of C_VYXPanelSet::Panel.
    m_panels.Install(Panel::Numpad, std::make_unique<C_VYXCalcBasicButtonsView>(*this));
    m_panels.Install(Panel::Latin, std::make_unique<C_VYXCalcLatinCharsView>(*this));
    m_panels.Install(Panel::Complex, std::make_unique<C_VYXCalcCMPLXView>(*this));
    m_panels.Install(Panel::Conversion, std::make_unique<C_VYXCalcConvertView>(*this));
    m_panels.Install(Panel::Variables, std::make_unique<C_VYXCalcVariablesView>(*this));
    m_panels.Install(Panel::Trigonometry, std::make_unique<C_VYXCalcTrigView>(*this));
    m_panels.Install(Panel::Math, std::make_unique<C_VYXCalcMathView>(*this));
    m_panels.Install(Panel::Greek, std::make_unique<C_VYXCalcGreekCharsView>(*this));
}

void C_MainFrm::RefreshPanels() {
    m_panels.RefreshAll();
}

C_VYXCalcAreaModel& C_MainFrm::CalcArea() {
    return m_pView->Model();
}

void C_MainFrm::FocusCalcArea() {
    // The focus widget of an inactive window gets no keys: a panel or floating toolbar that was
    // clicked may be the active window, so this window is made active first.
    if (isVisible() && !isMinimized()) {
        raise();
        activateWindow();
    }
    m_pView->setFocus(Qt::OtherFocusReason);
}

void C_MainFrm::EnsureNumpad() {
    m_panels.Ensure(C_VYXPanelSet::Panel::Numpad);
}

QToolBar* C_MainFrm::MakeVariablesToolbar() {
    // Changes of the variables from any side mark the document: the title follows them too.
    connect(&m_document->VariablesPanel(), &C_VYXVariablesModel::changed, this,
            &C_MainFrm::UpdateTitle);
    return new C_VYXToolbarVariables(*this, this);
}
