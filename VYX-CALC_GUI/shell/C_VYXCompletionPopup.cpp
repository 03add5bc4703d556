// SPDX-License-Identifier: MIT
// C_VYXCompletionPopup: a QCompleter popup over the calculation area, fed by C_VYXCompletion.
#include "C_VYXCompletionPopup.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcTextView.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStringListModel>

#include <utility>

C_VYXCompletionPopup::C_VYXCompletionPopup(C_VYXCalcTextView& view,
                                           C_TOBRIK_CALCULATORDoc& document, QObject* parent)
    : QObject(parent), m_view(view), m_completion(document), m_pCompleter(new QCompleter(this)),
      m_pNames(new QStringListModel(this)) {
    m_pCompleter->setModel(m_pNames);
    // The names are matched by C_VYXCompletion; the completer only shows and picks them.
    m_pCompleter->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_pCompleter->setWidget(&m_view);
    m_pCompleter->popup()->setObjectName(QStringLiteral("completionPopup"));
    m_pCompleter->popup()->setAccessibleName(QStringLiteral("Completions"));
    // Installed after the completer's own filter, so this one sees the list's keys first.
    m_pCompleter->popup()->installEventFilter(this);
    m_view.installEventFilter(this);
    connect(m_pCompleter, qOverload<const QString&>(&QCompleter::activated), this,
            &C_VYXCompletionPopup::Accept);
    connect(&m_view.Model(), &C_VYXCalcAreaModel::changed, this,
            &C_VYXCompletionPopup::ScheduleRefresh);
}

C_VYXCompletionPopup::~C_VYXCompletionPopup() = default;

bool C_VYXCompletionPopup::IsShown() const {
    return m_pCompleter->popup()->isVisible();
}

QStringList C_VYXCompletionPopup::Offered() const {
    return IsShown() ? m_pNames->stringList() : QStringList();
}

void C_VYXCompletionPopup::Dismiss() {
    m_pCompleter->popup()->hide();
}

C_VYXCompletionWord C_VYXCompletionPopup::WordAtCaret() const {
    const C_VYXCalcAreaModel& area = m_view.Model();
    if (area.SelectionStart() != area.SelectionEnd())
        return {};
    const int line = area.LineFromPosition(area.Caret());
    return C_VYXCompletion::WordBeforeCaret(area.LineText(line),
                                            area.Caret() - area.LineStart(line));
}

void C_VYXCompletionPopup::Accept(const QString& name) {
    Dismiss();
    const C_VYXCompletionWord word = WordAtCaret();
    if (!word.IsValid() || name.isEmpty())
        return;
    C_VYXCalcAreaModel& area = m_view.Model();
    const int lineStart = area.LineStart(area.LineFromPosition(area.Caret()));
    area.SetSelection(lineStart + word.start, area.Caret());
    area.TypeText(name);
}

bool C_VYXCompletionPopup::HandleListKey(QKeyEvent* event) {
    if (!IsShown())
        return false;
    switch (event->key()) {
    case Qt::Key_Tab: {
        const QModelIndex current = m_pCompleter->popup()->currentIndex();
        const int row = current.isValid() ? current.row() : 0;
        Accept(m_pNames->index(row).data().toString());
        return true;
    }
    case Qt::Key_Escape:
        Dismiss();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter keeps its meaning: the list goes and the area evaluates the line.
        Dismiss();
        QCoreApplication::sendEvent(&m_view, event);
        return true;
    default:
        return false;
    }
}

bool C_VYXCompletionPopup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (HandleListKey(key))
            return true;
        // Keys the list passes on reach the area without its filters: they are noted here.
        const Qt::KeyboardModifiers commandKeys =
            Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
        const bool typing = key->key() == Qt::Key_Backspace ||
                            (!key->text().isEmpty() && key->text().at(0).isPrint() &&
                             (key->modifiers() & commandKeys) == Qt::NoModifier);
        m_bTyped = m_bTyped || typing;
    } else if (event->type() == QEvent::InputMethod && watched == &m_view) {
        m_bTyped = m_bTyped || !static_cast<QInputMethodEvent*>(event)->commitString().isEmpty();
    }
    return QObject::eventFilter(watched, event);
}

void C_VYXCompletionPopup::ScheduleRefresh() {
    if (m_bRefreshPending)
        return;
    // The area reports every step of an edit; the word is looked at once the edit is done.
    m_bRefreshPending = true;
    QMetaObject::invokeMethod(this, &C_VYXCompletionPopup::Refresh, Qt::QueuedConnection);
}

void C_VYXCompletionPopup::Refresh() {
    m_bRefreshPending = false;
    const bool mayOpen = std::exchange(m_bTyped, false) || IsShown();
    const C_VYXCompletionWord word = WordAtCaret();
    const QStringList names =
        mayOpen && word.IsValid() ? m_completion.Candidates(word.prefix) : QStringList();
    if (names.isEmpty()) {
        Dismiss();
        return;
    }
    m_pNames->setStringList(names);
    QAbstractItemView* list = m_pCompleter->popup();
    QRect caret = m_view.cursorRect();
    caret.setWidth(list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width());
    m_pCompleter->complete(caret);
    list->setCurrentIndex(m_pCompleter->completionModel()->index(0, 0));
}
