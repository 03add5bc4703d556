// SPDX-License-Identifier: MIT
// Tests of printing: the pages written as PDF (footers, every line once, wrapping), the
// missing-printer box, the print and preview dialogs.
#include "WidgetTestSupport.h"

#include <QtPrintSupport>

namespace {
using Kind = C_VYXScriptedMessageBoxes::Kind;

/// The non-empty lines of a text, trimmed.
QStringList NonEmptyLines(const QString& text) {
    static const QRegularExpression lineBreak(u"\\s*\\n\\s*"_s);
    return text.trimmed().split(lineBreak, Qt::SkipEmptyParts);
}

/// The lines of each page, top to bottom; no pages when pdftotext failed.
QList<QStringList> PdfPageLines(const QString& path) {
    QProcess process;
    process.start(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, path, u"-"_s});
    process.waitForFinished(60000);
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
    pages.removeLast(); // pdftotext ends every page with a form feed; nothing: no pages
    QList<QStringList> lines;
    for (const QString& page : pages)
        lines.append(NonEmptyLines(page));
    return lines;
}

/// Checks every page of an unsaved document's PDF (no header): "page i(n)" at the bottom, and
/// the bodies together exactly `expectedBody`. How lines fill pages is the layout's own test.
void VerifyPrintout(const QString& pdfPath, const QStringList& expectedBody) {
    const QList<QStringList> pages = PdfPageLines(pdfPath); // none: the body comparison fails
    QStringList body;
    for (qsizetype page = 1; page <= pages.size(); ++page) {
        const QStringList& lines = pages.at(page - 1);
        QCOMPARE(lines.value(lines.size() - 1), u"page %1(%2)"_s.arg(page).arg(pages.size()));
        body += lines.mid(0, lines.size() - 1);
    }
    QCOMPARE(body, expectedBody);
}
} // namespace

class PrintingTest : public MainFrameFixture {
    Q_OBJECT

private:
    /// The lines a printout must show: the area's, then "VARIABLES:" and the variables. Empty
    /// lines leave no trace in the extracted text, so they are left out.
    QStringList ExpectedBody() {
        const QStringList variables = NonEmptyLines(Doc().VariablesPanel().ListText());
        return NonEmptyLines(Area().Text()) +
               (variables.isEmpty() ? variables : QStringList{"VARIABLES:"} + variables);
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("poppler-utils (pdftotext) is needed to read the printed pages");
    }

