// SPDX-License-Identifier: MIT
// C_VYXSyntaxHighlighter: colours the calculation area by what its text means.
#pragma once

#include "C_VYXLineTokenizer.h"

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include <array>
#include <memory>

class C_TOBRIK_CALCULATORDoc;
class QPalette;
class QPlainTextEdit;

/// Numbers, operators, functions and constants, variables, undefined names (underlined),
/// comments and the explanation of results (muted) and the program's messages each get a colour
/// that reads on the area's palette. The pieces come from the document's line tokenizer; the
/// colours follow the palette when it changes.
class C_VYXSyntaxHighlighter : public QSyntaxHighlighter {
    Q_OBJECT

public:
    /// The document and the area must outlive the highlighter. Starts switched on.
    C_VYXSyntaxHighlighter(C_TOBRIK_CALCULATORDoc& document, QPlainTextEdit& area);
    ~C_VYXSyntaxHighlighter() override;

    /// Off leaves the text in the area's plain colour.
    void SetEnabled(bool on);
    bool IsEnabled() const { return m_bEnabled; }
    /// Reads the variables and tables anew; recolours when the defined names changed.
    void Refresh();

    /// The format of one kind of token on a palette.
    static QTextCharFormat FormatOf(C_VYXLineToken::Kind kind, const QPalette& palette);

protected:
    void highlightBlock(const QString& text) override;
    /// Follows the area's palette.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TakeFormats();
    /// Recolours every line, without the area taking it for an edit.
    void Recolour();

    C_TOBRIK_CALCULATORDoc& m_document;
    QPlainTextEdit& m_area;
    std::unique_ptr<C_VYXLineTokenizer> m_pTokenizer;
    std::array<QTextCharFormat, 8> m_formats;
    bool m_bEnabled = true;
};
