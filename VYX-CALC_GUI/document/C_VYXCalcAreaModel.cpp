// SPDX-License-Identifier: MIT
// C_VYXCalcAreaModel: Enter, Ctrl+Enter, Backspace, CLS and Undo on the calculation area's text.
#include "C_VYXCalcAreaModel.h"

#include <QStringView>

#include <algorithm>

C_VYXCalcAreaModel::C_VYXCalcAreaModel(C_VYXCalcAreaHost& document) : m_pDocument(&document) {
    connect(&document, &C_VYXCalcAreaHost::updateRequested, this, &C_VYXCalcAreaModel::OnUpdate);
    connect(&document, &C_VYXCalcAreaHost::clearRequested, this, &C_VYXCalcAreaModel::ClearArea);
    connect(&document, &C_VYXCalcAreaHost::insertTextRequested, this,
            &C_VYXCalcAreaModel::InsertText);
    RefreshFromSettings();
}

C_VYXCalcAreaModel::~C_VYXCalcAreaModel() {
    if (m_pDocument == nullptr)
        return;
    // The record must not read a text that is gone when the document is saved.
    C_VYXCalcTextNFO& record = m_pDocument->CalcTextRecord();
    if (record.m_pEdit == this)
        record.m_pEdit = nullptr;
}

QString C_VYXCalcAreaModel::SelectedText() const {
    return m_text.mid(m_selStart, m_selEnd - m_selStart);
}

int C_VYXCalcAreaModel::ClampPosition(int position) const {
    const int size = int(m_text.size());
    position = std::clamp(position, 0, size);
    if (position > 0 && position < size) {
        const QChar before = m_text.at(position - 1);
        const QChar after = m_text.at(position);
        // A line break and a surrogate pair are each one step for the caret.
        if ((before == u'\r' && after == u'\n') ||
            (before.isHighSurrogate() && after.isLowSurrogate()))
            --position;
    }
    return position;
}

void C_VYXCalcAreaModel::SetSelection(int start, int end) {
    start = ClampPosition(start);
    end = ClampPosition(end);
    if (start > end)
        std::swap(start, end);
    m_selStart = start;
    m_selEnd = end;
    Changed();
}

void C_VYXCalcAreaModel::SelectAll() {
    SetSelection(0, int(m_text.size()));
}

int C_VYXCalcAreaModel::LineCount() const {
    return m_lines.LineCount();
}

int C_VYXCalcAreaModel::LineFromPosition(int position) const {
    return m_lines.LineFromPosition(std::clamp(position, 0, int(m_text.size())));
}

int C_VYXCalcAreaModel::LineStart(int line) const {
    return m_lines.LineStart(line, int(m_text.size()));
}

int C_VYXCalcAreaModel::LineLength(int line) const {
    const int start = LineStart(line);
    return std::max(m_lines.LineEnd(line, int(m_text.size())) - start, 0);
}

QString C_VYXCalcAreaModel::LineText(int line) const {
    return m_text.mid(LineStart(line), LineLength(line));
}

