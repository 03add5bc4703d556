// SPDX-License-Identifier: MIT
// C_VYXFileCommands: the File menu's commands and the question before a document is replaced.
#include "C_VYXFileCommands.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXFileChooser.h"
#include "C_VYXMessageBoxes.h"
#include "C_VYXStringTable.h"

#include <QFileInfo>

namespace {

/// Field 4 of the document type line: ".vyx".
QString DocumentExtension() {
    return C_VYXStringTable::DocumentTypePart(4);
}

} // namespace

C_VYXFileCommands::C_VYXFileCommands(C_TOBRIK_CALCULATORDoc& document,
                                     C_VYXMessageBoxes& messageBoxes, C_VYXFileChooser& fileChooser,
                                     QWidget* dialogParent)
    : m_document(document), m_messageBoxes(messageBoxes), m_fileChooser(fileChooser),
      m_pDialogParent(dialogParent) {}

QString C_VYXFileCommands::DocumentName() const {
    return m_document.DisplayName();
}

QString C_VYXFileCommands::WithDocumentExtension(const QString& path) {
    return QFileInfo(path).suffix().isEmpty() ? path + DocumentExtension() : path;
}

bool C_VYXFileCommands::SaveModified() {
    if (!m_document.IsModified())
        return true;
    const QString& path = m_document.PathName();
    const QString text =
        QStringLiteral("Save changes to %1?").arg(path.isEmpty() ? DocumentName() : path);
    switch (m_messageBoxes.AskYesNoCancel(C_VYXStringTable::DocumentTypePart(0), text)) {
    case C_VYXMessageBoxes::Answer::Yes:
        return Save() == Outcome::Done;
    case C_VYXMessageBoxes::Answer::No:
        return true;
    case C_VYXMessageBoxes::Answer::Cancel:
        break;
    }
    return false;
}

C_VYXFileCommands::Outcome C_VYXFileCommands::New() {
    if (!SaveModified())
        return Outcome::Cancelled;
    return m_document.OnNewDocument() ? Outcome::Done : Outcome::Failed;
}

C_VYXFileCommands::Outcome C_VYXFileCommands::Open() {
    if (!SaveModified())
        return Outcome::Cancelled;
    const QString path = m_fileChooser.ChooseOpenPath(m_pDialogParent);
    if (path.isEmpty())
        return Outcome::Cancelled;
    return m_document.OnOpenDocument(path, true) ? Outcome::Done : Outcome::Failed;
}

C_VYXFileCommands::Outcome C_VYXFileCommands::OpenPath(const QString& path, bool asOpenCommand) {
    if (!SaveModified())
        return Outcome::Cancelled;
    return m_document.OnOpenDocument(path, asOpenCommand) ? Outcome::Done : Outcome::Failed;
}

C_VYXFileCommands::Outcome C_VYXFileCommands::Save() {
    const QString& path = m_document.PathName();
    if (path.isEmpty())
        return SaveAs();
    return m_document.OnSaveDocument(path) ? Outcome::Done : Outcome::Failed;
}

C_VYXFileCommands::Outcome C_VYXFileCommands::SaveAs() {
    const QString current = m_document.PathName();
    const QString suggested =
        current.isEmpty() ? C_TOBRIK_CALCULATORDoc::UntitledName() + DocumentExtension() : current;
    const QString chosen = m_fileChooser.ChooseSavePath(m_pDialogParent, suggested);
    if (chosen.isEmpty())
        return Outcome::Cancelled;
    return m_document.OnSaveDocument(WithDocumentExtension(chosen)) ? Outcome::Done
                                                                    : Outcome::Failed;
}
