// SPDX-License-Identifier: MIT
// C_VYXCalcTextView: key, clipboard and undo events mapped onto the calculation-area model.
#include "C_VYXCalcTextView.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCellHeightFont.h"
#include "C_VYXLineBreakMapping.h"
#include "C_VYXPrintLayout.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScopedValueRollback>

#include <algorithm>

namespace {

/// Text a key press types: printable characters only, never a control character.
bool IsTypedText(const QString& text) {
    if (text.isEmpty())
        return false;
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.isPrint() || c.isSurrogate(); });
}

} // namespace

C_VYXCalcTextView::C_VYXCalcTextView(C_TOBRIK_CALCULATORDoc& document, QWidget* parent)
    : QPlainTextEdit(parent), m_document(document), m_model(document) {
    setObjectName(QStringLiteral("calcTextView"));
    setAccessibleName(QStringLiteral("Calculation area"));
    setPlaceholderText(QStringLiteral("Type an expression, e.g. 1/2+1/3, and press Enter"));
    // The model keeps the history; the widget's own would undo behind the model's back.
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    // Dropped files go to the main window, which opens them.
    setAcceptDrops(false);
    viewport()->setAcceptDrops(false);

    connect(&m_model, &C_VYXCalcAreaModel::textReplaced, this, &C_VYXCalcTextView::ShowTextChange);
    connect(&m_model, &C_VYXCalcAreaModel::changed, this, &C_VYXCalcTextView::OnModelChanged);
    // The widget's own destruction still emits these after the model has gone: with the model as
    // their context they end with it.
    connect(this, &QPlainTextEdit::cursorPositionChanged, &m_model,
            [this] { TakeSelectionFromWidget(); });
    connect(this, &QPlainTextEdit::selectionChanged, &m_model,
            [this] { TakeSelectionFromWidget(); });
    connect(this, &QPlainTextEdit::textChanged, &m_model, [this] {
        if (!m_bUpdatingWidget)
            ResetFromModel();
    });
    ResetFromModel();
    OnModelChanged();
}

void C_VYXCalcTextView::OnUpdate() {
    m_model.OnUpdate();
}

// ---- model to widget ----

void C_VYXCalcTextView::OnModelChanged() {
    if (!m_bTakingSelection)
        ShowSelection();
    ApplyPendingFontSize();
    emit contentsUpdated();
}

int C_VYXCalcTextView::ToDisplayPosition(int areaPosition) const {
    return C_VYXLineBreakMapping::ToDisplayPosition(m_model.Lines(), int(m_model.Text().size()),
                                                    areaPosition);
}

int C_VYXCalcTextView::ToAreaPosition(int displayPosition) const {
    return C_VYXLineBreakMapping::ToAreaPosition(m_model.Lines(), int(m_model.Text().size()),
                                                 displayPosition);
}

void C_VYXCalcTextView::ShowTextChange(const C_VYXTextChange& change) {
    const int shownSize = document()->characterCount() - 1;
    const C_VYXLineBreakMapping::DisplayEdit edit =
        C_VYXLineBreakMapping::ToDisplayEdit(m_model.Text(), m_model.Lines(), change, shownSize);
    if (edit.position < 0 || edit.removed < 0 || edit.position + edit.removed > shownSize) {
        ResetFromModel();
        return;
    }
    {
        QScopedValueRollback<bool> updating(m_bUpdatingWidget, true);
        if (edit.position == 0 && edit.removed == shownSize) {
            // Nothing of the old text stays (a load, a cleared area): the widget lays the new
            // text out in one go, in a loaded document's font already.
            ApplyPendingFontSize();
            setPlainText(edit.text);
        } else {
            // Only the change is replaced, so the view keeps its scroll position and lays out
            // just the lines it touched.
            QTextCursor cursor(document());
            cursor.setPosition(edit.position);
            cursor.setPosition(edit.position + edit.removed, QTextCursor::KeepAnchor);
            cursor.insertText(edit.text);
        }
    }
    // The widget turns some characters into line breaks of its own; a count that no longer
    // agrees means it shows something else, so it is shown anew.
    const int expectedSize =
        C_VYXLineBreakMapping::DisplaySize(m_model.Lines(), int(m_model.Text().size()));
    if (document()->characterCount() - 1 != expectedSize)
        ResetFromModel();
}

void C_VYXCalcTextView::ShowSelection() {
    QScopedValueRollback<bool> updating(m_bUpdatingWidget, true);
    const int start = ToDisplayPosition(m_model.SelectionStart());
    const int end = ToDisplayPosition(m_model.SelectionEnd());
    QTextCursor cursor = textCursor();
    // A selection the user drew backwards stays as drawn; the model only knows start <= end.
    if (cursor.selectionStart() != start || cursor.selectionEnd() != end) {
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        setTextCursor(cursor);
    }
    ensureCursorVisible();
}

void C_VYXCalcTextView::ResetFromModel() {
    {
        QScopedValueRollback<bool> updating(m_bUpdatingWidget, true);
        setPlainText(C_VYXLineBreakMapping::DisplayText(m_model.Text()));
    }
    ShowSelection();
}

void C_VYXCalcTextView::TakeSelectionFromWidget() {
    if (m_bUpdatingWidget)
        return;
    const QTextCursor cursor = textCursor();
    QScopedValueRollback<bool> taking(m_bTakingSelection, true);
    m_model.SetSelection(ToAreaPosition(cursor.selectionStart()),
                         ToAreaPosition(cursor.selectionEnd()));
}

