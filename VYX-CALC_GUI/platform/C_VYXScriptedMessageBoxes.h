// SPDX-License-Identifier: MIT
// C_VYXScriptedMessageBoxes: message boxes for tests, recorded and answered from a queue.
#pragma once

#include "C_VYXMessageBoxes.h"

#include <QList>
#include <QQueue>
#include <QString>

/// Records every box instead of showing it and answers questions from a queue prepared by the
/// test, so no test ever waits for a dialog. A question with no queued answer is a fault of the
/// test script: it is counted and answered No (or Cancel), the safe choice.
class C_VYXScriptedMessageBoxes : public C_VYXMessageBoxes {
public:
    enum class Kind { Error, YesNo, YesNoCancel, Information, RestoreOrDiscard };

    struct Box {
        Kind kind;
        QString caption;
        QString text;
    };

    void ShowError(const QString& caption, const QString& text) override;
    bool AskYesNo(const QString& caption, const QString& text) override;
    Answer AskYesNoCancel(const QString& caption, const QString& text) override;
    void ShowInformation(const QString& caption, const QString& text) override;
    /// Answered from the same queue: Yes restores, No discards, Cancel (and an empty queue)
    /// leaves the work for later.
    Recovery AskRestoreOrDiscard(const QString& caption, const QString& text) override;

    /// Queues the answer to the next question.
    void QueueAnswer(Answer answer) { m_answers.enqueue(answer); }
    /// Every box shown so far, oldest first.
    const QList<Box>& Boxes() const { return m_boxes; }
    /// The last box shown; a default Box (empty texts) when none was shown.
    Box LastBox() const;
    /// Questions asked while the answer queue was empty.
    int UnexpectedQuestions() const { return m_unexpectedQuestions; }
    /// Answers queued but never asked for.
    qsizetype UnusedAnswers() const { return m_answers.size(); }
    /// Forgets the recorded boxes, the queue and the unexpected-question count.
    void Reset();

private:
    Answer NextAnswer(Answer whenQueueEmpty);

    QList<Box> m_boxes;
    QQueue<Answer> m_answers;
    int m_unexpectedQuestions = 0;
};
