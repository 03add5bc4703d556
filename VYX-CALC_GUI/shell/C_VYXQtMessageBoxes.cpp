// SPDX-License-Identifier: MIT
// C_VYXQtMessageBoxes: error, question and information boxes through QMessageBox.
#include "C_VYXQtMessageBoxes.h"

#include <QMessageBox>

void C_VYXQtMessageBoxes::ShowError(const QString& caption, const QString& text) {
    QMessageBox::critical(m_parent, caption, text);
}

bool C_VYXQtMessageBoxes::AskYesNo(const QString& caption, const QString& text) {
    return QMessageBox::question(m_parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

C_VYXMessageBoxes::Answer C_VYXQtMessageBoxes::AskYesNoCancel(const QString& caption,
                                                              const QString& text) {
    const QMessageBox::StandardButton button = QMessageBox::question(
        m_parent, caption, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
        QMessageBox::Yes);
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        // Closing the box with Escape or the window's close button keeps the work.
        return Answer::Cancel;
    }
}

void C_VYXQtMessageBoxes::ShowInformation(const QString& caption, const QString& text) {
    QMessageBox::information(m_parent, caption, text);
}