void C_VYXCalcTextView::ApplyPendingFontSize() {
    C_VYXCalcTextNFO& record = m_document.Settings().CalcText();
    if (record.fontChanged == 0)
        return;
    record.fontChanged = 0;
    const int size = std::clamp(int(record.fontSize), kMinFontSize, kMaxFontSize);
    if (size == m_appliedFontSize)
        return;
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    // The size is the height of a whole line (the cell), rounded like the printout's fonts.
    const int cellHeight = C_VYXPrintLayout::FontHeight(size, logicalDpiY());
    QScopedValueRollback<bool> updating(m_bUpdatingWidget, true);
    setFont(C_VYXCellHeightFont::Fit(font, cellHeight, this));
    m_appliedFontSize = size;
}

// ---- edit commands ----

void C_VYXCalcTextView::Undo() {
    m_model.Undo();
}

void C_VYXCalcTextView::Redo() {
    m_model.Redo();
}

void C_VYXCalcTextView::Cut() {
    const QString cut = m_model.CutSelection();
    if (!cut.isEmpty())
        QApplication::clipboard()->setText(C_VYXLineBreakMapping::DisplayText(cut));
}

void C_VYXCalcTextView::Copy() {
    if (HasSelection())
        QApplication::clipboard()->setText(
            C_VYXLineBreakMapping::DisplayText(m_model.SelectedText()));
}

void C_VYXCalcTextView::Paste() {
    insertFromMimeData(QApplication::clipboard()->mimeData());
}

void C_VYXCalcTextView::SelectAllText() {
    m_model.SelectAll();
}

bool C_VYXCalcTextView::ClipboardHasText() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText() && !data->text().isEmpty();
}

bool C_VYXCalcTextView::canInsertFromMimeData(const QMimeData* source) const {
    return source != nullptr && source->hasText();
}

void C_VYXCalcTextView::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr || !source->hasText() || source->text().isEmpty())
        return;
    m_model.TypeText(source->text());
}

void C_VYXCalcTextView::DeleteTo(QTextCursor::MoveOperation operation) {
    if (!HasSelection()) {
        QTextCursor cursor = textCursor();
        cursor.clearSelection();
        cursor.movePosition(operation, QTextCursor::KeepAnchor);
        m_model.SetSelection(ToAreaPosition(cursor.selectionStart()),
                             ToAreaPosition(cursor.selectionEnd()));
    }
    if (HasSelection())
        m_model.TypeText(QString());
}

// ---- keys ----

bool C_VYXCalcTextView::HandleEditShortcut(QKeyEvent* event) {
    if (event->matches(QKeySequence::Undo))
        Undo();
    else if (event->matches(QKeySequence::Redo))
        Redo();
    else if (event->matches(QKeySequence::Cut))
        Cut();
    else if (event->matches(QKeySequence::Copy))
        Copy();
    else if (event->matches(QKeySequence::Paste))
        Paste();
    else if (event->matches(QKeySequence::SelectAll))
        SelectAllText();
    else if (event->matches(QKeySequence::Delete))
        DeleteTo(QTextCursor::NextCharacter);
    else if (event->matches(QKeySequence::DeleteEndOfWord))
        DeleteTo(QTextCursor::NextWord);
    else if (event->matches(QKeySequence::DeleteStartOfWord))
        DeleteTo(QTextCursor::PreviousWord);
    else if (event->matches(QKeySequence::DeleteEndOfLine))
        DeleteTo(QTextCursor::EndOfBlock);
    else
        return false;
    return true;
}

void C_VYXCalcTextView::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_model.PressEnter(modifiers.testFlag(Qt::ControlModifier));
        event->accept();
        return;
    case Qt::Key_Backspace:
        if (!modifiers.testFlag(Qt::ControlModifier)) {
            m_model.DeleteBackward();
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    if (HandleEditShortcut(event)) {
        event->accept();
        return;
    }
    if (!modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::MetaModifier) &&
        IsTypedText(event->text())) {
        m_model.TypeText(event->text());
        event->accept();
        return;
    }
    // Caret movement and the rest: the widget moves, the model follows its selection. The
    // document only counts as changed when its text changes (the model sees to that); the
    // caret is saved with it all the same.
    QPlainTextEdit::keyPressEvent(event);
}

void C_VYXCalcTextView::inputMethodEvent(QInputMethodEvent* event) {
    // Composed characters arrive here; the preedit text is not part of the area yet.
    if (!event->commitString().isEmpty())
        m_model.TypeText(event->commitString());
    event->accept();
}

void C_VYXCalcTextView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(QStringLiteral("&Undo"), this, &C_VYXCalcTextView::Undo)
        ->setEnabled(m_model.CanUndo());
    menu.addAction(QStringLiteral("&Redo"), this, &C_VYXCalcTextView::Redo)
        ->setEnabled(m_model.CanRedo());
    menu.addSeparator();
    menu.addAction(QStringLiteral("Cu&t"), this, &C_VYXCalcTextView::Cut)
        ->setEnabled(HasSelection());
    menu.addAction(QStringLiteral("&Copy"), this, &C_VYXCalcTextView::Copy)
        ->setEnabled(HasSelection());
    menu.addAction(QStringLiteral("&Paste"), this, &C_VYXCalcTextView::Paste)
        ->setEnabled(ClipboardHasText());
    menu.addSeparator();
    menu.addAction(QStringLiteral("Select &All"), this, &C_VYXCalcTextView::SelectAllText);
    menu.exec(event->globalPos());
}
