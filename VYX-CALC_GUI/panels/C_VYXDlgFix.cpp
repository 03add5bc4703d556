// SPDX-License-Identifier: MIT
// C_VYXDlgFix: lazy creation, placement and the shared utilities of the tool panels.
#include "C_VYXDlgFix.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXPanelOwner.h"
#include "C_VYXWindowFrame.h"
#include "C_VYXX11CloseBoxOnly.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

C_VYXDlgFix::C_VYXDlgFix(C_VYXPanelOwner& owner, unsigned templateId, const QString& caption,
                         Side side)
    : QDialog(owner.OwnerWindow(), C_VYXWindowFrame::ToolWindowFlags()), m_owner(owner),
      m_nTemplateId(templateId), m_side(side) {
    setWindowTitle(caption);
    setModal(false);
}

C_VYXDlgFix::~C_VYXDlgFix() = default;

bool C_VYXDlgFix::Create() {
    if (m_bCreated)
        return true;
    m_pDocument = &m_owner.ActiveDocument();
    if (!TakesKeyboard()) {
        // The window manager gives such a window no focus, and the clicks give its controls
        // none, so the main window stays active.
        setWindowFlag(Qt::WindowDoesNotAcceptFocus);
        setAttribute(Qt::WA_ShowWithoutActivating);
    }
    SetupControls();
    if (!TakesKeyboard())
        for (QWidget* control : findChildren<QWidget*>())
            control->setFocusPolicy(Qt::NoFocus);
    m_bCreated = true;
    RefreshFromSettings();
    AfterFirstRefresh();
    WidenForTitle();
    PlacePanel();
    return true;
}

void C_VYXDlgFix::RefreshFromSettings() {
    if (!m_bCreated)
        return;
    m_pDocument = &m_owner.ActiveDocument();
    ReadSettings();
}

void C_VYXDlgFix::StackBelow(const C_VYXDlgFix& partner) {
    m_nOffsetY = partner.IsCreated() && partner.isVisible() ? partner.frameGeometry().height() : 0;
}

int C_VYXDlgFix::GetOwnerTop() const {
    return OwnerRect().top();
}

QRect C_VYXDlgFix::OwnerRect() const {
    const QWidget* owner = m_owner.OwnerWindow();
    if (owner == nullptr)
        return QRect();
    if (!owner->isMaximized() && !owner->isMinimized())
        return owner->frameGeometry();
    // The normal rectangle is that of the client area; the frame goes round it.
    const QMargins frame = C_VYXWindowFrame::FrameMargins(*owner, nullptr);
    return owner->normalGeometry().marginsAdded(frame);
}

QRect C_VYXDlgFix::AvailableArea() const {
    const QWidget* owner = m_owner.OwnerWindow();
    const QScreen* screen = owner != nullptr ? owner->screen() : nullptr;
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

QRect C_VYXDlgFix::FrameAt(const QPoint& topLeft) const {
    const QMargins frame = C_VYXWindowFrame::FrameMargins(*this, m_owner.OwnerWindow());
    return QRect(topLeft, size().grownBy(frame));
}

QList<QRect> C_VYXDlgFix::OtherPanelFrames() const {
    QList<QRect> frames;
    const QWidget* owner = m_owner.OwnerWindow();
    if (owner == nullptr)
        return frames;
    for (const C_VYXDlgFix* panel : owner->findChildren<C_VYXDlgFix*>(Qt::FindDirectChildrenOnly))
        if (panel != this && panel->isVisible())
            frames.append(panel->frameGeometry());
    return frames;
}

void C_VYXDlgFix::WidenForTitle() {
    adjustSize();
    const int missing = C_VYXWindowFrame::WidthForTitle(windowTitle()) - width();
    if (missing <= 0)
        return;
    if (QLayout* grid = layout()) {
        // Wider margins on both sides keep the controls centred, whatever the size constraint.
        QMargins margins = grid->contentsMargins();
        margins.setLeft(margins.left() + missing / 2);
        margins.setRight(margins.right() + missing - missing / 2);
        grid->setContentsMargins(margins);
        grid->activate();
    } else if (minimumWidth() == maximumWidth()) {
        setFixedWidth(width() + missing);
    } else {
        setMinimumWidth(width() + missing);
    }
    adjustSize();
}

void C_VYXDlgFix::PlacePanel() {
    const QWidget* owner = m_owner.OwnerWindow();
    if (owner == nullptr)
        return;
    QList<QRect> occupied = OtherPanelFrames();
    if (owner->isVisible() && !owner->isMinimized())
        occupied.append(owner->frameGeometry());
    const QRect frame = FrameAt(QPoint());
    move(C_VYXPanelPlacement::Place(m_side, OwnerRect(), frame.size(), GetOwnerTop() + m_nOffsetY,
                                    AvailableArea(), occupied)
             .topLeft());
}

void C_VYXDlgFix::KeepClearOfPanels() {
    const QRect here = FrameAt(frameGeometry().topLeft());
    const QRect place =
        C_VYXPanelPlacement::AvoidOverlap(here, m_side, AvailableArea(), OtherPanelFrames());
    if (place != here)
        move(place.topLeft());
}

QString C_VYXDlgFix::EvaluateExpressionText(const QString& text) const {
    return m_pDocument == nullptr ? QString() : m_pDocument->EvaluateExpressionText(text);
}

bool C_VYXDlgFix::AskYesNo(const QString& text, const QString& caption) const {
    return m_pDocument != nullptr && m_pDocument->AskYesNo(text, caption);
}

void C_VYXDlgFix::ShowErrorBox(const QString& text, const QString& caption) const {
    if (m_pDocument != nullptr)
        m_pDocument->ShowErrorBox(text, caption);
}

void C_VYXDlgFix::accept() {
    if (StaysOpenOnEnterAndEscape())
        return;
    QDialog::accept();
}

void C_VYXDlgFix::reject() {
    if (StaysOpenOnEnterAndEscape())
        return;
    QDialog::reject();
}

void C_VYXDlgFix::closeEvent(QCloseEvent* event) {
    hide();
    event->accept();
}

void C_VYXDlgFix::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Before the window is mapped: the window manager reads its type then.
    C_VYXX11CloseBoxOnly::Apply(*this);
    if (!m_bCreated)
        return;
    if (!m_bShownOnce) {
        m_bShownOnce = true;
        PlacePanel();
    } else {
        KeepClearOfPanels();
    }
}
