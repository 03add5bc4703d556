// SPDX-License-Identifier: MIT
// Tests of printing: the pages written as PDF (header, footers, every line once, wrapping), the
// missing-printer box, the print and preview dialogs, and the export without a window.
#include "C_MainFrm.h"
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXPrintCommands.h"
#include "WidgetTestSupport.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

using Kind = C_VYXScriptedMessageBoxes::Kind;

/// Standard output of a poppler tool, empty when it failed.
QString RunPdfTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPageCount(const QString& path) {
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                                             QRegularExpression::MultilineOption)
                                              .match(RunPdfTool(QStringLiteral("pdfinfo"), {path}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

/// The non-empty text lines of each page, top to bottom.
QList<QStringList> PdfPageLines(const QString& path) {
    QStringList pages =
        RunPdfTool(QStringLiteral("pdftotext"),
                   {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")})
            .split(u'\f');
    // pdftotext ends every page with a form feed.
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    QList<QStringList> lines;
    for (const QString& page : pages) {
        QStringList pageLines;
        for (const QString& line : page.split(u'\n')) {
            if (!line.trimmed().isEmpty())
                pageLines.append(line.trimmed());
        }
        lines.append(pageLines);
    }
    return lines;
}

/// The lines a printout must show, in order: the area's lines, then "VARIABLES:" and the
/// variables. Empty lines leave no trace in the extracted text, so they are left out.
QStringList ExpectedBodyLines(const QString& areaText, const QString& variablesList) {
    QStringList expected;
    for (const QString& line : areaText.split(QStringLiteral("\r\n"))) {
        if (!line.trimmed().isEmpty())
            expected.append(line.trimmed());
    }
    if (!variablesList.isEmpty()) {
        expected.append(QStringLiteral("VARIABLES:"));
        for (const QString& line : variablesList.split(u'\n', Qt::SkipEmptyParts))
            expected.append(line);
    }
    return expected;
}

/// Checks every page of the PDF: the header on top when there is one, "page i(n)" at the bottom
/// and, between them, the body; all pages but the last equally full; the bodies together are
/// exactly `expectedBody`, so no line is lost or printed twice.
void VerifyPrintout(const QString& pdfPath, const QString& header,
                    const QStringList& expectedBody) {
    const int pageCount = PdfPageCount(pdfPath);
    const QList<QStringList> pages = PdfPageLines(pdfPath);
    QCOMPARE(pages.size(), pageCount);
    QStringList body;
    qsizetype fullPage = -1;
    for (int page = 1; page <= pageCount; ++page) {
        QStringList lines = pages.at(page - 1);
        QVERIFY2(!lines.isEmpty(), qPrintable(QStringLiteral("page %1 is empty").arg(page)));
        QCOMPARE(lines.takeLast(), QStringLiteral("page %1(%2)").arg(page).arg(pageCount));
        if (!header.isEmpty()) {
            QVERIFY(!lines.isEmpty());
            QCOMPARE(lines.takeFirst(), header);
        }
        if (page == 1)
            fullPage = lines.size();
        else if (page < pageCount)
            QCOMPARE(lines.size(), fullPage);
        else
            QVERIFY(lines.size() <= fullPage);
        body += lines;
    }
    QCOMPARE(body, expectedBody);
}

} // namespace

class PrintingTest : public MainFrameFixture {
    Q_OBJECT

private:
    C_VYXCalcAreaModel& Area() { return m_frame->TextView().Model(); }
    C_TOBRIK_CALCULATORDoc& Document() { return m_frame->Document(); }

    /// Evaluates `count` lines and defines two variables, one depending on the other: several
    /// pages of text.
    void FillWithCalculations(int count) {
        for (int i = 1; i <= count; ++i) {
            Area().InsertText(QStringLiteral("%1*3+1/4").arg(i));
            Area().PressEnter(false);
        }
        Area().InsertText(QStringLiteral("rate=7"));
        Area().PressEnter(false);
        Area().InsertText(QStringLiteral("bonus=rate*2"));
        Area().PressEnter(false);
    }
    QStringList ExpectedBody() {
        return ExpectedBodyLines(Area().Text(), Document().VariablesPanel().ListText());
    }
    /// A separate set of print commands over the window's document, with a printer that exists
    /// and dialogs answered by `runner`.
    std::unique_ptr<C_VYXPrintCommands>
    CommandsWithPrinter(C_VYXPrintCommands::DialogRunner runner) {
        auto commands = std::make_unique<C_VYXPrintCommands>(Document(), *m_frame,
                                                             m_env->fileChooser, m_frame.get());
        commands->SetPrinterCheck([] { return true; });
        commands->SetDialogRunner(std::move(runner));
        return commands;
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("poppler-utils (pdftotext, pdfinfo) are needed to read the printed pages");
    }

    void exportAsPdfPrintsEveryLineOnceUnderHeaderAndFooter() {
        FillWithCalculations(80);
        const QString documentPath = m_env->TempPath(QStringLiteral("sheet.vyx"));
        QVERIFY(Document().OnSaveDocument(documentPath));
        const QString pdfPath = m_env->TempPath(QStringLiteral("sheet.pdf"));
        m_env->fileChooser.pdfPaths.enqueue(pdfPath);

        Trigger("actionFileExportPdf");

        // The dialog starts beside the document, under its name.
        QCOMPARE(m_env->fileChooser.suggestedPdfPaths, QStringList{pdfPath});
        QVERIFY(m_env->messageBoxes.Boxes().isEmpty());
        const QStringList expected = ExpectedBody();
        QVERIFY(expected.contains(QStringLiteral("rate=7")));
        QVERIFY(expected.contains(QStringLiteral("bonus=rate*2=14")));
        QVERIFY(PdfPageCount(pdfPath) >= 3);
        VerifyPrintout(pdfPath, QDir::toNativeSeparators(documentPath), expected);
    }

    void unsavedDocumentHasNoHeaderAndExportAddsExtension() {
        Area().InsertText(QStringLiteral("//only line\r\n2+2"));
        m_env->fileChooser.pdfPaths.enqueue(m_env->TempPath(QStringLiteral("plain")));
        Trigger("actionFileExportPdf");
        QCOMPARE(m_env->fileChooser.suggestedPdfPaths, QStringList{"Untitled.pdf"});
        const QString pdfPath = m_env->TempPath(QStringLiteral("plain.pdf"));
        QCOMPARE(PdfPageCount(pdfPath), 1);
        // Without variables there is no "VARIABLES:" line.
        QCOMPARE(PdfPageLines(pdfPath).value(0), (QStringList{"//only line", "2+2", "page 1(1)"}));
    }

    void lineWiderThanThePageContinuesOnTheNextLines() {
        QString wide = QStringLiteral("//");
        for (int i = 0; i < 80; ++i)
            wide += QStringLiteral("0123456789");
        Area().InsertText(wide);
        const QString pdfPath = m_env->TempPath(QStringLiteral("wide.pdf"));
        QString error;
        QVERIFY2(C_VYXPrintCommands::WritePdf(pdfPath, Area().Text(), QString(), &error),
                 qPrintable(error));
        QStringList body = PdfPageLines(pdfPath).value(0);
        QCOMPARE(body.takeLast(), QStringLiteral("page 1(1)"));
        QVERIFY2(body.size() >= 3, qPrintable(body.join(u'|')));
        // Broken anywhere, even inside a number, and nothing lost.
        QCOMPARE(body.join(QString()), wide);
        // Digits are all one width: the pieces between the first and the last are filled alike.
        for (qsizetype i = 2; i + 1 < body.size(); ++i)
            QCOMPARE(body.at(i).size(), body.at(1).size());
        QVERIFY(body.last().size() <= body.at(1).size());
    }

    void exportFailureLeavesNoFileAndSaysWhy() {
        Area().InsertText(QStringLiteral("1+1"));
        const QString pdfPath = m_env->TempPath(QStringLiteral("missing/dir/out.pdf"));
        m_env->fileChooser.pdfPaths.enqueue(pdfPath);
        Trigger("actionFileExportPdf");
        QVERIFY(!QFileInfo::exists(pdfPath));
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 1);
        const C_VYXScriptedMessageBoxes::Box box = m_env->messageBoxes.LastBox();
        QCOMPARE(int(box.kind), int(Kind::Error));
        QCOMPARE(box.caption, QStringLiteral("ERROR!!"));
        QVERIFY2(box.text.contains(QDir::toNativeSeparators(pdfPath)), qPrintable(box.text));

        // A cancelled dialog writes nothing and says nothing.
        m_env->fileChooser.pdfPaths.enqueue(QString());
        Trigger("actionFileExportPdf");
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 1);
    }

    void withoutDefaultPrinterNothingIsPrinted_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("print") << QStringLiteral("actionFilePrint");
        QTest::newRow("preview") << QStringLiteral("actionFilePrintPreview");
        QTest::newRow("ctrl+p") << QString();
    }

    void withoutDefaultPrinterNothingIsPrinted() {
        if (C_VYXPrintCommands::SystemHasDefaultPrinter())
            QSKIP("this machine has a default printer");
        QFETCH(QString, command);
        Area().InsertText(QStringLiteral("1+1"));
        if (command.isEmpty())
            QTest::keyClick(&m_frame->TextView(), Qt::Key_P, Qt::ControlModifier);
        else
            Trigger(command.toLatin1().constData());
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 1);
        const C_VYXScriptedMessageBoxes::Box box = m_env->messageBoxes.LastBox();
        QCOMPARE(int(box.kind), int(Kind::Error));
        QCOMPARE(box.caption, QStringLiteral("Unable to print."));
        QCOMPARE(box.text, QStringLiteral("The computer does not have a default printer "
                                          "installed\r\nThere has to be a printer installed if "
                                          "you want to print."));
        QCOMPARE(Area().Text(), QStringLiteral("1+1"));
    }

    void printDialogPrintsAllPagesAndOffersNoPageRange_data() {
        QTest::addColumn<bool>("accept");
        QTest::newRow("accepted") << true;
        QTest::newRow("cancelled") << false;
    }

    void printDialogPrintsAllPagesAndOffersNoPageRange() {
        QFETCH(bool, accept);
        FillWithCalculations(70);
        const QString pdfPath = m_env->TempPath(QStringLiteral("printed.pdf"));
        bool pageRangeOffered = true;
        auto commands = CommandsWithPrinter([&](QDialog& dialog) {
            auto* printDialog = qobject_cast<QPrintDialog*>(&dialog);
            if (printDialog == nullptr)
                return int(QDialog::Rejected);
            pageRangeOffered = printDialog->testOption(QAbstractPrintDialog::PrintPageRange);
            printDialog->printer()->setOutputFormat(QPrinter::PdfFormat);
            printDialog->printer()->setOutputFileName(pdfPath);
            return int(accept ? QDialog::Accepted : QDialog::Rejected);
        });
        QCOMPARE(commands->Print(), accept);
        QVERIFY(!pageRangeOffered);
        QCOMPARE(QFileInfo::exists(pdfPath), accept);
        if (accept)
            VerifyPrintout(pdfPath, QString(), ExpectedBody());
        QVERIFY(m_env->messageBoxes.Boxes().isEmpty());
    }

    void previewShowsThePagesAndRestoresThePlacement() {
        FillWithCalculations(5);
        C_VYXWindowPlacement before;
        QVERIFY(m_frame->GetWindowPlacement(before));
        const QString pdfPath = m_env->TempPath(QStringLiteral("preview.pdf"));
        bool moved = false;
        auto commands = CommandsWithPrinter([&](QDialog& dialog) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(&dialog);
            if (preview == nullptr)
                return int(QDialog::Rejected);
            // The preview draws on whatever printer it is handed.
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfPath);
            emit preview->paintRequested(&printer);
            m_frame->setGeometry(m_frame->geometry().translated(37, 23));
            C_VYXWindowPlacement during;
            moved = m_frame->GetWindowPlacement(during) && !(during == before);
            return int(QDialog::Rejected);
        });
        commands->PrintPreview();
        QVERIFY(moved);
        C_VYXWindowPlacement after;
        QVERIFY(m_frame->GetWindowPlacement(after));
        QCOMPARE(after.normalLeft, before.normalLeft);
        QCOMPARE(after.normalTop, before.normalTop);
        QCOMPARE(after.normalRight, before.normalRight);
        QCOMPARE(after.normalBottom, before.normalBottom);
        VerifyPrintout(pdfPath, QString(), ExpectedBody());
    }

    // The failures of the export without a window are checked on the program itself
    // (check_export_pdf.cmake).
    void savedDocumentExportsWithoutWindow() {
        FillWithCalculations(3);
        const QString documentPath = m_env->TempPath(QStringLiteral("batch.vyx"));
        QVERIFY(Document().OnSaveDocument(documentPath));
        const QStringList expected = ExpectedBody();

        C_VYXScriptedMessageBoxes boxes;
        QString error;
        const QString pdfPath = m_env->TempPath(QStringLiteral("batch.pdf"));
        QVERIFY2(C_VYXPrintCommands::ExportDocument(documentPath, pdfPath, boxes, &error),
                 qPrintable(error));
        VerifyPrintout(pdfPath, QDir::toNativeSeparators(documentPath), expected);
        QVERIFY(boxes.Boxes().isEmpty());
    }
};

VYX_WIDGET_TEST_MAIN(PrintingTest)
#include "test_printing.moc"
