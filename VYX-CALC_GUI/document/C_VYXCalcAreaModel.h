// SPDX-License-Identifier: MIT
// C_VYXCalcAreaModel: the calculation area as a text with caret, selection and undo history.
#pragma once

#include "C_VYXCalcAreaHost.h"
#include "C_VYXCalcTextNFO.h"
#include "C_VYXLineIndex.h"
#include "C_VYXTextChange.h"
#include "C_VYXUndoMap.h"

#include <QObject>
#include <QPointer>
#include <QString>

/// Everything the calculation area does apart from painting. Lines end in CR LF and positions
/// count every character, the CR included; the caret is the selection's end. Enter evaluates the
/// line before the caret through the document and inserts the result; Backspace removes
/// function names and two-character symbols whole; every change is recorded for Undo.
class C_VYXCalcAreaModel : public QObject, public C_VYXCalcTextEdit {
    Q_OBJECT

public:
    static inline const QString LineBreak = QStringLiteral("\r\n");

    /// Follows the document's signals and becomes its record's live text. Either may go first:
    /// without its document the area is a plain text that evaluates nothing.
    explicit C_VYXCalcAreaModel(C_VYXCalcAreaHost& document);
    ~C_VYXCalcAreaModel() override;

    // The record asks these when the document is saved.
    QString LiveText() const override { return m_text; }
    qint32 LiveSelectionStart() const override { return m_selStart; }
    qint32 LiveSelectionEnd() const override { return m_selEnd; }

    const QString& Text() const { return m_text; }
    int SelectionStart() const { return m_selStart; }
    int SelectionEnd() const { return m_selEnd; }
    int Caret() const { return m_selEnd; }
    QString SelectedText() const;
    /// Positions are kept inside the text and never between CR and LF or inside a surrogate
    /// pair; a start after the end is swapped.
    void SetSelection(int start, int end);
    void SelectAll();

    /// Where the lines start, kept up to date with every change of the text.
    const C_VYXLineIndex& Lines() const { return m_lines; }
    int LineCount() const;
    int LineFromPosition(int position) const;
    int LineStart(int line) const;
    /// Length of the line without its line break.
    int LineLength(int line) const;
    QString LineText(int line) const;

    /// What other parts write: replaces the selection (or inserts at the caret) and records an
    /// undo step. Like every edit, it marks the document modified when the text changes.
    void InsertText(const QString& text);
    /// Typing or pasting: replaces the selection as the user's own edit.
    void TypeText(const QString& text);
    /// Cut: removes the selection and returns it.
    QString CutSelection();
    /// The Enter key, with or without Ctrl: breaks the line at the caret, evaluates the part
    /// before the caret and writes the result on the new line. Ctrl+Enter then starts the next
    /// line with the result's value.
    void PressEnter(bool ctrl);
    /// Enter at the caret for the panels' "=" buttons: as the Enter key without Ctrl.
    void EnterAtCaret();
    /// Enter at the caret writing only the decimal result, whatever the display setting; the
    /// setting is the same afterwards (the "≈" buttons).
    void EnterApproximate();
    /// Whether a character stands before the selection start on the caret's line: the insert
    /// and Enter commands that need an operand before the caret are enabled only then.
    bool HasCharacterBeforeCaretOnLine() const;
    /// Backspace: the selection, the token before the caret, or the line break before the line.
    void DeleteBackward();
    /// Empties the area; recorded as an undo step, so a mistyped "cls" can be taken back.
    void ClearArea();
    /// The value of the most recent result Enter wrote, as Ctrl+Enter carries it on: the
    /// fraction or the decimal without the "//≈" part or the argument. Error lines leave it as
    /// it was; empty until the first result.
    const QString& LastResult() const { return m_lastResult; }

    bool Undo();
    bool Redo();
    bool CanUndo() const { return m_undo.CanUndo(); }
    bool CanRedo() const { return m_undo.CanRedo(); }
    const C_VYXUndoMap& History() const { return m_undo; }

    /// Links the area and the document's current settings record both ways.
    void RefreshFromSettings();
    /// After a load or File New: shows the record's pending text and selection.
    void OnUpdate();

signals:
    /// The text changed as `change` says; the text, its lines and the selection are already new.
    /// Always followed by changed().
    void textReplaced(const C_VYXTextChange& change);
    /// The text or the selection changed: the widget shows them anew.
    void changed();

private:
    /// Replaces the selection by `text` as the edit control would, then handles the change.
    void ReplaceSelection(const QString& insertion);
    /// The text with every line break as CR LF.
    static QString WithLineBreaks(const QString& text);
    /// The change handler: records the change, or evaluates the line an Enter just ended.
    void OnTextChanged();
    void CalculateCaretLine();
    void InsertResult(const QString& text);
    void RecordStep();
    /// The text is the one the history holds: all of it counts as unchanged.
    void MarkRecorded();
    /// Shows an undo or redo step; false when there was none. `recorded`: the text was the
    /// history's current text before the step, so the step's change applies to it.
    bool ShowStep(const C_VYXUndoStep* step, bool recorded);
    /// Whether the text is the one the history recorded last.
    bool IsRecorded() const;
    /// Replaces the whole text (a load, or a step the text was not recorded for); the change
    /// reported is the part that differs.
    void SetWholeText(const QString& text);
    void MarkModified();
    void Changed();
    int ClampPosition(int position) const;

    QPointer<C_VYXCalcAreaHost> m_pDocument;
    QString m_text;
    /// Updated with every change of m_text, so no line lookup walks the text.
    C_VYXLineIndex m_lines;
    /// How much of the start and of the end of the text is as the history last recorded it, so
    /// that recording a step looks only at what changed (each the whole text right after).
    int m_unchangedPrefix = 0;
    int m_unchangedSuffix = 0;
    int m_selStart = 0;
    int m_selEnd = 0;
    bool m_bEnterPressed = false;
    bool m_bCtrlEnter = false;
    QString m_lastResult;
    int m_nEnterLine = 0;
    C_VYXUndoMap m_undo;
};
