// SPDX-License-Identifier: MIT
// C_VYXToolbarSet: the eight toolbars, their start-up layout and View > Toolbars.
#include "C_VYXToolbarSet.h"

#include "C_VYXInsertCommands.h"
#include "C_VYXPanelPlacement.h"
#include "C_VYXResourceIds.h"
#include "C_VYXStringTable.h"
#include "C_VYXToolbarIcon.h"
#include "C_VYXToolbarPlacement.h"
#include "C_VYXToolbarVariables.h"

#include <QAction>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>
#include <QToolBar>

#include <algorithm>
#include <chrono>

namespace {

using namespace C_VYXResourceIds;

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
    {kBarFiles, "toolbarFiles", "actionViewToolbarFiles", 0, 0},
    {kBarDialogs, "toolbarDialogs", "actionViewToolbarDialogs", 0, 0},
    {kBarVariables, "toolbarVariables", "actionViewToolbarVariables", 0, 0},
    {kBarRoots, "toolbarRoots", "actionViewToolbarRoots", kCmdInsertSquareRoot, kCmdInsertNthRoot},
    {kBarExponents, "toolbarPowers", "actionViewToolbarPowers", kCmdInsertSquare,
     kCmdInsertInverse},
    {kBarLogarithms, "toolbarLogarithm", "actionViewToolbarLogarithm", kCmdInsertExpPower,
     kCmdInsertTenLog},
    {kBarExecute, "toolbarExecute", "actionViewToolbarExecute", kCmdCalculateLine,
     kCmdCalculateApproximate},
    {kBarDelete, "toolbarDelete", "actionViewToolbarDelete", kCmdDeleteChar, kCmdClearArea},
}};

/// The function toolbars float at start-up in this order.
constexpr std::array<int, 5> kFloatedAtStart = {kBarLogarithms, kBarRoots, kBarExponents,
                                                kBarExecute, kBarDelete};

const QString kToolbarPrompt = QStringLiteral("Show or hide the toolbar");

} // namespace

C_VYXToolbarSet::C_VYXToolbarSet(QMainWindow& window, C_VYXPanelOwner& owner,
                                 const C_VYXInsertCommands& insertCommands,
                                 const QList<QAction*>& panelActions)
    : QObject(&window), m_window(window),
      m_random(
          std::mt19937::result_type(std::chrono::system_clock::now().time_since_epoch().count())) {
    for (std::size_t i = 0; i < kBars.size(); ++i) {
        const BarKind& kind = kBars[i];
        QToolBar* bar = nullptr;
        if (kind.id == kBarVariables) {
            bar = new C_VYXToolbarVariables(owner, &window);
            // The names the saved layout and View > Toolbars go by, whoever made the bar.
            bar->setObjectName(QString::fromLatin1(kind.objectName));
            bar->setWindowTitle(C_VYXStringTable::MenuText(kind.id));
            window.addToolBar(Qt::TopToolBarArea, bar);
        } else {
            bar = AddToolbar(kind.id, kind.objectName);
        }
        if (kind.id == kBarFiles) {
            // The toolkit's own toggle text for this bar; "&T" underlines the T in menus.
            bar->setWindowTitle(QStringLiteral("Files&Toolbar"));
            FillFilesToolbar(bar);
        } else if (kind.id == kBarDialogs) {
            bar->addActions(panelActions);
        }
        for (int command = kind.firstCommand; kind.firstCommand != 0 && command <= kind.lastCommand;
             ++command)
            bar->addAction(insertCommands.Action(command));
        // Small buttons, so the docked bars need few rows at a third of the screen.
        bar->setIconSize(QSize(20, 20));
        bar->setMovable(true);
        bar->setFloatable(true);
        bar->setAllowedAreas(Qt::AllToolBarAreas);
        m_toolbars[i] = {kind.id, bar};
    }
    for (int id : kFloatedAtStart)
        Toolbar(id)->hide();
}

