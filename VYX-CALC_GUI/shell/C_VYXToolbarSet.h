// SPDX-License-Identifier: MIT
// C_VYXToolbarSet: the main window's eight toolbars and View > Toolbars.
#pragma once

#include <QList>
#include <QObject>

#include <array>
#include <random>
#include <utility>

class C_VYXInsertCommands;
class C_VYXPanelOwner;
class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

/// Three toolbars docked at the top (files, dialogs, variables) and the five function bars
/// (roots, powers, logarithms, execute, delete), which start floating and hidden. View >
/// Toolbars floats a function bar afresh at a random point of the window before it shows or
/// hides it; the files bar stays where it stands.
class C_VYXToolbarSet : public QObject {
    Q_OBJECT

public:
    /// Makes the bars in `window`, whose child this object is. The files bar takes the window's
    /// File and Edit actions, so those menus come first; the dialogs bar takes `panelActions`.
    C_VYXToolbarSet(QMainWindow& window, C_VYXPanelOwner& owner,
                    const C_VYXInsertCommands& insertCommands, const QList<QAction*>& panelActions);

    /// Once the window has its size: wraps the docked bars that do not fit in one row and
    /// floats the function bars at random points of the window.
    void LayOutForWindowSize();
    /// The width of the three docked toolbars side by side.
    int DockedRowWidth() const;
    /// A toolbar by its resource id (128, 174, 205, 189, 193, 195, 197, 199); null for others.
    QToolBar* Toolbar(int barId) const;
    /// The Toolbars submenu of `viewMenu`.
    void AddToolbarsMenu(QMenu& viewMenu);
    /// The View > Toolbars toggles, also the toolbar area's context menu.
    const QList<QAction*>& Toggles() const { return m_toggles; }

private:
    QToolBar* AddToolbar(int barId, const char* objectName);
    void FillFilesToolbar(QToolBar* bar);
    void WrapDockedToolbars();
    void FloatAtRandomPoint(QToolBar* bar);
    /// View > Toolbars for all but the files toolbar: float afresh, then show or hide.
    void ToggleToolbar(QToolBar* bar);

    QMainWindow& m_window;
    /// Floating points of the function toolbars; seeded from the clock.
    std::mt19937 m_random;
    /// Resource id and toolbar, in the order of the View > Toolbars menu.
    std::array<std::pair<int, QToolBar*>, 8> m_toolbars{};
    QList<QAction*> m_toggles;
};
