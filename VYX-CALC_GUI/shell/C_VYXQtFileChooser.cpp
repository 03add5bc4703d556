// SPDX-License-Identifier: MIT
// C_VYXQtFileChooser: QFileDialog with the document type's filter.
#include "C_VYXQtFileChooser.h"

#include "C_VYXStringTable.h"

#include <QFileDialog>

namespace {

/// Field 3 of the document type line: "TobrikCalculator_Files (*.vyx)".
QString DocumentFilter() {
    return C_VYXStringTable::DocumentTypePart(3);
}

} // namespace

QString C_VYXQtFileChooser::ChooseOpenPath(QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), QString(),
                                        DocumentFilter());
}

QString C_VYXQtFileChooser::ChooseSavePath(QWidget* parent, const QString& suggestedPath) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Save As"), suggestedPath,
                                        DocumentFilter());
}

QString C_VYXQtFileChooser::ChooseExportPdfPath(QWidget* parent, const QString& suggestedPath) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Export as PDF"), suggestedPath,
                                        QStringLiteral("PDF Files (*.pdf)"));
}
