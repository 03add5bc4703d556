// SPDX-License-Identifier: MIT
// C_VYXScriptedMessageBoxes: records boxes and answers questions from the script's queue.
#include "C_VYXScriptedMessageBoxes.h"

void C_VYXScriptedMessageBoxes::ShowError(const QString& caption, const QString& text) {
    m_boxes.append({Kind::Error, caption, text});
}

bool C_VYXScriptedMessageBoxes::AskYesNo(const QString& caption, const QString& text) {
    m_boxes.append({Kind::YesNo, caption, text});
    return NextAnswer(Answer::No) == Answer::Yes;
}

C_VYXMessageBoxes::Answer C_VYXScriptedMessageBoxes::AskYesNoCancel(const QString& caption,
                                                                    const QString& text) {
    m_boxes.append({Kind::YesNoCancel, caption, text});
    return NextAnswer(Answer::Cancel);
}

void C_VYXScriptedMessageBoxes::ShowInformation(const QString& caption, const QString& text) {
    m_boxes.append({Kind::Information, caption, text});
}

C_VYXMessageBoxes::Recovery C_VYXScriptedMessageBoxes::AskRestoreOrDiscard(const QString& caption,
                                                                           const QString& text) {
    m_boxes.append({Kind::RestoreOrDiscard, caption, text});
    switch (NextAnswer(Answer::Cancel)) {
    case Answer::Yes:
        return Recovery::Restore;
    case Answer::No:
        return Recovery::Discard;
    case Answer::Cancel:
        break;
    }
    return Recovery::Later;
}

C_VYXScriptedMessageBoxes::Box C_VYXScriptedMessageBoxes::LastBox() const {
    return m_boxes.isEmpty() ? Box{Kind::Information, QString(), QString()} : m_boxes.last();
}

void C_VYXScriptedMessageBoxes::Reset() {
    m_boxes.clear();
    m_answers.clear();
    m_unexpectedQuestions = 0;
}

C_VYXMessageBoxes::Answer C_VYXScriptedMessageBoxes::NextAnswer(Answer whenQueueEmpty) {
    if (m_answers.isEmpty()) {
        ++m_unexpectedQuestions;
        return whenQueueEmpty;
    }
    return m_answers.dequeue();
}