    // A saved document's pages under its path, on several pages, are checked on the program
    // itself (check_export_pdf.cmake); here the window's command.
    void unsavedDocumentExportsWithoutHeaderOrSaysWhyNot() {
        const QString wide = u"//"_s + u"0123456789"_s.repeated(80);
        Area().InsertText(wide + u"\r\n2+2"_s);
        m_env->fileChooser.pdfPaths.enqueue(m_env->TempPath(u"plain"_s));
        Trigger("actionFileExportPdf");
        QCOMPARE(m_env->fileChooser.suggestedPdfPaths, QStringList{"Untitled.pdf"});
        // The extension is added; without variables there is no "VARIABLES:" line. A line wider
        // than the page is broken anywhere, even inside a number, and nothing lost.
        const QList<QStringList> pages = PdfPageLines(m_env->TempPath(u"plain.pdf"_s));
        const QStringList body = pages.value(0);
        QVERIFY2(pages.size() == 1 && body.size() >= 5, qPrintable(body.join(u'|')));
        QCOMPARE(body.mid(body.size() - 2), (QStringList{"2+2", "page 1(1)"}));
        QCOMPARE(body.first(body.size() - 2).join(QString()), wide);

        const QString pdfPath = m_env->TempPath(u"missing/dir/out.pdf"_s);
        m_env->fileChooser.pdfPaths.enqueue(pdfPath);
        Trigger("actionFileExportPdf");
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 1);
        const C_VYXScriptedMessageBoxes::Box box = m_env->messageBoxes.LastBox();
        QCOMPARE(int(box.kind), int(Kind::Error));
        QVERIFY2(box.text.contains(QDir::toNativeSeparators(pdfPath)), qPrintable(box.text));
        // A cancelled dialog writes nothing and says nothing; a saved document's name is
        // offered beside it.
        QVERIFY(Doc().OnSaveDocument(m_env->TempPath(u"sheet.vyx"_s)));
        m_env->fileChooser.pdfPaths.enqueue(QString());
        Trigger("actionFileExportPdf");
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 1);
        QCOMPARE(m_env->fileChooser.suggestedPdfPaths.last(), m_env->TempPath(u"sheet.pdf"_s));
    }

    // The preview lays the pages out on the locale's paper and puts the window back where it
    // was; without a printer Print offers the PDF export instead, with one the print dialog
    // draws every page and offers no page range.
    void previewAndPrintWithoutAndWithAPrinter() {
        // Seventy lines evaluated and two variables, one depending on the other; "fi" and "fl"
        // stay letters in the PDF, not ligatures.
        QStringList lines{"//first flat fit", "rate=7", "bonus=rate*2"};
        for (int i = 1; i <= 70; ++i)
            lines << u"%1*3+1/4"_s.arg(i);
        for (const QString& line : lines)
            Area().InsertText(line), Area().PressEnter(false);
        C_VYXPrintCommands commands(Doc(), *m_frame, m_env->fileChooser, m_frame.get());
        bool printer = false, accept = false, pageRangeOffered = true;
        commands.SetPrinterCheck([&] { return printer; });
        const QString previewed = m_env->TempPath(u"preview.pdf"_s);
        const QString printed = m_env->TempPath(u"printed.pdf"_s);
        QSizeF paper;
        int dialogs = 0;
        C_VYXWindowPlacement before, during, after;
        QVERIFY(m_frame->GetWindowPlacement(before));
        commands.SetDialogRunner([&](QDialog& dialog) {
            ++dialogs;
            if (auto* printDialog = qobject_cast<QPrintDialog*>(&dialog)) {
                pageRangeOffered = printDialog->testOption(QAbstractPrintDialog::PrintPageRange);
                printDialog->printer()->setOutputFormat(QPrinter::PdfFormat);
                printDialog->printer()->setOutputFileName(printed);
                return int(accept ? QDialog::Accepted : QDialog::Rejected);
            }
            if (auto* preview = qobject_cast<QPrintPreviewDialog*>(&dialog)) {
                // The preview's own printer, as its window would draw on it.
                QPrinter* target = preview->printer();
                paper = target->pageLayout().pageSize().size(QPageSize::Millimeter);
                target->setOutputFileName(previewed);
                emit preview->paintRequested(target);
                m_frame->setGeometry(m_frame->geometry().translated(37, 23));
                m_frame->GetWindowPlacement(during);
            }
            return int(QDialog::Rejected);
        });
        commands.PrintPreview();
        // A4 is 210 by 297 mm, Letter 8.5 by 11 inches.
        const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
        QCOMPARE(paper, letter ? QSizeF(215.9, 279.4) : QSizeF(210, 297));
        VerifyPrintout(previewed, ExpectedBody());
        QVERIFY(!(during == before));
        QVERIFY(m_frame->GetWindowPlacement(after) && after == before);

        // The question offers the export: No prints nothing, Yes exports.
        m_env->messageBoxes.QueueAnswer(Answer::No);
        QVERIFY(!commands.Print());
        const QString exported = m_env->TempPath(u"instead.pdf"_s);
        m_env->fileChooser.pdfPaths.enqueue(exported);
        m_env->messageBoxes.QueueAnswer(Answer::Yes);
        QVERIFY(commands.Print() && QFileInfo::exists(exported));
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 2);
        for (const C_VYXScriptedMessageBoxes::Box& box : m_env->messageBoxes.Boxes())
            QCOMPARE(int(box.kind), int(Kind::YesNo));
        QCOMPARE(dialogs, 1); // no print dialog

        printer = true;
        QVERIFY(!commands.Print() && !QFileInfo::exists(printed));
        accept = true;
        QVERIFY(commands.Print() && !pageRangeOffered);
        VerifyPrintout(printed, ExpectedBody());

        // Ctrl+P asks the system, from the calculation area.
        if (C_VYXPrintCommands::SystemHasDefaultPrinter())
            return;
        m_env->messageBoxes.QueueAnswer(Answer::No);
        QTest::keyClick(&m_frame->TextView(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 3);
        QCOMPARE(int(m_env->messageBoxes.LastBox().kind), int(Kind::YesNo));
    }
};

VYX_WIDGET_TEST_MAIN(PrintingTest)
#include "test_printing.moc"
