// SPDX-License-Identifier: MIT
// C_MainFrm: printing, print preview and the PDF export of the calculation area.
#include "C_MainFrm.h"

#include "C_VYXMenuCommand.h"

#include <QMenu>

void C_MainFrm::CreatePrintCommands(QMenu* fileMenu) {
    m_printCommands = std::make_unique<C_VYXPrintCommands>(*m_document, *this,
                                                           m_fileCommands->FileChooser(), this);

    QAction* print = AddMenuCommand(
        fileMenu, QStringLiteral("actionFilePrint"), QStringLiteral("&Print...\tCtrl+P"),
        {QKeySequence(Qt::CTRL | Qt::Key_P)}, QStringLiteral("Print the active document"));
    // Ctrl+P prints from a tool panel too.
    print->setShortcutContext(Qt::ApplicationShortcut);
    connect(print, &QAction::triggered, this, [this] { m_printCommands->Print(); });
    connect(AddMenuCommand(fileMenu, QStringLiteral("actionFilePrintPreview"),
                           QStringLiteral("Print Pre&view"), {},
                           QStringLiteral("Display full pages")),
            &QAction::triggered, this, [this] { m_printCommands->PrintPreview(); });
    connect(AddMenuCommand(fileMenu, QStringLiteral("actionFileExportPdf"),
                           QStringLiteral("Export as PDF..."), {},
                           QStringLiteral("Save the calculation area and the variables as a PDF "
                                          "file")),
            &QAction::triggered, this, [this] { m_printCommands->ExportPdf(); });
}
