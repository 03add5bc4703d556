// SPDX-License-Identifier: MIT
// C_MainFrm: the main window: calculation area, menus, toolbars, status bar, File commands.
#pragma once

#include "C_VYXDocumentFrame.h"
#include "C_VYXFileCommands.h"
#include "C_VYXPanelOwner.h"
#include "C_VYXPanelSet.h"
#include "C_VYXPrintCommands.h"

#include <QMainWindow>

#include <memory>

class C_TOBRIK_CALCULATORDoc;
class C_VYXCalcTextView;
class C_VYXEditMenu;
class C_VYXFileChooser;
class C_VYXInsertCommands;
class C_VYXLivePreview;
class C_VYXMessageBoxes;
class C_VYXPanelCommands;
class C_VYXProfile;
class C_VYXRecentFiles;
class C_VYXRecoveryKeeper;
class C_VYXSettingsMenu;
class C_VYXStatusBar;
class C_VYXToolbarSet;
class C_VYXViewColours;
class QMenu;
class QMimeData;

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

    C_TOBRIK_CALCULATORDoc& Document() { return *m_pDocument; }
    C_VYXCalcTextView& TextView() { return *m_pView; }
    C_VYXStatusBar& StatusBar() { return *m_pStatusBar; }
    C_VYXFileCommands& FileCommands() { return *m_pFileCommands; }
    C_VYXPanelSet& Panels() { return m_panels; }
    C_VYXToolbarSet& Toolbars() { return *m_pToolbars; }

    /// Opens the document named on the command line; false when it could not be opened.
    bool OpenFromCommandLine(const QString& path);
    /// Keeps unsaved work in the recovery slot `stem` of `directory` from now on.
    void EnableRecovery(const QString& directory, const QString& stem);
    /// Offers the unsaved work that ended instances left (after EnableRecovery).
    void OfferRecovery();
    /// The .vyx file a drop would open; empty when the data holds none.
    static QString DroppedDocument(const QMimeData* data);

    // What the document asks of the window.
    bool GetWindowPlacement(C_VYXWindowPlacement& placement) override;
    void ApplyWindowPlacement(const C_VYXWindowPlacement& placement) override;
    void AddToRecentFiles(const QString& path) override;
    void RefreshPanels() override;

    // What the panels ask of the window.
    QWidget* OwnerWindow() override { return this; }
    C_TOBRIK_CALCULATORDoc& ActiveDocument() override { return *m_pDocument; }
    C_VYXCalcAreaModel& CalcArea() override;
    void FocusCalcArea() override;
    void EnsureNumpad() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    /// The toolbar area's context menu: the View > Toolbars toggles.
    QMenu* createPopupMenu() override;

private:
    /// Makes the eight panel objects; their windows are built when first shown.
    void InstallPanels();
    /// The menus and the toolbars: the files toolbar shows File and Edit commands.
    void CreateMenusAndToolbars();
    /// What the window needs at first start: the docked toolbars in one row and every status
    /// text in full.
    QSize FirstStartMinimum() const;
    void CreateFileMenu();
    void AddPrintCommands(QMenu* fileMenu);
    void CreateViewMenu();
    void CreateHelpMenu();
    /// Opens the help window (or raises the open one) and hides this window until it closes.
    void ShowHelp();
    void HelpWindowClosed();

    /// Brings title, status pane and menus up to date after a File command.
    void AfterFileCommand(C_VYXFileCommands::Outcome outcome);
    /// "<name>[*] - TobrikCalculator" with the modified marker.
    void UpdateTitle();
    void ShowCalculationCount();
    /// The settings sync, run once the current event is done (several updates make one sync).
    void ScheduleSettingsSync();

    C_VYXProfile& m_profile;
    C_VYXMessageBoxes& m_messageBoxes;
    std::unique_ptr<C_TOBRIK_CALCULATORDoc> m_pDocument;
    std::unique_ptr<C_VYXFileCommands> m_pFileCommands;
    C_VYXCalcTextView* m_pView = nullptr;
    C_VYXStatusBar* m_pStatusBar = nullptr;
    /// Shows the caret line's result in the status bar; goes before the view it follows.
    std::unique_ptr<C_VYXLivePreview> m_pLivePreview;
    C_VYXSettingsMenu* m_pSettingsMenu = nullptr;
    C_VYXEditMenu* m_pEditMenu = nullptr;
    C_VYXRecentFiles* m_pRecentFiles = nullptr;
    C_VYXInsertCommands* m_pInsertCommands = nullptr;
    C_VYXToolbarSet* m_pToolbars = nullptr;
    C_VYXViewColours* m_pViewColours = nullptr;
    bool m_bSettingsSyncPending = false;

    /// The open help window, at most one; its concrete class stays out of this header.
    std::unique_ptr<QWidget> m_pHelpWindow;
    // Declared after the document: the panels go first, they point into it.
    C_VYXPanelSet m_panels;
    // Declared after the panels: the commands stop watching them before they go.
    std::unique_ptr<C_VYXPanelCommands> m_pPanelCommands;
    // Print, Print Preview and Export as PDF.
    std::unique_ptr<C_VYXPrintCommands> m_pPrintCommands;
    std::unique_ptr<C_VYXRecoveryKeeper> m_pRecovery;
};
