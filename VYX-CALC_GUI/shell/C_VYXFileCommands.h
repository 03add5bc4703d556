// SPDX-License-Identifier: MIT
// C_VYXFileCommands: File New, Open, Save, Save As, recent files and the save-changes question.
#pragma once

#include <QString>

class C_TOBRIK_CALCULATORDoc;
class C_VYXFileChooser;
class C_VYXMessageBoxes;
class QWidget;

/// The File menu's commands on the one document. Before the document is replaced, a modified
/// document is offered for saving ("Save changes to ...?" with Yes, No and Cancel); Cancel, or
/// cancelling the Save As dialog that Yes may open, keeps the work and stops the command.
class C_VYXFileCommands {
public:
    enum class Outcome { Done, Cancelled, Failed };

    /// Everything must outlive the commands; `dialogParent` may be null.
    C_VYXFileCommands(C_TOBRIK_CALCULATORDoc& document, C_VYXMessageBoxes& messageBoxes,
                      C_VYXFileChooser& fileChooser, QWidget* dialogParent);

    Outcome New();
    /// File Open: asks for a file.
    Outcome Open();
    /// Opens `path` after the save-changes question: a recent file, a dropped file (which
    /// counts as File Open for the window placement) or the command line.
    Outcome OpenPath(const QString& path, bool asOpenCommand);
    Outcome Save();
    Outcome SaveAs();
    /// The save-changes question for a modified document; false when the user cancelled.
    bool SaveModified();

    /// The file dialogs, shared with the other commands that ask for a path.
    C_VYXFileChooser& FileChooser() const { return m_fileChooser; }
    /// "Untitled" or the document's file name, as the title and the question show it.
    QString DocumentName() const;
    /// A chosen path without an extension gets ".vyx".
    static QString WithDocumentExtension(const QString& path);

private:
    C_TOBRIK_CALCULATORDoc& m_document;
    C_VYXMessageBoxes& m_messageBoxes;
    C_VYXFileChooser& m_fileChooser;
    QWidget* m_pDialogParent;
};
