// SPDX-License-Identifier: MIT
// C_MainFrm: the eight toolbars, View > Toolbars and View > Dialogs, the panel commands.
#include "C_MainFrm.h"

#include "C_VYXInsertCommands.h"
#include "C_VYXPanelPlacement.h"
#include "C_VYXResourceIds.h"
#include "C_VYXStatusBar.h"
#include "C_VYXStringTable.h"
#include "C_VYXToolbarIcon.h"
#include "C_VYXToolbarPlacement.h"

#include <QAction>
#include <QEvent>
#include <QLayout>
#include <QMenu>
#include <QScreen>
#include <QToolBar>

#include <algorithm>

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
    {DlgNumpad, Panel::Numpad, "actionPanelNumpad", "panel-numpad"},
    {DlgTrigonometry, Panel::Trigonometry, "actionPanelTrigonometry", "panel-trigonometry"},
    {DlgComplex, Panel::Complex, "actionPanelComplex", "panel-complex"},
    {DlgVariables, Panel::Variables, "actionPanelVariables", "panel-variables"},
    {DlgConversion, Panel::Conversion, "actionPanelConversion", "panel-conversion"},
    {DlgLatinChars, Panel::Latin, "actionPanelLatin", "panel-latin"},
    {DlgGreekChars, Panel::Greek, "actionPanelGreek", "panel-greek"},
    {DlgMathChars, Panel::Math, "actionPanelMath", "panel-math"},
}};

/// The files toolbar shows these File and Edit commands; a group ends in a separator.
struct FilesButton {
    const char* actionName;
    const char* iconName;
    const char* toolTip;
    bool endsGroup;
};

constexpr FilesButton kFilesButtons[] = {
    {"actionFileNew", "file-new", "New", false},
    {"actionFileOpen", "file-open", "Open", false},
    {"actionFileSave", "file-save", "Save", false},
    {"actionFileSaveAs", "file-save-as", "Save As", true},
    {"actionEditCut", "edit-cut", "Cut", false},
    {"actionEditCopy", "edit-copy", "Copy", false},
    {"actionEditPaste", "edit-paste", "Paste", true},
    {"actionFilePrint", "file-print", "Print", true},
    {"actionEditUndo", "edit-undo", "Undo", false},
    {"actionEditRedo", "edit-redo", "Redo", false},
};

struct BarKind {
    int id;
    const char* objectName;
    const char* toggleName;
    /// The commands of a function toolbar, first to last; 0 for the other bars.
    int firstCommand;
    int lastCommand;
};

/// In the order of the View > Toolbars menu.
constexpr std::array<BarKind, 8> kBars = {{
    {BarFiles, "toolbarFiles", "actionViewToolbarFiles", 0, 0},
    {BarDialogs, "toolbarDialogs", "actionViewToolbarDialogs", 0, 0},
    {BarVariables, "toolbarVariables", "actionViewToolbarVariables", 0, 0},
    {BarRoots, "toolbarRoots", "actionViewToolbarRoots", CmdInsertSquareRoot, CmdInsertNthRoot},
    {BarExponents, "toolbarPowers", "actionViewToolbarPowers", CmdInsertSquare, CmdInsertInverse},
    {BarLogarithms, "toolbarLogarithm", "actionViewToolbarLogarithm", CmdInsertExpPower,
     CmdInsertTenLog},
    {BarExecute, "toolbarExecute", "actionViewToolbarExecute", CmdCalculateLine,
     CmdCalculateApproximate},
    {BarDelete, "toolbarDelete", "actionViewToolbarDelete", CmdDeleteChar, CmdClearArea},
}};

/// The function toolbars float at start-up in this order.
constexpr std::array<int, 5> kFloatedAtStart = {BarLogarithms, BarRoots, BarExponents, BarExecute,
                                                BarDelete};

const QString kToolbarPrompt = QStringLiteral("Show or hide the toolbar");

} // namespace

QToolBar* C_MainFrm::Toolbar(int barId) const {
    for (const auto& [id, bar] : m_toolbars)
        if (id == barId)
            return bar;
    return nullptr;
}

QToolBar* C_MainFrm::AddToolbar(int barId, const char* objectName) {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QString::fromLatin1(objectName));
    bar->setWindowTitle(C_VYXStringTable::MenuText(barId));
    addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

