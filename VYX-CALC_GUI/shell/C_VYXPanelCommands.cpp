// SPDX-License-Identifier: MIT
// C_VYXPanelCommands: View > Dialogs and the dialogs toolbar's buttons, following the panels.
#include "C_VYXPanelCommands.h"

#include "C_VYXResourceIds.h"
#include "C_VYXStringTable.h"
#include "C_VYXToolbarIcon.h"

#include <QAction>
#include <QEvent>
#include <QKeySequence>
#include <QMenu>

namespace {

using namespace C_VYXResourceIds;
using Panel = C_VYXPanelSet::Panel;

struct PanelCommand {
    int id;
    Panel panel;
    const char* objectName;
    const char* iconName;
};

constexpr std::array<PanelCommand, C_VYXPanelSet::kCount> kPanelCommands = {{
    {kDlgNumpad, Panel::Numpad, "actionPanelNumpad", "panel-numpad"},
    {kDlgTrigonometry, Panel::Trigonometry, "actionPanelTrigonometry", "panel-trigonometry"},
    {kDlgComplex, Panel::Complex, "actionPanelComplex", "panel-complex"},
    {kDlgVariables, Panel::Variables, "actionPanelVariables", "panel-variables"},
    {kDlgConversion, Panel::Conversion, "actionPanelConversion", "panel-conversion"},
    {kDlgLatinChars, Panel::Latin, "actionPanelLatin", "panel-latin"},
    {kDlgGreekChars, Panel::Greek, "actionPanelGreek", "panel-greek"},
    {kDlgMathChars, Panel::Math, "actionPanelMath", "panel-math"},
}};

} // namespace

C_VYXPanelCommands::C_VYXPanelCommands(C_VYXPanelSet& panels, QObject& actionParent)
    : m_panels(panels) {
    for (std::size_t i = 0; i < kPanelCommands.size(); ++i) {
        const PanelCommand& command = kPanelCommands[i];
        auto* action = new QAction(ToolbarIcon(QString::fromLatin1(command.iconName)),
                                   C_VYXStringTable::MenuText(command.id), &actionParent);
        action->setObjectName(QString::fromLatin1(command.objectName));
        action->setToolTip(C_VYXStringTable::ToolTip(command.id));
        action->setStatusTip(C_VYXStringTable::StatusPrompt(command.id));
        action->setCheckable(true);
        // Ctrl+1 to Ctrl+8 in menu order; application-wide, so they work from a panel too.
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + int(i))));
        action->setShortcutContext(Qt::ApplicationShortcut);
        const Panel panel = command.panel;
        connect(action, &QAction::triggered, this, [this, panel] { Toggle(panel); });
        m_actions[i] = action;
    }
    Update();
}

C_VYXPanelCommands::~C_VYXPanelCommands() {
    // A panel's last hide must not reach a watcher that is gone.
    for (const QPointer<C_VYXDlgFix>& panel : m_watchedPanels)
        if (panel != nullptr)
            panel->removeEventFilter(this);
}

void C_VYXPanelCommands::AddDialogsMenu(QMenu& viewMenu) {
    QMenu* menu = viewMenu.addMenu(QStringLiteral("Dialogs"));
    menu->setObjectName(QStringLiteral("menuDialogs"));
    menu->addActions(Actions());
    connect(menu, &QMenu::aboutToShow, this, &C_VYXPanelCommands::Update);
}

void C_VYXPanelCommands::Toggle(Panel panel) {
    m_panels.Toggle(panel);
    Update();
}

void C_VYXPanelCommands::Update() {
    for (std::size_t i = 0; i < kPanelCommands.size(); ++i) {
        const Panel panel = kPanelCommands[i].panel;
        C_VYXDlgFix* dialog = m_panels.Get(panel);
        if (dialog != nullptr && m_watchedPanels[i].data() != dialog) {
            dialog->installEventFilter(this);
            m_watchedPanels[i] = dialog;
        }
        m_actions[i]->setEnabled(dialog != nullptr);
        m_actions[i]->setChecked(m_panels.IsShown(panel));
    }
}

bool C_VYXPanelCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        for (const QPointer<C_VYXDlgFix>& panel : m_watchedPanels) {
            if (panel.data() == watched) {
                Update();
                break;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
