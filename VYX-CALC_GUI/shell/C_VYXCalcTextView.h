// SPDX-License-Identifier: MIT
// C_VYXCalcTextView: the calculation area's widget, a thin view of C_VYXCalcAreaModel.
#pragma once

#include "C_VYXCalcAreaModel.h"

#include <QPlainTextEdit>
#include <QTextCursor>

class C_TOBRIK_CALCULATORDoc;

/// Shows the calculation area and hands every edit to its model: typed text, Enter and
/// Ctrl+Enter, Backspace, cut, paste and the undo history all change the model, which the
/// widget then mirrors. The widget's own undo is off; the model's text keeps CR LF line breaks
/// while the widget shows one character per break.
class C_VYXCalcTextView : public QPlainTextEdit {
    Q_OBJECT

public:
    /// The font sizes the Settings menu offers; a size read from a file is kept in this range.
    static constexpr int kMinFontSize = 8;
    static constexpr int kMaxFontSize = 16;

    /// The document must outlive the view.
    explicit C_VYXCalcTextView(C_TOBRIK_CALCULATORDoc& document, QWidget* parent = nullptr);

    C_VYXCalcAreaModel& Model() { return m_model; }
    const C_VYXCalcAreaModel& Model() const { return m_model; }

    /// Shows the record's pending text, selection and font (after a load or File New).
    void OnUpdate();
    /// The point size in use.
    int AppliedFontSize() const { return m_appliedFontSize; }

    // Edit commands of the main window and the context menu. Those that change the text mark
    // the document modified; Copy and Select All do not.
    void Undo();
    void Redo();
    void Cut();
    void Copy();
    void Paste();
    void SelectAllText();
    bool HasSelection() const { return m_model.SelectionStart() != m_model.SelectionEnd(); }
    static bool ClipboardHasText();

signals:
    /// The text, selection or settings shown changed; the main window re-reads its menu state.
    void contentsUpdated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    /// The model changed: mirror it, apply a pending font, tell the main window.
    void OnModelChanged();
    /// Applies a change of the model's text to the widget's text.
    void ShowTextChange(const C_VYXTextChange& change);
    /// Brings the widget's selection in line with the model's.
    void ShowSelection();
    /// Shows the model's text from scratch (the widget was changed behind the model's back).
    void ResetFromModel();
    int ToDisplayPosition(int areaPosition) const;
    int ToAreaPosition(int displayPosition) const;
    /// The user moved the caret or the selection in the widget.
    void TakeSelectionFromWidget();
    void ApplyPendingFontSize();
    /// Deletes from the caret to where `operation` moves it, as one typed edit.
    void DeleteTo(QTextCursor::MoveOperation operation);
    /// Handles the standard editing shortcuts; false when the key is none of them.
    bool HandleEditShortcut(QKeyEvent* event);

    C_TOBRIK_CALCULATORDoc& m_document;
    C_VYXCalcAreaModel m_model;
    bool m_bUpdatingWidget = false;
    bool m_bTakingSelection = false;
    int m_appliedFontSize = 0;
};
