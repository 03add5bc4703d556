// SPDX-License-Identifier: MIT
// C_VYXUndoStep: one snapshot of the calculation area (whole text and selection).
#pragma once

#include "C_VYXTextChange.h"

#include <QString>

/// The text is implicitly shared, so a snapshot of a large text costs no copy.
class C_VYXUndoStep {
public:
    C_VYXUndoStep(const QString& stepText, int stepSelStart, int stepSelEnd)
        : text(stepText), selStart(stepSelStart), selEnd(stepSelEnd) {}
    virtual ~C_VYXUndoStep() = default;

    QString text;
    int selStart = 0;
    int selEnd = 0;
    /// How `text` differs from the text of the step shown before it.
    C_VYXTextChange change;
};
