// SPDX-License-Identifier: MIT
// C_MainFrm: the Help menu, the help window and the about box.
#include "C_MainFrm.h"

#include "C_VYXMenuCommand.h"
#include "C_VYXMessageBoxes.h"
#include "C_VYXResourceIds.h"
#include "C_VYXStringTable.h"

#include <QMenuBar>

void C_MainFrm::CreateHelpMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Help"));
    menu->setObjectName(QStringLiteral("menuHelp"));
    connect(
        AddMenuCommand(menu, QStringLiteral("actionHelpAbout"),
                       C_VYXStringTable::MenuText(C_VYXResourceIds::CmdAbout), {},
                       QStringLiteral("Display program information, version number and copyright")),
        &QAction::triggered, this, &C_MainFrm::ShowAbout);
}

void C_MainFrm::ShowAbout() {
    m_messageBoxes.ShowInformation(
        C_VYXStringTable::DialogCaption(C_VYXResourceIds::DlgAbout),
        QStringLiteral("TobrikCalculator\nVersion %1").arg(QStringLiteral(VYX_VERSION)));
}
