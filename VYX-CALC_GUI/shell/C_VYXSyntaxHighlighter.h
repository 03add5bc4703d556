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

    /// Lines coloured in one turn of the event loop before the rest waits: about 10 ms of
    /// work (a line takes about 2.5 microseconds). A count, not a clock, so the outcome of a
    /// turn does not depend on the machine's load.
    static constexpr int kSliceLines = 4000;

    /// Longer lines stay plain: the toolkit lays a line out once per coloured piece, so a
    /// pasted line of a megabyte in colours would hold the window for seconds.
    static constexpr int kLongestColouredLine = 10000;

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
    /// False once this turn of the event loop has coloured its share of lines: the line is left
    /// for later, so a loaded document shows at once and is coloured a slice at a time.
    bool HasTimeLeft();
    /// Colours the next slice of the lines left for later.
    void ColourLeftLines();

    C_TOBRIK_CALCULATORDoc& m_document;
    QPlainTextEdit& m_area;
    std::unique_ptr<C_VYXLineTokenizer> m_pTokenizer;
    std::array<QTextCharFormat, 8> m_formats;
    bool m_bEnabled = true;
    int m_nSliceLines = 0;
    bool m_bSliceOpen = false;
    bool m_bLeftLines = false;
};
