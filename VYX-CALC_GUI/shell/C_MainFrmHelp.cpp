// SPDX-License-Identifier: MIT
// C_MainFrm: the Help menu, the help window and the about box.
#include "C_MainFrm.h"

#include "C_VYXAboutBox.h"
#include "C_VYXHelpWindow.h"
#include "C_VYXMenuCommand.h"
#include "C_VYXResourceIds.h"
#include "C_VYXStringTable.h"

#include <QMenuBar>

void C_MainFrm::CreateHelpMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Help"));
    menu->setObjectName(QStringLiteral("menuHelp"));
    connect(AddMenuCommand(menu, QStringLiteral("actionHelpHelp"),
                           C_VYXStringTable::MenuText(C_VYXResourceIds::CmdDisplayHelp), {},
                           QStringLiteral("Display the user guide")),
            &QAction::triggered, this, &C_MainFrm::ShowHelp);
    connect(
        AddMenuCommand(menu, QStringLiteral("actionHelpAbout"),
                       C_VYXStringTable::MenuText(C_VYXResourceIds::CmdAbout), {},
                       QStringLiteral("Display program information, version number and copyright")),
        &QAction::triggered, this, &C_MainFrm::ShowAbout);
}

void C_MainFrm::ShowAbout() {
    C_VYXAboutBox box(this);
    box.exec();
}

void C_MainFrm::ShowHelp() {
    if (m_pHelpWindow) {
        m_pHelpWindow->raise();
        m_pHelpWindow->activateWindow();
        return;
    }
    QRect placement = normalGeometry();
    if (!placement.isValid())
        placement = geometry();
    auto window = std::make_unique<C_VYXHelpWindow>(placement);
    connect(window.get(), &C_VYXHelpWindow::Closed, this, &C_MainFrm::HelpWindowClosed);
    window->show();
    window->activateWindow();
    m_pHelpWindow = std::move(window);
    hide();
}

void C_MainFrm::HelpWindowClosed() {
    show();
    activateWindow();
    // Hiding the window let its focus go; the user goes on typing in the area.
    FocusCalcArea();
    // The window is still inside its close handling: it goes once that is done.
    m_pHelpWindow.release()->deleteLater();
}