void C_MainFrm::CreateToolbars() {
    CreatePanelActions();
    for (std::size_t i = 0; i < kBars.size(); ++i) {
        const BarKind& kind = kBars[i];
        QToolBar* bar = nullptr;
        if (kind.id == BarVariables) {
            bar = MakeVariablesToolbar();
            // The names the saved layout and View > Toolbars go by, whoever made the bar.
            bar->setObjectName(QString::fromLatin1(kind.objectName));
            bar->setWindowTitle(C_VYXStringTable::MenuText(kind.id));
            addToolBar(Qt::TopToolBarArea, bar);
        } else {
            bar = AddToolbar(kind.id, kind.objectName);
        }
        if (kind.id == BarFiles) {
            // The toolkit's own toggle text for this bar; "&T" underlines the T in menus.
            bar->setWindowTitle(QStringLiteral("Files&Toolbar"));
            FillFilesToolbar(bar);
        } else if (kind.id == BarDialogs) {
            bar->addActions(QList<QAction*>(m_panelActions.begin(), m_panelActions.end()));
        }
        for (int command = kind.firstCommand; kind.firstCommand != 0 && command <= kind.lastCommand;
             ++command)
            bar->addAction(m_pInsertCommands->Action(command));
        // Small buttons, so the docked bars need few rows at a third of the screen.
        bar->setIconSize(QSize(20, 20));
        bar->setMovable(true);
        bar->setFloatable(true);
        bar->setAllowedAreas(Qt::AllToolBarAreas);
        m_toolbars[i] = {kind.id, bar};
    }
    m_pInsertCommands->UpdateEnabling();
    for (int id : kFloatedAtStart)
        Toolbar(id)->hide();
}

void C_MainFrm::FloatFunctionToolbars() {
    for (int id : kFloatedAtStart)
        FloatAtRandomPoint(Toolbar(id));
}

namespace {

constexpr int kDockedBars[] = {BarFiles, BarDialogs, BarVariables};

int BarWidth(const QToolBar& bar, const QLayout* windowLayout) {
    return bar.sizeHint().width() +
           (windowLayout != nullptr ? std::max(0, windowLayout->spacing()) : 0);
}

} // namespace

int C_MainFrm::DockedRowWidth() const {
    int rowWidth = 0;
    for (int id : kDockedBars)
        rowWidth += BarWidth(*Toolbar(id), layout());
    return rowWidth;
}

void C_MainFrm::WrapDockedToolbars() {
    // Where the window is too narrow for the docked bars in one row (a screen too small for
    // them), the next bar starts a new row, so no button hides behind an overflow arrow. A saved
    // layout replaces this.
    int rowWidth = 0;
    for (int id : kDockedBars) {
        QToolBar* bar = Toolbar(id);
        const int barWidth = BarWidth(*bar, layout());
        if (rowWidth > 0 && rowWidth + barWidth > width()) {
            insertToolBarBreak(bar);
            rowWidth = 0;
        }
        rowWidth += barWidth;
    }
}

QSize C_MainFrm::FirstStartMinimum() const {
    int width = DockedRowWidth();
    // The texts the status pane shows: the prompts of the commands and the calculation count.
    for (const QAction* action : findChildren<QAction*>())
        width = std::max(width, m_pStatusBar->WidthToShow(action->statusTip()));
    width = std::max(width, m_pStatusBar->WidthToShow(
                                C_VYXStringTable::Text(C_VYXResourceIds::StrCalculationCount) +
                                QStringLiteral("999999")));
    return QSize(width, minimumSizeHint().height());
}

void C_MainFrm::FillFilesToolbar(QToolBar* bar) {
    for (const FilesButton& button : kFilesButtons) {
        // The print commands may be missing from a build without them; the bar does without.
        if (auto* action = findChild<QAction*>(QString::fromLatin1(button.actionName))) {
            action->setIcon(ToolbarIcon(QString::fromLatin1(button.iconName)));
            action->setToolTip(QString::fromLatin1(button.toolTip));
            bar->addAction(action);
        }
        if (button.endsGroup)
            bar->addSeparator();
    }
}

