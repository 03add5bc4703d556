// SPDX-License-Identifier: MIT
// Document mode of vyxcalc: lines typed at the end of a calculator document and entered.
#pragma once

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcAreaModel.h"
#include "HeadlessDocumentFrame.h"
#include "LineReader.h"
#include "VyxcalcOptions.h"

#include <QString>
#include <QStringList>

#include <istream>
#include <ostream>
#include <string>
#include <vector>

class C_VYXMessageBoxes;

/// One document with its calculation area for the whole run. Every line is typed at the end of
/// the text and entered as with the Enter key, so comments, assignments, "cls" and the result
/// layout behave as in the desktop program; what Enter wrote below the line is printed.
class DocumentModeRunner {
public:
    /// The message boxes must outlive the runner. flushEachResult: write every result through
    /// at once (an interactive terminal).
    DocumentModeRunner(const VyxcalcOptions& options, C_VYXMessageBoxes& messageBoxes,
                       std::ostream& out, bool flushEachResult);

    DocumentModeRunner(const DocumentModeRunner&) = delete;
    DocumentModeRunner& operator=(const DocumentModeRunner&) = delete;

    /// Loads the --file document (a file that does not exist starts a new one), then lets the
    /// command line's settings replace the loaded ones. False when the file exists but cannot
    /// be loaded; a message box has then said why.
    bool Open();

    /// Types `line` (one line, without its break) at the end of the text and presses Enter.
    /// Returns what Enter wrote below it, without the final line break; empty when nothing.
    QString EnterLine(const QString& line);
    /// Every line of the text through EnterLine, each result printed on its own line(s).
    void EnterAndPrint(const QString& text);
    /// The command line's LINE arguments (UTF-8).
    void EnterAll(const std::vector<std::string>& inputs);
    /// Each line of the stream (UTF-8), printed as soon as it is entered.
    void EnterStream(std::istream& in);
    /// Each line the reader gives (UTF-8), printed as soon as it is entered.
    void EnterLines(LineReader& reader);

    /// After lines were entered or the command line changed a setting: puts the selection at
    /// the end of the text and, with --file, saves the document there atomically. Otherwise
    /// leaves document and file as they are. False when saving failed (a message box has said
    /// why).
    bool Finish();
    /// The document as one JSON object (see DocumentToJson).
    std::string DumpJson();

    /// The text split into the lines the area would hold: at CR LF, LF or a lone CR. A final
    /// line break ends the last line; it does not start another.
    static QStringList SplitLines(const QString& text);

    C_TOBRIK_CALCULATORDoc& Document() { return m_document; }
    const C_VYXCalcAreaModel& Area() const { return m_area; }
    bool HasPlacement() const { return m_frame.HasPlacement(); }

private:
    /// True when a setting given differs from the loaded one.
    bool ApplyCommandLineSettings();
    /// The engine follows the document's decimals and angle unit.
    void PassSettingsToEngine();
    /// Caret to the end, on a line of its own: a line left unfinished is ended first, so the
    /// next line is not glued to it.
    void MoveCaretToNewLineAtEnd();
    void Print(const QString& written);

    VyxcalcOptions m_options;
    HeadlessDocumentFrame m_frame;
    C_TOBRIK_CALCULATORDoc m_document;
    C_VYXCalcAreaModel m_area;
    std::ostream& m_out;
    bool m_flushEachResult;
    bool m_changed = false;
};
