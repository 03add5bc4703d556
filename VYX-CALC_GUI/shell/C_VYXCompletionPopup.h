// SPDX-License-Identifier: MIT
// C_VYXCompletionPopup: the list of names offered while a word is typed in the calculation area.
#pragma once

#include "C_VYXCompletion.h"

#include <QObject>

class C_TOBRIK_CALCULATORDoc;
class C_VYXCalcTextView;
class QCompleter;
class QKeyEvent;
class QStringListModel;

/// Watches the calculation area: after a typed character the names completing the word at the
/// caret pop up. Tab or a click writes the chosen name through the area's model (one undo step,
/// like typing), Escape closes the list, Enter closes it and evaluates the line as always.
class C_VYXCompletionPopup : public QObject {
    Q_OBJECT

public:
    /// The document must outlive this object; give it the view as parent, so it goes with it.
    C_VYXCompletionPopup(C_VYXCalcTextView& view, C_TOBRIK_CALCULATORDoc& document,
                         QObject* parent = nullptr);
    ~C_VYXCompletionPopup() override;

    bool IsShown() const;
    /// The names offered now, in the order shown.
    QStringList Offered() const;
    /// Replaces the word at the caret by `name`.
    void Accept(const QString& name);
    void Dismiss();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Tab, Escape and Enter while the list is shown; false for every other key.
    bool HandleListKey(QKeyEvent* event);
    /// The area changed: look at the word at the caret once the change is complete.
    void ScheduleRefresh();
    void Refresh();
    C_VYXCompletionWord WordAtCaret() const;

    C_VYXCalcTextView& m_view;
    C_VYXCompletion m_completion;
    QCompleter* m_pCompleter;
    QStringListModel* m_pNames;
    /// A key typed text since the last refresh: only typing opens the list.
    bool m_bTyped = false;
    bool m_bRefreshPending = false;
};
