// SPDX-License-Identifier: MIT
// C_VYXQtMessageBoxes: error, question and information boxes through QMessageBox.
#include "C_VYXQtMessageBoxes.h"

#include "C_VYXWindowFrame.h"
#include "C_VYXX11CloseBoxOnly.h"

#include <QGridLayout>
#include <QPushButton>
#include <QSpacerItem>

std::unique_ptr<QMessageBox> C_VYXQtMessageBoxes::MakeBox(QWidget* parent, QMessageBox::Icon icon,
                                                          const QString& caption,
                                                          const QString& text,
                                                          QMessageBox::StandardButtons buttons,
                                                          QMessageBox::StandardButton preferred) {
    auto box = std::make_unique<QMessageBox>(icon, caption, text, buttons, parent,
                                             C_VYXWindowFrame::DialogFlags());
    box->setDefaultButton(preferred);
    // The box sizes itself to its text; under a short text the title bar would cut a longer
    // caption.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(C_VYXWindowFrame::WidthForTitle(caption), 0,
                                      QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    return box;
}

QMessageBox::StandardButton C_VYXQtMessageBoxes::Run(QMessageBox::Icon icon, const QString& caption,
                                                     const QString& text,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton preferred) {
    const std::unique_ptr<QMessageBox> box =
        MakeBox(m_pParent, icon, caption, text, buttons, preferred);
    Exec(*box);
    return box->standardButton(box->clickedButton());
}

void C_VYXQtMessageBoxes::Exec(QMessageBox& box) {
    // The native window is made here, so its type is settled before the box is shown.
    box.winId();
    C_VYXX11CloseBoxOnly::Apply(box);
    box.exec();
}

void C_VYXQtMessageBoxes::ShowError(const QString& caption, const QString& text) {
    Run(QMessageBox::Critical, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool C_VYXQtMessageBoxes::AskYesNo(const QString& caption, const QString& text) {
    return Run(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::Yes) == QMessageBox::Yes;
}

C_VYXMessageBoxes::Answer C_VYXQtMessageBoxes::AskYesNoCancel(const QString& caption,
                                                              const QString& text) {
    switch (Run(QMessageBox::Question, caption, text,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
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
    Run(QMessageBox::Information, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

C_VYXMessageBoxes::Recovery C_VYXQtMessageBoxes::AskRestoreOrDiscard(const QString& caption,
                                                                     const QString& text) {
    const std::unique_ptr<QMessageBox> box =
        MakeBox(m_pParent, QMessageBox::Question, caption, text, QMessageBox::Discard,
                QMessageBox::NoButton);
    // No standard button says Restore; Enter chooses it.
    QPushButton* restore = box->addButton(QStringLiteral("&Restore"), QMessageBox::AcceptRole);
    box->setDefaultButton(restore);
    Exec(*box);
    if (box->clickedButton() == restore)
        return Recovery::Restore;
    if (box->standardButton(box->clickedButton()) == QMessageBox::Discard)
        return Recovery::Discard;
    // Closed with Escape or the close box: nothing is decided, nothing is lost.
    return Recovery::Later;
}
