// SPDX-License-Identifier: MIT
// C_VYXDlgFix: lazy creation, placement and the shared utilities of the tool panels.
#include "C_VYXDlgFix.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXPanelOwner.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

C_VYXDlgFix::C_VYXDlgFix(C_VYXPanelOwner& owner, unsigned templateId, const QString& caption,
                         Side side)
    : QDialog(owner.OwnerWindow(), Qt::Tool), m_owner(owner), m_nTemplateId(templateId),
      m_side(side) {
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
    adjustSize();
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

int C_VYXDlgFix::PlacementX(Side side, const QRect& owner, int panelWidth, int screenWidth) {
    if (side == Side::Left)
        return owner.left() < panelWidth ? 0 : owner.left() - panelWidth;
    const int right = owner.left() + owner.width();
    return screenWidth - right < panelWidth ? screenWidth - panelWidth : right;
}

int C_VYXDlgFix::GetOwnerTop() const {
    const QWidget* owner = m_owner.OwnerWindow();
    if (owner == nullptr)
        return 0;
    return owner->isMaximized() || owner->isMinimized() ? owner->normalGeometry().top()
                                                        : owner->frameGeometry().top();
}

void C_VYXDlgFix::PlacePanel() {
    const QWidget* owner = m_owner.OwnerWindow();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (owner == nullptr || screen == nullptr)
        return;
    const QRect ownerRect = owner->isMaximized() || owner->isMinimized() ? owner->normalGeometry()
                                                                         : owner->frameGeometry();
    const int x =
        PlacementX(m_side, ownerRect, frameGeometry().width(), screen->geometry().width());
    move(x, GetOwnerTop() + m_nOffsetY);
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
    if (m_bCreated && !m_bShownOnce) {
        m_bShownOnce = true;
        PlacePanel();
    }
}
