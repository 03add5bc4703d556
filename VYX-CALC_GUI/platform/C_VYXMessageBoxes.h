// SPDX-License-Identifier: MIT
// C_VYXMessageBoxes: the one interface through which the program shows message boxes.
#pragma once

#include <QString>

/// Error boxes, yes/no questions and information boxes. The desktop program shows real dialogs;
/// tests and the command-line calculator install their own implementations.
class C_VYXMessageBoxes {
public:
    enum class Answer { Yes, No, Cancel };
    /// The answers to the offer of work left by an instance that ended without saving.
    enum class Recovery { Restore, Discard, Later };

    virtual ~C_VYXMessageBoxes() = default;
    /// An error box (the program's caption is "ERROR!!").
    virtual void ShowError(const QString& caption, const QString& text) = 0;
    /// A question with Yes and No buttons; true for Yes.
    virtual bool AskYesNo(const QString& caption, const QString& text) = 0;
    /// A question with Yes, No and Cancel buttons.
    virtual Answer AskYesNoCancel(const QString& caption, const QString& text) = 0;
    /// An information box with an OK button.
    virtual void ShowInformation(const QString& caption, const QString& text) = 0;
    /// A question with Restore (the default) and Discard. Closing it otherwise, or a box that
    /// cannot ask at all, answers Later: the work waits for the next start.
    virtual Recovery AskRestoreOrDiscard(const QString& caption, const QString& text) {
        (void)caption;
        (void)text;
        return Recovery::Later;
    }
};
