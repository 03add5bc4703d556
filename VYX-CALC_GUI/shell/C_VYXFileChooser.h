// SPDX-License-Identifier: MIT
// C_VYXFileChooser: where the File commands ask the user for a document or PDF path.
#pragma once

#include <QString>

class QWidget;

/// The file dialogs of File Open, File Save As and Export as PDF. The program shows QFileDialog;
/// tests answer with prepared paths, so no test waits for a dialog.
class C_VYXFileChooser {
public:
    virtual ~C_VYXFileChooser() = default;
    /// The document to open; empty when the user cancelled.
    virtual QString ChooseOpenPath(QWidget* parent) = 0;
    /// Where to save; `suggestedPath` is offered first. Empty when the user cancelled.
    virtual QString ChooseSavePath(QWidget* parent, const QString& suggestedPath) = 0;
    /// Where Export as PDF writes; `suggestedPath` is offered first. Empty when cancelled.
    virtual QString ChooseExportPdfPath(QWidget* parent, const QString& suggestedPath) = 0;
};
