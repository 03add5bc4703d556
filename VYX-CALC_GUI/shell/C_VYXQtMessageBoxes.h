// SPDX-License-Identifier: MIT
// C_VYXQtMessageBoxes: the desktop program's message boxes, shown with QMessageBox.
#pragma once

#include "C_VYXMessageBoxes.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <memory>

/// Modal message boxes over the main window. The parent is set once the main window exists;
/// until then (and after it is gone) the boxes are top-level.
class C_VYXQtMessageBoxes : public C_VYXMessageBoxes {
public:
    void SetParentWidget(QWidget* parent) { m_pParent = parent; }

    void ShowError(const QString& caption, const QString& text) override;
    bool AskYesNo(const QString& caption, const QString& text) override;
    Answer AskYesNoCancel(const QString& caption, const QString& text) override;
    void ShowInformation(const QString& caption, const QString& text) override;
    Recovery AskRestoreOrDiscard(const QString& caption, const QString& text) override;

    /// The box as it is shown: a dialog with a close box only, wide enough for its caption.
    static std::unique_ptr<QMessageBox> MakeBox(QWidget* parent, QMessageBox::Icon icon,
                                                const QString& caption, const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton preferred);

private:
    /// Shows the box and waits; the button chosen, NoButton when it was closed otherwise.
    QMessageBox::StandardButton Run(QMessageBox::Icon icon, const QString& caption,
                                    const QString& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton preferred);
    /// Shows a made box as a dialog with a close box only and waits for it.
    static void Exec(QMessageBox& box);

    QPointer<QWidget> m_pParent;
};
