// SPDX-License-Identifier: MIT
// TobrikCalculator: starts the desktop calculator, optionally with a document to open, or
// writes a document's printout to a PDF file without any window.
#include "C_MainFrm.h"
#include "C_VYXPrintCommands.h"
#include "C_VYXProfile.h"
#include "C_VYXQtFileChooser.h"
#include "C_VYXQtMessageBoxes.h"
#include "C_VYXRecoveryStore.h"
#include "C_VYXStreamMessageBoxes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QIcon>
#include <QTimer>

#include <string_view>

namespace {

const char* const kExportPdfOption = "export-pdf";

/// Whether the command line asks for the PDF export or the help text, which show no window;
/// looked at before the application object exists, since that is when the window system is
/// chosen.
bool NeedsNoWindow(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--export-pdf" || argument.starts_with("--export-pdf=") ||
            argument == "--help" || argument == "-h" || argument == "--help-all")
            return true;
    }
    return false;
}

/// The batch export: 0 when written, 1 when the document or the PDF failed, 2 for misuse.
int ExportPdf(const QString& pdfPath, const QStringList& documents) {
    if (documents.size() != 1) {
        qCritical("--export-pdf needs exactly one document: TobrikCalculator --export-pdf "
                  "OUT.pdf FILE.vyx");
        return 2;
    }
    // Whatever the document would say in a message box goes to the error output.
    C_VYXStreamMessageBoxes messageBoxes(stderr);
    QString error;
    if (C_VYXPrintCommands::ExportDocument(documents.first(), pdfPath, messageBoxes, &error))
        return 0;
    if (!error.isEmpty())
        qCritical("%s", qUtf8Printable(error));
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    // Without a window, no display is needed, and an unusable one must not stop the program.
    if (NeedsNoWindow(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("TobrikCalculator"));
    QApplication::setApplicationName(QStringLiteral("TobrikCalculator"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tobrikcalculator.svg")));
    // The desktop entry's name, so the window system matches the windows to the icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("tobrikcalculator"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A scientific calculator."));
    parser.addHelpOption();
    const QCommandLineOption exportOption(
        QString::fromLatin1(kExportPdfOption),
        QStringLiteral("Write the printout of FILE.vyx (its text and variables) to OUT.pdf "
                       "and quit, without showing a window."),
        QStringLiteral("OUT.pdf"));
    parser.addOption(exportOption);
    parser.addPositionalArgument(QStringLiteral("FILE.vyx"),
                                 QStringLiteral("A calculator document to open."), "[FILE.vyx]");
    parser.process(application);
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(exportOption))
        return ExportPdf(parser.value(exportOption), files);
    if (files.size() > 1) {
        qCritical("Only one document can be opened at a time.");
        return 2;
    }

    C_VYXProfile profile;
    C_VYXQtMessageBoxes messageBoxes;
    C_VYXQtFileChooser fileChooser;
    C_MainFrm frame(profile, messageBoxes, fileChooser);
    messageBoxes.SetParentWidget(&frame);
    frame.EnableRecovery(C_VYXRecoveryStore::DefaultDirectory(),
                         C_VYXRecoveryStore::StemFor(QCoreApplication::applicationPid(),
                                                     QDateTime::currentMSecsSinceEpoch()));
    // A document named on the command line that cannot be opened ends the program, after
    // the document has said why.
    if (!files.isEmpty() && !frame.OpenFromCommandLine(files.first()))
        return 1;
    frame.show();
    // Asked once the window is on the screen, so the question has it as its parent.
    QTimer::singleShot(0, &frame, [&frame] { frame.OfferRecovery(); });
    return application.exec();
}
