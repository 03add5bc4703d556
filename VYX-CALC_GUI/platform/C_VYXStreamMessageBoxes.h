// SPDX-License-Identifier: MIT
// C_VYXStreamMessageBoxes: message boxes as "caption: text" lines, for the command line.
#pragma once

#include "C_VYXMessageBoxes.h"

#include <cstdio>

/// Writes each box as one "caption: text" line (UTF-8) to a stream, stderr by default, and
/// answers every question with Yes: a batch run has nobody to ask, and Yes lets an overwrite
/// or a delete requested by the input go ahead. Line breaks inside a text become blanks so
/// that one box stays one line.
class C_VYXStreamMessageBoxes : public C_VYXMessageBoxes {
public:
    /// `stream` is not owned and must outlive this object.
    explicit C_VYXStreamMessageBoxes(std::FILE* stream = stderr) : m_pStream(stream) {}

    void ShowError(const QString& caption, const QString& text) override;
    bool AskYesNo(const QString& caption, const QString& text) override;
    Answer AskYesNoCancel(const QString& caption, const QString& text) override;
    void ShowInformation(const QString& caption, const QString& text) override;

private:
    void WriteLine(const QString& caption, const QString& text);

    std::FILE* m_pStream;
};
