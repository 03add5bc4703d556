// SPDX-License-Identifier: MIT
// C_VYXQtFileChooser: the Open and Save As dialogs of the desktop program.
#pragma once

#include "C_VYXFileChooser.h"

/// QFileDialog with the document filter "TobrikCalculator_Files (*.vyx)", or PDF files for the
/// export.
class C_VYXQtFileChooser : public C_VYXFileChooser {
public:
    QString ChooseOpenPath(QWidget* parent) override;
    QString ChooseSavePath(QWidget* parent, const QString& suggestedPath) override;
    QString ChooseExportPdfPath(QWidget* parent, const QString& suggestedPath) override;
};