void C_VYXToolbarSet::LayOutForWindowSize() {
    WrapDockedToolbars();
    for (int id : kFloatedAtStart)
        FloatAtRandomPoint(Toolbar(id));
}

namespace {

constexpr int kDockedBars[] = {kBarFiles, kBarDialogs, kBarVariables};

int BarWidth(const QToolBar& bar, const QLayout* windowLayout) {
    return bar.sizeHint().width() +
           (windowLayout != nullptr ? std::max(0, windowLayout->spacing()) : 0);
}

} // namespace

int C_VYXToolbarSet::DockedRowWidth() const {
    int rowWidth = 0;
    for (int id : kDockedBars)
        rowWidth += BarWidth(*Toolbar(id), m_window.layout());
    return rowWidth;
}

QToolBar* C_VYXToolbarSet::Toolbar(int barId) const {
    for (const auto& [id, bar] : m_toolbars)
        if (id == barId)
            return bar;
    return nullptr;
}

QToolBar* C_VYXToolbarSet::AddToolbar(int barId, const char* objectName) {
    auto* bar = new QToolBar(&m_window);
    bar->setObjectName(QString::fromLatin1(objectName));
    bar->setWindowTitle(C_VYXStringTable::MenuText(barId));
    m_window.addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

void C_VYXToolbarSet::WrapDockedToolbars() {
    // Where the window is too narrow for the docked bars in one row (a screen too small for
    // them), the next bar starts a new row, so no button hides behind an overflow arrow. A saved
    // layout replaces this.
    int rowWidth = 0;
    for (int id : kDockedBars) {
        QToolBar* bar = Toolbar(id);
        const int barWidth = BarWidth(*bar, m_window.layout());
        if (rowWidth > 0 && rowWidth + barWidth > m_window.width()) {
            m_window.insertToolBarBreak(bar);
            rowWidth = 0;
        }
        rowWidth += barWidth;
    }
}

void C_VYXToolbarSet::FillFilesToolbar(QToolBar* bar) {
    for (const FilesButton& button : kFilesButtons) {
        // The print commands may be missing from a build without them; the bar does without.
        if (auto* action = m_window.findChild<QAction*>(QString::fromLatin1(button.actionName))) {
            action->setIcon(ToolbarIcon(QString::fromLatin1(button.iconName)));
            action->setToolTip(QString::fromLatin1(button.toolTip));
            bar->addAction(action);
        }
        if (button.endsGroup)
            bar->addSeparator();
    }
}

void C_VYXToolbarSet::AddToolbarsMenu(QMenu& viewMenu) {
    QMenu* menu = viewMenu.addMenu(QStringLiteral("Toolbars"));
    menu->setObjectName(QStringLiteral("menuToolbars"));
    for (std::size_t i = 0; i < kBars.size(); ++i) {
        QToolBar* bar = m_toolbars[i].second;
        QAction* toggle = nullptr;
        if (kBars[i].id == kBarFiles) {
            // The toolkit's standard toggle: show or hide where the bar stands.
            toggle = bar->toggleViewAction();
        } else {
            toggle = new QAction(bar->windowTitle(), &m_window);
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
        m_toggles.append(toggle);
    }
}

void C_VYXToolbarSet::FloatAtRandomPoint(QToolBar* bar) {
    const QRect client(m_window.mapToGlobal(QPoint(0, 0)), m_window.size());
    QPoint point = C_VYXToolbarPlacement::RandomPoint(client, m_random);
    // A bar drawn near the right or bottom edge of a window at the screen's edge would reach
    // off the screen.
    if (const QScreen* screen = m_window.screen())
        point = C_VYXPanelPlacement::KeepInside(QRect(point, bar->sizeHint()),
                                                screen->availableGeometry())
                    .topLeft();
    C_VYXToolbarPlacement::Float(*bar, point);
}

void C_VYXToolbarSet::ToggleToolbar(QToolBar* bar) {
    const bool show = bar->isHidden();
    FloatAtRandomPoint(bar);
    bar->setVisible(show);
}
