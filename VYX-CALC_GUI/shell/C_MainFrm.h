// SPDX-License-Identifier: MIT
// C_MainFrm: the main window: calculation area, menus, toolbars, status bar, File commands.
#pragma once

#include "C_VYXDocumentFrame.h"
#include "C_VYXFileCommands.h"
#include "C_VYXPanelOwner.h"
#include "C_VYXPanelSet.h"
#include "C_VYXPrintCommands.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>
#include <random>

class C_TOBRIK_CALCULATORDoc;
class C_VYXCalcTextView;
class C_VYXDlgFix;
class C_VYXFileChooser;
class C_VYXInsertCommands;
class C_VYXMessageBoxes;
class C_VYXProfile;
class C_VYXSettingsMenu;
class C_VYXStatusBar;
class QAction;
class QMenu;
class QMimeData;
class QToolBar;

/// The program's one window. It owns the document and shows its calculation area; the menus
/// map onto the area, the File commands and the Settings menu. Message boxes, file dialogs and
/// the profile come from outside, so tests run it with scripted ones.
class C_MainFrm : public QMainWindow, public C_VYXDocumentFrame, public C_VYXPanelOwner {
    Q_OBJECT

public:
    /// Everything passed in must outlive the window.
    C_MainFrm(C_VYXProfile& profile, C_VYXMessageBoxes& messageBoxes, C_VYXFileChooser& fileChooser,
              QWidget* parent = nullptr);
    ~C_MainFrm() override;

    C_TOBRIK_CALCULATORDoc& Document() { return *m_document; }
    C_VYXCalcTextView& TextView() { return *m_pView; }
    C_VYXStatusBar& StatusBar() { return *m_pStatusBar; }
    C_VYXFileCommands& FileCommands() { return *m_fileCommands; }
    C_VYXPanelSet& Panels() { return m_panels; }
    /// A toolbar by its resource id (128, 174, 205, 189, 193, 195, 197, 199); null for others.
    QToolBar* Toolbar(int barId) const;

    /// Opens the document named on the command line; false when it could not be opened.
    bool OpenFromCommandLine(const QString& path);
    /// The .vyx file a drop would open; empty when the data holds none.
    static QString DroppedDocument(const QMimeData* data);

    // What the document asks of the window.
    bool GetWindowPlacement(C_VYXWindowPlacement& placement) override;
    void ApplyWindowPlacement(const C_VYXWindowPlacement& placement) override;
    void AddToRecentFiles(const QString& path) override;
    void RefreshPanels() override;

    // What the panels ask of the window.
    QWidget* OwnerWindow() override { return this; }
    C_TOBRIK_CALCULATORDoc& ActiveDocument() override { return *m_document; }
    C_VYXCalcAreaModel& CalcArea() override;
    void FocusCalcArea() override;
    void EnsureNumpad() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    /// Watches the panels, so the Dialogs checks follow a panel hidden by its close box.
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// The toolbar area's context menu: the View > Toolbars toggles.
    QMenu* createPopupMenu() override;

private:
    // C_MainFrmPanels.cpp
    /// Makes the eight panel objects; their windows are built when first shown.
    void InstallPanels();
    /// The variables toolbar, with its list of the defined variables.
    QToolBar* MakeVariablesToolbar();

    // C_MainFrmMenus.cpp
    void CreateMenus();
    void CreateFileMenu();
    void CreateEditMenu();
    void CreateViewMenu();
    /// New, Open, Save and Print also work while a tool panel has the keyboard.
    void MakeFileShortcutsGlobal();
    void UpdateEditActions();
    void UpdateRecentFileActions();
    void OpenRecentFile(int index);

    // C_MainFrmToolbars.cpp
    /// The eight toolbars: three docked at the top, the five function bars floating hidden.
    void CreateToolbars();
    QToolBar* AddToolbar(int barId, const char* objectName);
    void FillFilesToolbar(QToolBar* bar);
    void WrapDockedToolbars();
    void CreatePanelActions();
    void CreateToolbarsMenu(QMenu* viewMenu);
    void CreateDialogsMenu(QMenu* viewMenu);
    void FloatAtRandomPoint(QToolBar* bar);
    /// View > Toolbars for all but the files toolbar: float afresh, then show or hide.
    void ToggleToolbar(QToolBar* bar);
    void TogglePanel(C_VYXPanelSet::Panel panel);
    /// Enables the panel commands of installed panels and checks those shown.
    void UpdatePanelActions();

    // C_MainFrmHelp.cpp
    void CreateHelpMenu();
    void ShowAbout();
    /// Opens the help window (or raises the open one) and hides this window until it closes.
    void ShowHelp();
    void HelpWindowClosed();
    /// The open help window, at most one; its concrete class stays out of this header.
    std::unique_ptr<QWidget> m_pHelpWindow;

    // C_MainFrmPrint.cpp
    void CreatePrintCommands(QMenu* fileMenu);

    /// Brings title, status pane and menus up to date after a File command.
    void AfterFileCommand(C_VYXFileCommands::Outcome outcome);
    /// "<name>[*] - TobrikCalculator" with the modified marker.
    void UpdateTitle();
    void ShowCalculationCount();
    /// The settings sync, run once the current event is done (several updates make one sync).
    void ScheduleSettingsSync();

    C_VYXProfile& m_profile;
    C_VYXMessageBoxes& m_messageBoxes;
    std::unique_ptr<C_TOBRIK_CALCULATORDoc> m_document;
    std::unique_ptr<C_VYXFileCommands> m_fileCommands;
    C_VYXCalcTextView* m_pView = nullptr;
    C_VYXStatusBar* m_pStatusBar = nullptr;
    C_VYXSettingsMenu* m_pSettingsMenu = nullptr;

    QAction* m_pUndoAction = nullptr;
    QAction* m_pRedoAction = nullptr;
    QAction* m_pCutAction = nullptr;
    QAction* m_pCopyAction = nullptr;
    QAction* m_pPasteAction = nullptr;
    std::array<QAction*, 4> m_recentFileActions{};
    QAction* m_pNoRecentFileAction = nullptr;
    bool m_bSettingsSyncPending = false;

    /// Floating points of the function toolbars; seeded from the clock.
    std::mt19937 m_random;
    C_VYXInsertCommands* m_pInsertCommands = nullptr;
    /// Resource id and toolbar, in the order of the View > Toolbars menu.
    std::array<std::pair<int, QToolBar*>, 8> m_toolbars{};
    QList<QAction*> m_toolbarToggles;
    /// In the order of the Dialogs menu: numpad, trigonometry, complex, variables, conversion,
    /// Latin, Greek, math.
    std::array<QAction*, C_VYXPanelSet::kCount> m_panelActions{};
    /// The panels whose visibility this window watches (a replaced panel is watched anew).
    std::array<QPointer<C_VYXDlgFix>, C_VYXPanelSet::kCount> m_watchedPanels{};
    // Declared after the document: the panels go first, they point into it.
    C_VYXPanelSet m_panels;

    // Printing (C_MainFrmPrint.cpp): Print, Print Preview and Export as PDF.
    std::unique_ptr<C_VYXPrintCommands> m_printCommands;
};
