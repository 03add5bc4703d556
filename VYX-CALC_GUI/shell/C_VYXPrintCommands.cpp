// SPDX-License-Identifier: MIT
// C_VYXPrintCommands: the default-printer check, the print and preview dialogs, PDF files.
#include "C_VYXPrintCommands.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcAreaModel.h"
#include "C_VYXDocumentFrame.h"
#include "C_VYXFileChooser.h"
#include "C_VYXMessageBoxes.h"
#include "C_VYXPrintLayout.h"
#include "C_VYXPrintRenderer.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

namespace {

const QString kErrorCaption = QStringLiteral("ERROR!!");

/// PDF pages get the resolution of a common printer and its unprintable quarter-inch border,
/// so an exported page looks like a printed one.
constexpr int kPdfResolution = 600;
constexpr qreal kPdfMarginMillimetres = 6.35;

QPageLayout PdfPageLayout() {
    return QPageLayout(C_VYXPrintCommands::LocalePageSize(), QPageLayout::Portrait,
                       QMarginsF(kPdfMarginMillimetres, kPdfMarginMillimetres,
                                 kPdfMarginMillimetres, kPdfMarginMillimetres),
                       QPageLayout::Millimeter);
}

} // namespace

QPageSize C_VYXPrintCommands::LocalePageSize() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
               ? QPageSize(QPageSize::Letter)
               : QPageSize(QPageSize::A4);
}

C_VYXPrintCommands::C_VYXPrintCommands(C_TOBRIK_CALCULATORDoc& document, C_VYXDocumentFrame& frame,
                                       C_VYXFileChooser& fileChooser, QWidget* dialogParent)
    : m_document(document), m_frame(frame), m_fileChooser(fileChooser),
      m_pDialogParent(dialogParent), m_hasDefaultPrinter(&SystemHasDefaultPrinter) {}

bool C_VYXPrintCommands::SystemHasDefaultPrinter() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

QString C_VYXPrintCommands::TextToPrint(C_TOBRIK_CALCULATORDoc& document) {
    // The live text of the area that shows the document; none without one.
    const C_VYXCalcTextEdit* area = document.CalcTextRecord().m_pEdit;
    return C_VYXPrintLayout::ComposeText(area != nullptr ? area->LiveText() : QString(),
                                         document.VariablesPanel().ListText());
}

QString C_VYXPrintCommands::HeaderText(const C_TOBRIK_CALCULATORDoc& document) {
    const QString& path = document.PathName();
    if (path.isEmpty())
        return QString();
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

int C_VYXPrintCommands::RunDialog(QDialog& dialog) {
    return m_runDialog ? m_runDialog(dialog) : dialog.exec();
}

bool C_VYXPrintCommands::Print() {
    if (!m_hasDefaultPrinter()) {
        // Nothing can be printed, but the pages can still be kept.
        if (m_document.MessageBoxes().AskYesNo(NoPrinterCaption, NoPrinterText + ExportInsteadText))
            return ExportPdf();
        return false;
    }
    // The text is taken before the dialog, as it stood when the user chose the command.
    C_VYXPrintRenderer renderer(TextToPrint(m_document), HeaderText(m_document));
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, m_pDialogParent);
    dialog.setObjectName(QStringLiteral("printDialog"));
    // Every page is printed: there is no page range to choose.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (RunDialog(dialog) != QDialog::Accepted)
        return false;
    if (renderer.Render(printer))
        return true;
    m_document.ShowErrorBox(QStringLiteral("The document could not be printed."), kErrorCaption);
    return false;
}

bool C_VYXPrintCommands::PrintPreview() {
    C_VYXWindowPlacement placement;
    const bool placementSaved = m_frame.GetWindowPlacement(placement);
    C_VYXPrintRenderer renderer(TextToPrint(m_document), HeaderText(m_document));
    QPrinter printer(QPrinter::HighResolution);
    // A preview needs no printer: without one the pages are those Export as PDF writes.
    if (!m_hasDefaultPrinter()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageLayout(PdfPageLayout());
    }
    QPrintPreviewDialog dialog(&printer, m_pDialogParent);
    dialog.setObjectName(QStringLiteral("printPreviewDialog"));
    // The preview asks again whenever the page setup changes; each time is a fresh layout.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&renderer](QPrinter* target) { renderer.Render(*target); });
    const bool accepted = RunDialog(dialog) == QDialog::Accepted;
    C_VYXWindowPlacement now;
    if (placementSaved && m_frame.GetWindowPlacement(now) && !(now == placement))
        m_frame.ApplyWindowPlacement(placement);
    return accepted;
}

QString C_VYXPrintCommands::WithPdfExtension(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QStringLiteral(".pdf");
}

QString C_VYXPrintCommands::SuggestedPdfPath() const {
    const QString& path = m_document.PathName();
    if (path.isEmpty())
        return QStringLiteral("Untitled.pdf");
    const QFileInfo info(path);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
}

bool C_VYXPrintCommands::ExportPdf() {
    const QString chosen = m_fileChooser.ChooseExportPdfPath(m_pDialogParent, SuggestedPdfPath());
    if (chosen.isEmpty())
        return false;
    const QString path = WithPdfExtension(chosen);
    QString error;
    if (WritePdf(path, TextToPrint(m_document), HeaderText(m_document), &error)) {
        m_document.ShowStatusText(
            QStringLiteral("Exported to %1").arg(QDir::toNativeSeparators(path)));
        return true;
    }
    m_document.ShowErrorBox(error, kErrorCaption);
    return false;
}

bool C_VYXPrintCommands::WritePdf(const QString& path, const QString& text,
                                  const QString& headerText, QString* error) {
    const auto fail = [&](const QString& reason) {
        if (error != nullptr)
            *error = QStringLiteral("The PDF file %1 could not be written.\n%2")
                         .arg(QDir::toNativeSeparators(path), reason);
        return false;
    };
    // Written beside the target and renamed at the end, so a failure keeps the old file whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(PdfPageLayout());
        writer.setCreator(QStringLiteral("TobrikCalculator"));
        writer.setTitle(headerText.isEmpty() ? QStringLiteral("Untitled") : headerText);
        C_VYXPrintRenderer renderer(text, headerText);
        if (!renderer.Render(writer)) {
            file.cancelWriting();
            return fail(QStringLiteral("The pages could not be drawn."));
        }
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

bool C_VYXPrintCommands::ExportDocument(const QString& documentPath, const QString& pdfPath,
                                        C_VYXMessageBoxes& messageBoxes, QString* error) {
    C_TOBRIK_CALCULATORDoc document(messageBoxes);
    // The area is what shows the loaded text; no window is needed for it.
    C_VYXCalcAreaModel area(document);
    if (!document.OnOpenDocument(QFileInfo(documentPath).absoluteFilePath())) {
        // The document has said why in its error box.
        if (error != nullptr)
            error->clear();
        return false;
    }
    return WritePdf(pdfPath, TextToPrint(document), HeaderText(document), error);
}
