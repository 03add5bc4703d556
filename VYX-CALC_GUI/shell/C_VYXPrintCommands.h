// SPDX-License-Identifier: MIT
// C_VYXPrintCommands: File > Print, Print Preview and Export as PDF, and the batch PDF export.
#pragma once

#include <QPageSize>
#include <QString>

#include <functional>

class C_TOBRIK_CALCULATORDoc;
class C_VYXDocumentFrame;
class C_VYXFileChooser;
class C_VYXMessageBoxes;
class QDialog;
class QWidget;

/// Prints the calculation area followed by the variables. Print needs a default printer; without
/// one it says so and offers Export as PDF instead. Print Preview and Export as PDF need no
/// printer: they lay the pages out on the locale's paper (A4, or Letter where the US measures).
/// The printer query and the running of the print and preview dialogs can be replaced, so tests
/// drive both without a printer and without a modal dialog.
class C_VYXPrintCommands {
public:
    /// Whether the system has a default printer.
    using PrinterCheck = std::function<bool()>;
    /// Runs a print or preview dialog and returns its result (QDialog::Accepted or Rejected).
    using DialogRunner = std::function<int(QDialog&)>;

    static inline const QString NoPrinterCaption = QStringLiteral("Unable to print.");
    static inline const QString NoPrinterText =
        QStringLiteral("The computer does not have a default printer installed\r\nThere has to be "
                       "a printer installed if you want to print.");
    /// Follows NoPrinterText in the question Print asks without a printer.
    static inline const QString ExportInsteadText =
        QStringLiteral("\r\n\r\nSave the pages with \"Export as PDF...\" instead?");

    /// Everything must outlive the commands. `frame` keeps the main window's placement across a
    /// preview; `dialogParent` may be null.
    C_VYXPrintCommands(C_TOBRIK_CALCULATORDoc& document, C_VYXDocumentFrame& frame,
                       C_VYXFileChooser& fileChooser, QWidget* dialogParent);

    void SetPrinterCheck(PrinterCheck check) { m_hasDefaultPrinter = std::move(check); }
    void SetDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    /// The print system's answer: is there a default printer?
    static bool SystemHasDefaultPrinter();

    /// The area's text, then "VARIABLES:" and the variables when there are any.
    static QString TextToPrint(C_TOBRIK_CALCULATORDoc& document);
    /// The document's full path, empty for a document that was never saved or opened.
    static QString HeaderText(const C_TOBRIK_CALCULATORDoc& document);

    /// The print dialog, then the pages on the chosen printer. True when pages were printed (or,
    /// without a printer, exported as the user chose).
    bool Print();
    /// The preview window. The main window's placement from before is restored afterwards.
    bool PrintPreview();
    /// The paper of the user's locale: Letter where the US customary system is used, else A4.
    static QPageSize LocalePageSize();
    /// Asks where to save and writes the pages as a PDF. True when the file was written.
    bool ExportPdf();

    /// Writes `text` paged as for printing to a PDF file at `path`. A failed export leaves any
    /// file that was there; `error` then says why.
    static bool WritePdf(const QString& path, const QString& text, const QString& headerText,
                         QString* error);
    /// Loads the document at `documentPath` without any window and writes its printout to
    /// `pdfPath`. A document that cannot be opened is reported through `messageBoxes` (and
    /// `error` is left empty); a PDF that cannot be written is described in `error`.
    static bool ExportDocument(const QString& documentPath, const QString& pdfPath,
                               C_VYXMessageBoxes& messageBoxes, QString* error);
    /// A chosen path without an extension gets ".pdf".
    static QString WithPdfExtension(const QString& path);

private:
    int RunDialog(QDialog& dialog);
    /// Where Export as PDF starts: beside the document, under its name.
    QString SuggestedPdfPath() const;

    C_TOBRIK_CALCULATORDoc& m_document;
    C_VYXDocumentFrame& m_frame;
    C_VYXFileChooser& m_fileChooser;
    QWidget* m_pDialogParent;
    PrinterCheck m_hasDefaultPrinter;
    DialogRunner m_runDialog;
};
