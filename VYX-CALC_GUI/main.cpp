// SPDX-License-Identifier: MIT
// TobrikCalculator: starts the desktop calculator, optionally with a document to open.
#include "C_MainFrm.h"
#include "C_VYXProfile.h"
#include "C_VYXQtFileChooser.h"
#include "C_VYXQtMessageBoxes.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("TobrikCalculator"));
    QApplication::setApplicationName(QStringLiteral("TobrikCalculator"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A scientific calculator."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE.vyx"),
                                 QStringLiteral("A calculator document to open."), "[FILE.vyx]");
    parser.process(application);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        qCritical("Only one document can be opened at a time.");
        return 2;
    }

    C_VYXProfile profile;
    C_VYXQtMessageBoxes messageBoxes;
    C_VYXQtFileChooser fileChooser;
    C_MainFrm frame(profile, messageBoxes, fileChooser);
    messageBoxes.SetParentWidget(&frame);
    // A document named on the command line that cannot be opened ends the program, after
    // the document has said why.
    if (!files.isEmpty() && !frame.OpenFromCommandLine(files.first()))
        return 1;
    frame.show();
    return application.exec();
}