void C_MainFrm::CreatePanelActions() {
    for (std::size_t i = 0; i < kPanelCommands.size(); ++i) {
        const PanelCommand& command = kPanelCommands[i];
        auto* action = new QAction(ToolbarIcon(QString::fromLatin1(command.iconName)),
                                   C_VYXStringTable::MenuText(command.id), this);
        action->setObjectName(QString::fromLatin1(command.objectName));
        action->setToolTip(C_VYXStringTable::ToolTip(command.id));
        action->setStatusTip(C_VYXStringTable::StatusPrompt(command.id));
        action->setCheckable(true);
        const Panel panel = command.panel;
        connect(action, &QAction::triggered, this, [this, panel] { TogglePanel(panel); });
        m_panelActions[i] = action;
    }
    UpdatePanelActions();
}

void C_MainFrm::CreateToolbarsMenu(QMenu* viewMenu) {
    QMenu* menu = viewMenu->addMenu(QStringLiteral("Toolbars"));
    menu->setObjectName(QStringLiteral("menuToolbars"));
    for (std::size_t i = 0; i < kBars.size(); ++i) {
        QToolBar* bar = m_toolbars[i].second;
        QAction* toggle = nullptr;
        if (kBars[i].id == BarFiles) {
            // The toolkit's standard toggle: show or hide where the bar stands.
            toggle = bar->toggleViewAction();
        } else {
            toggle = new QAction(bar->windowTitle(), this);
            toggle->setCheckable(true);
            toggle->setChecked(!bar->isHidden());
            connect(toggle, &QAction::triggered, this, [this, bar, toggle] {
                ToggleToolbar(bar);
                // The check follows the bar even when no show or hide event reached it.
                toggle->setChecked(!bar->isHidden());
            });
            connect(bar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
        }
        toggle->setObjectName(QString::fromLatin1(kBars[i].toggleName));
        toggle->setStatusTip(kToolbarPrompt);
        menu->addAction(toggle);
        m_toolbarToggles.append(toggle);
    }
}

void C_MainFrm::CreateDialogsMenu(QMenu* viewMenu) {
    QMenu* menu = viewMenu->addMenu(QStringLiteral("Dialogs"));
    menu->setObjectName(QStringLiteral("menuDialogs"));
    menu->addActions(QList<QAction*>(m_panelActions.begin(), m_panelActions.end()));
    connect(menu, &QMenu::aboutToShow, this, &C_MainFrm::UpdatePanelActions);
}

void C_MainFrm::FloatAtRandomPoint(QToolBar* bar) {
    const QRect client(mapToGlobal(QPoint(0, 0)), size());
    QPoint point = C_VYXToolbarPlacement::RandomPoint(client, m_random);
    // A bar drawn near the right or bottom edge of a window at the screen's edge would reach
    // off the screen.
    if (const QScreen* screen = this->screen())
        point = C_VYXPanelPlacement::KeepInside(QRect(point, bar->sizeHint()),
                                                screen->availableGeometry())
                    .topLeft();
    C_VYXToolbarPlacement::Float(*bar, point);
}

void C_MainFrm::ToggleToolbar(QToolBar* bar) {
    const bool show = bar->isHidden();
    FloatAtRandomPoint(bar);
    bar->setVisible(show);
}

void C_MainFrm::TogglePanel(Panel panel) {
    m_panels.Toggle(panel);
    UpdatePanelActions();
}

void C_MainFrm::UpdatePanelActions() {
    for (std::size_t i = 0; i < kPanelCommands.size(); ++i) {
        const Panel panel = kPanelCommands[i].panel;
        C_VYXDlgFix* dialog = m_panels.Get(panel);
        if (dialog != nullptr && m_watchedPanels[i].data() != dialog) {
            dialog->installEventFilter(this);
            m_watchedPanels[i] = dialog;
        }
        m_panelActions[i]->setEnabled(dialog != nullptr);
        m_panelActions[i]->setChecked(m_panels.IsShown(panel));
    }
}

bool C_MainFrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        for (const QPointer<C_VYXDlgFix>& panel : m_watchedPanels) {
            if (panel.data() == watched) {
                UpdatePanelActions();
                break;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QMenu* C_MainFrm::createPopupMenu() {
    auto* menu = new QMenu(this);
    menu->addActions(m_toolbarToggles);
    return menu;
}
