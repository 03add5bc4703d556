// SPDX-License-Identifier: MIT
// C_VYXQtMessageBoxes: the desktop program's message boxes, shown with QMessageBox.
#pragma once

#include "C_VYXMessageBoxes.h"

#include <QPointer>
#include <QWidget>

/// Modal message boxes over the main window. The parent is set once the main window exists;
/// until then (and after it is gone) the boxes are top-level.
class C_VYXQtMessageBoxes : public C_VYXMessageBoxes {
public:
    void SetParentWidget(QWidget* parent) { m_parent = parent; }

    void ShowError(const QString& caption, const QString& text) override;
    bool AskYesNo(const QString& caption, const QString& text) override;
    Answer AskYesNoCancel(const QString& caption, const QString& text) override;
    void ShowInformation(const QString& caption, const QString& text) override;

private:
    QPointer<QWidget> m_parent;
};