QString C_VYXCalcAreaModel::WithLineBreaks(const QString& text) {
    if (!text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    // Pasted text may break its lines with LF or CR alone; the area only knows CR LF.
    QString normalized = text;
    normalized.replace(LineBreak, QStringLiteral("\n"));
    normalized.replace(u'\r', u'\n');
    normalized.replace(QStringLiteral("\n"), LineBreak);
    return normalized;
}

void C_VYXCalcAreaModel::ReplaceSelection(const QString& insertion) {
    const QString text = WithLineBreaks(insertion);
    // Only a change of the text is a change of the document; caret and selection are not.
    if (QStringView(m_text).mid(m_selStart, m_selEnd - m_selStart) != text)
        MarkModified();
    // What is left of the text recorded last: the edit may have reached into either end.
    m_unchangedPrefix = std::min(m_unchangedPrefix, m_selStart);
    m_unchangedSuffix = std::min(m_unchangedSuffix, int(m_text.size()) - m_selEnd);
    const C_VYXTextChange change{m_selStart, m_selEnd - m_selStart, int(text.size())};
    m_text.replace(change.position, change.removed, text);
    m_lines.Replace(m_text, change.position, change.removed, change.inserted);
    m_selStart += change.inserted;
    m_selEnd = m_selStart;
    emit textReplaced(change);
    OnTextChanged();
}

void C_VYXCalcAreaModel::OnTextChanged() {
    Changed();
    if (!m_bEnterPressed) {
        RecordStep();
        return;
    }
    // The line break of an Enter is not a step of its own: the result's insertion records one.
    m_bEnterPressed = false;
    CalculateCaretLine();
}

void C_VYXCalcAreaModel::InsertText(const QString& text) {
    ReplaceSelection(text);
    RecordStep();
}

void C_VYXCalcAreaModel::TypeText(const QString& text) {
    ReplaceSelection(text);
}

QString C_VYXCalcAreaModel::CutSelection() {
    const QString cut = SelectedText();
    if (!cut.isEmpty())
        ReplaceSelection(QString());
    return cut;
}

void C_VYXCalcAreaModel::PressEnter(bool ctrl) {
    m_bEnterPressed = true;
    m_bCtrlEnter = ctrl;
    // With a selection the break replaces it, so the line to evaluate is where it starts.
    m_nEnterLine = LineFromPosition(m_selStart);
    ReplaceSelection(LineBreak);
}

void C_VYXCalcAreaModel::EnterAtCaret() {
    m_bEnterPressed = true;
    m_bCtrlEnter = false;
    m_nEnterLine = LineFromPosition(m_selStart);
    InsertText(LineBreak);
}

void C_VYXCalcAreaModel::EnterApproximate() {
    if (m_pDocument == nullptr) {
        EnterAtCaret();
        return;
    }
    C_VYXCalcTextNFO& record = m_pDocument->CalcTextRecord();
    const qint32 showReal = record.showReal;
    const qint32 showRational = record.showRational;
    record.showReal = 1;
    record.showRational = 0;
    record.displayChanged = 1;
    EnterAtCaret();
    record.showReal = showReal;
    record.showRational = showRational;
    record.displayChanged = 1;
}

bool C_VYXCalcAreaModel::HasCharacterBeforeCaretOnLine() const {
    if (m_selStart == 0)
        return false;
    // The character before the selection start must not be the end of a line break, and the
    // caret's line must be the line that character is on.
    const QChar before = m_text.at(m_selStart - 1);
    if (before == u'\n' || before == u'\r')
        return false;
    // Same line when no break lies between them: only the selection is searched, never the
    // text before it (this runs on every keystroke of a long session).
    return !QStringView(m_text).mid(m_selStart, Caret() - m_selStart).contains(LineBreak);
}

void C_VYXCalcAreaModel::CalculateCaretLine() {
    if (m_pDocument == nullptr)
        return;
    const QString line = LineText(m_nEnterLine);
    if (line.isEmpty())
        return;
    if (line.toUpper() == u"CLS") {
        ClearArea();
        return;
    }
    const QString result = m_pDocument->CalculateLine(line);
    if (result.isEmpty())
        return;
    InsertResult(result);
    // Empty after an error line: the value of the last line that had one stays.
    const QString value = m_pDocument->TakeLastResult();
    if (!value.isEmpty())
        m_lastResult = value;
    if (m_bCtrlEnter) {
        m_bCtrlEnter = false;
        InsertResult(value);
    }
}

void C_VYXCalcAreaModel::InsertResult(const QString& text) {
    SetSelection(m_selEnd, m_selEnd);
    ReplaceSelection(text);
    RecordStep();
}

void C_VYXCalcAreaModel::DeleteBackward() {
    if (m_selStart != m_selEnd) {
        ReplaceSelection(QString());
        return;
    }
    const int caret = m_selEnd;
    const int line = LineFromPosition(caret);
    const int lineStart = LineStart(line);
    if (caret > lineStart) {
        const QStringView beforeCaret = QStringView(m_text).mid(lineStart, caret - lineStart);
        int length = m_pDocument != nullptr ? m_pDocument->TrailingTokenLength(beforeCaret) : 1;
        length = std::clamp(length, 1, int(beforeCaret.size()));
        if (length == 1 && beforeCaret.size() >= 2 && beforeCaret.back().isLowSurrogate() &&
            beforeCaret.at(beforeCaret.size() - 2).isHighSurrogate())
            length = 2;
        m_selStart = caret - length;
        ReplaceSelection(QString());
        return;
    }
    if (line == 0)
        return;
    // Only the line break goes: the line joins the previous one with the caret at the join.
    m_selStart = lineStart - int(LineBreak.size());
    ReplaceSelection(QString());
}

void C_VYXCalcAreaModel::ClearArea() {
    const C_VYXTextChange change{0, int(m_text.size()), 0};
    if (!m_text.isEmpty())
        MarkModified();
    m_text.clear();
    m_lines.Rebuild(m_text);
    m_unchangedPrefix = 0;
    m_unchangedSuffix = 0;
    m_selStart = 0;
    m_selEnd = 0;
    // Setting the whole text reports no change of its own, so the step is recorded here.
    m_undo.PushClearedArea();
    if (change.removed > 0)
        emit textReplaced(change);
    Changed();
}

bool C_VYXCalcAreaModel::Undo() {
    const bool recorded = IsRecorded();
    return ShowStep(m_undo.Undo(), recorded);
}

bool C_VYXCalcAreaModel::Redo() {
    const bool recorded = IsRecorded();
    return ShowStep(m_undo.Redo(), recorded);
}

bool C_VYXCalcAreaModel::IsRecorded() const {
    // The recorded text's start is known to be unchanged this far; all of it when the lengths
    // agree too.
    const int size = int(m_text.size());
    return m_unchangedPrefix == size && size == int(m_undo.CurrentText().size());
}

bool C_VYXCalcAreaModel::ShowStep(const C_VYXUndoStep* step, bool recorded) {
    if (step == nullptr)
        return false;
    const C_VYXTextChange& change = step->change;
    if (!recorded) {
        // An Enter whose line gave no result, or a load, left the text unrecorded: the step's
        // change was made to another text.
        SetWholeText(step->text);
    } else {
        const QStringView inserted = QStringView(step->text).mid(change.position, change.inserted);
        if (QStringView(m_text).mid(change.position, change.removed) != inserted)
            MarkModified();
        m_text.replace(change.position, change.removed, inserted.data(), inserted.size());
        m_lines.Replace(m_text, change.position, change.removed, change.inserted);
        emit textReplaced(change);
    }
    // The text shown is the history's current one again.
    MarkRecorded();
    SetSelection(step->selStart, step->selEnd);
    return true;
}

void C_VYXCalcAreaModel::SetWholeText(const QString& text) {
    const QStringView before(m_text);
    const QStringView after(text);
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const C_VYXTextChange change{int(prefix), int(before.size() - prefix - suffix),
                                 int(after.size() - prefix - suffix)};
    if (change.removed == 0 && change.inserted == 0)
        return;
    MarkModified();
    m_text = text;
    m_lines.Replace(m_text, change.position, change.removed, change.inserted);
    emit textReplaced(change);
}

void C_VYXCalcAreaModel::RecordStep() {
    // Unchanged since the last step, start and end are each the whole text: the history must
    // not count a character twice.
    m_undo.Push(m_text, m_selStart, m_selEnd, m_unchangedPrefix,
                std::min(m_unchangedSuffix, int(m_text.size()) - m_unchangedPrefix));
    MarkRecorded();
}

void C_VYXCalcAreaModel::MarkRecorded() {
    // An edit then lowers each to what it left unchanged on its side, so that recording it
    // costs the size of the edit wherever in the text it was made.
    m_unchangedPrefix = int(m_text.size());
    m_unchangedSuffix = int(m_text.size());
}

void C_VYXCalcAreaModel::RefreshFromSettings() {
    if (m_pDocument == nullptr)
        return;
    m_pDocument->CalcTextRecord().m_pEdit = this;
}

void C_VYXCalcAreaModel::OnUpdate() {
    RefreshFromSettings();
    if (m_pDocument == nullptr)
        return;
    C_VYXCalcTextNFO& record = m_pDocument->CalcTextRecord();
    if (record.textValid != 0) {
        const C_VYXTextChange change{0, int(m_text.size()), int(record.text.size())};
        m_text = record.text;
        m_lines.Rebuild(m_text);
        emit textReplaced(change);
        m_unchangedPrefix = 0;
        m_unchangedSuffix = 0;
        record.textValid = 0;
    }
    if (record.selValid != 0) {
        SetSelection(record.selStart, record.selEnd);
        record.selValid = 0;
    } else {
        SetSelection(m_selStart, m_selEnd);
    }
    Changed();
}

void C_VYXCalcAreaModel::MarkModified() {
    if (m_pDocument != nullptr)
        m_pDocument->SetModifiedFlag();
}

void C_VYXCalcAreaModel::Changed() {
    emit changed();
}
