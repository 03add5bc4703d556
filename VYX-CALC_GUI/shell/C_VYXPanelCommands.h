// SPDX-License-Identifier: MIT
// C_VYXPanelCommands: the commands that show and hide the eight tool panels.
#pragma once

#include "C_VYXPanelSet.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <array>

class QAction;
class QMenu;

/// One checkable action per panel, shared by View > Dialogs and the dialogs toolbar. An action
/// is enabled while its panel is installed and checked while the panel is shown, also when the
/// panel's close box hid it.
class C_VYXPanelCommands : public QObject {
    Q_OBJECT

public:
    /// The actions become children of `actionParent`; the panels must outlive this object,
    /// which stops watching them when it goes.
    C_VYXPanelCommands(C_VYXPanelSet& panels, QObject& actionParent);
    ~C_VYXPanelCommands() override;

    /// In the order of the Dialogs menu: numpad, trigonometry, complex, variables, conversion,
    /// Latin, Greek, math.
    QList<QAction*> Actions() const { return QList<QAction*>(m_actions.begin(), m_actions.end()); }
    /// The Dialogs submenu of `viewMenu`.
    void AddDialogsMenu(QMenu& viewMenu);
    /// Enables the commands of installed panels and checks those shown.
    void Update();

protected:
    /// Watches the panels, so the checks follow a panel hidden by its close box.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Toggle(C_VYXPanelSet::Panel panel);

    C_VYXPanelSet& m_panels;
    std::array<QAction*, C_VYXPanelSet::kCount> m_actions{};
    /// The panels being watched (a replaced panel is watched anew).
    std::array<QPointer<C_VYXDlgFix>, C_VYXPanelSet::kCount> m_watchedPanels{};
};
