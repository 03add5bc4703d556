// SPDX-License-Identifier: MIT
// C_MainFrm: window set-up, menus, title, status pane, placement, help, closing and drops.
#include "C_MainFrm.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXAboutBox.h"
#include "C_VYXCalcBasicButtonsView.h"
#include "C_VYXCalcCMPLXView.h"
#include "C_VYXCalcConvertView.h"
#include "C_VYXCalcGreekCharsView.h"
#include "C_VYXCalcLatinCharsView.h"
#include "C_VYXCalcMathView.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXCalcTrigView.h"
#include "C_VYXCalcVariablesView.h"
#include "C_VYXCompletionPopup.h"
#include "C_VYXEditMenu.h"
#include "C_VYXHelpWindow.h"
#include "C_VYXInsertCommands.h"
#include "C_VYXLivePreview.h"
#include "C_VYXMenuCommand.h"
#include "C_VYXPanelCommands.h"
#include "C_VYXProfile.h"
#include "C_VYXRecentFiles.h"
#include "C_VYXRecoveryKeeper.h"
#include "C_VYXResourceIds.h"
#include "C_VYXSettingsMenu.h"
#include "C_VYXStatusBar.h"
#include "C_VYXStringTable.h"
#include "C_VYXToolbarSet.h"
#include "C_VYXViewColours.h"
#include "C_VYXWindowGeometry.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

#include <algorithm>

C_MainFrm::C_MainFrm(C_VYXProfile& profile, C_VYXMessageBoxes& messageBoxes,
                     C_VYXFileChooser& fileChooser, QWidget* parent)
    : QMainWindow(parent), m_profile(profile), m_messageBoxes(messageBoxes),
      m_pDocument(std::make_unique<C_TOBRIK_CALCULATORDoc>(messageBoxes)) {
    setObjectName(QStringLiteral("mainFrame"));
    m_pFileCommands =
        std::make_unique<C_VYXFileCommands>(*m_pDocument, messageBoxes, fileChooser, this);

    m_pStatusBar = new C_VYXStatusBar(this);
    setStatusBar(m_pStatusBar);
    m_pView = new C_VYXCalcTextView(*m_pDocument, this);
    setCentralWidget(m_pView);
    new C_VYXCompletionPopup(*m_pView, *m_pDocument, m_pView);
    m_pLivePreview = std::make_unique<C_VYXLivePreview>(*m_pDocument, m_pView->Model());
    connect(m_pLivePreview.get(), &C_VYXLivePreview::previewChanged, m_pStatusBar,
            &C_VYXStatusBar::ShowPreview);
    m_pDocument->SetStatusSink(m_pStatusBar);
    m_pDocument->SetFrame(this);
    connect(m_pDocument.get(), &C_VYXCalcAreaHost::modifiedChanged, this,
            &QWidget::setWindowModified);
    // Changes of the variables from any side mark the document: the title follows them too.
    connect(&m_pDocument->VariablesPanel(), &C_VYXVariablesModel::changed, this,
            &C_MainFrm::UpdateTitle);

    InstallPanels();
    m_pSettingsMenu = new C_VYXSettingsMenu(*m_pDocument, *m_pView, *this, this);
    m_pInsertCommands = new C_VYXInsertCommands(*this, this);
    CreateMenusAndToolbars();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(C_VYXWindowGeometry::FirstStartGeometry(
            screen->geometry(), screen->availableGeometry(), FirstStartMinimum()));
    m_pToolbars->LayOutForWindowSize();
    connect(m_pSettingsMenu, &C_VYXSettingsMenu::documentChanged, this, &C_MainFrm::UpdateTitle);
    connect(m_pView, &C_VYXCalcTextView::contentsUpdated, this, [this] {
        UpdateTitle();
        m_pEditMenu->UpdateEnabling();
        m_pInsertCommands->UpdateEnabling();
        m_pPanelCommands->Update();
        ScheduleSettingsSync();
    });

    // Every toolbar exists and has its object name by now: the saved layout finds them all.
    restoreState(m_profile.BarState());
    setAcceptDrops(true);

    m_pDocument->OnNewDocument();
    m_pView->OnUpdate();
    m_pDocument->SetModifiedFlag(false);
    ShowCalculationCount();
    UpdateTitle();
    m_pView->setFocus();
}

C_MainFrm::~C_MainFrm() {
    // The keeper listens to the document; it goes while both are whole.
    m_pRecovery.reset();
    // The view goes first: it holds the document's area record and must not outlive it. The
    // preview follows the view's area, so it goes before.
    m_pLivePreview.reset();
    delete m_pView;
    m_pView = nullptr;
    m_pDocument->SetFrame(nullptr);
    m_pDocument->SetStatusSink(nullptr);
}

bool C_MainFrm::OpenFromCommandLine(const QString& path) {
    const C_VYXFileCommands::Outcome outcome = m_pFileCommands->OpenPath(path, false);
    AfterFileCommand(outcome);
    return outcome == C_VYXFileCommands::Outcome::Done;
}

void C_MainFrm::EnableRecovery(const QString& directory, const QString& stem) {
    m_pRecovery = std::make_unique<C_VYXRecoveryKeeper>(*m_pDocument, directory, stem);
}

void C_MainFrm::OfferRecovery() {
    if (m_pRecovery && m_pRecovery->OfferLeftOvers(m_messageBoxes))
        AfterFileCommand(C_VYXFileCommands::Outcome::Done);
}

void C_MainFrm::AfterFileCommand(C_VYXFileCommands::Outcome outcome) {
    (void)outcome;
    ShowCalculationCount();
    UpdateTitle();
    m_pEditMenu->UpdateEnabling();
    m_pSettingsMenu->SyncFromDocument();
}

void C_MainFrm::UpdateTitle() {
    setWindowTitle(m_pFileCommands->DocumentName() + QStringLiteral("[*] - ") +
                   C_VYXStringTable::DocumentTypePart(0));
    setWindowModified(m_pDocument->IsModified());
}

void C_MainFrm::ShowCalculationCount() {
    m_pStatusBar->ShowStatusText(C_VYXStringTable::Text(C_VYXResourceIds::kStrCalculationCount) +
                                 QString::number(m_pDocument->CalculationCount()));
}

void C_MainFrm::ScheduleSettingsSync() {
    if (m_bSettingsSyncPending)
        return;
    m_bSettingsSyncPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_bSettingsSyncPending = false;
            m_pSettingsMenu->SyncFromDocument();
        },
        Qt::QueuedConnection);
}

// ---- menus ----

QSize C_MainFrm::FirstStartMinimum() const {
    int width = m_pToolbars->DockedRowWidth();
    // The texts the status pane shows: the prompts of the commands and the calculation count.
    for (const QAction* action : findChildren<QAction*>())
        width = std::max(width, m_pStatusBar->WidthToShow(action->statusTip()));
    width = std::max(width, m_pStatusBar->WidthToShow(
                                C_VYXStringTable::Text(C_VYXResourceIds::kStrCalculationCount) +
                                QStringLiteral("999999")));
    return QSize(width, minimumSizeHint().height());
}

void C_MainFrm::CreateMenusAndToolbars() {
    CreateFileMenu();
    m_pEditMenu = new C_VYXEditMenu(*m_pView, *this, this);
    menuBar()->addMenu(m_pEditMenu->Menu());
    connect(m_pEditMenu, &C_VYXEditMenu::edited, this, &C_MainFrm::UpdateTitle);
    m_pPanelCommands = std::make_unique<C_VYXPanelCommands>(m_panels, *this);
    m_pToolbars =
        new C_VYXToolbarSet(*this, *this, *m_pInsertCommands, m_pPanelCommands->Actions());
    m_pInsertCommands->UpdateEnabling();
    CreateViewMenu();
    menuBar()->addMenu(m_pSettingsMenu->Menu());
    CreateHelpMenu();
}

void C_MainFrm::CreateFileMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&File"));
    menu->setObjectName(QStringLiteral("menuFile"));
    auto add = [this, menu](const char* name, const QString& text, const QList<QKeySequence>& keys,
                            const QString& prompt,
                            C_VYXFileCommands::Outcome (C_VYXFileCommands::*command)()) {
        QAction* action = AddMenuCommand(menu, QString::fromLatin1(name), text, keys, prompt);
        // Application-wide, so they work from a tool panel too; the Edit shortcuts stay with
        // this window, where the calculation area has its own editing keys.
        action->setShortcutContext(Qt::ApplicationShortcut);
        connect(action, &QAction::triggered, this,
                [this, command] { AfterFileCommand(((*m_pFileCommands).*command)()); });
    };
    add("actionFileNew", QStringLiteral("&New\tCtrl+N"), {QKeySequence(Qt::CTRL | Qt::Key_N)},
        QStringLiteral("Create a new document"), &C_VYXFileCommands::New);
    add("actionFileOpen", QStringLiteral("&Open...\tCtrl+O"), {QKeySequence(Qt::CTRL | Qt::Key_O)},
        QStringLiteral("Open an existing document"), &C_VYXFileCommands::Open);
    add("actionFileSave", QStringLiteral("&Save\tCtrl+S"), {QKeySequence(Qt::CTRL | Qt::Key_S)},
        QStringLiteral("Save the active document"), &C_VYXFileCommands::Save);
    add("actionFileSaveAs", QStringLiteral("Save &As..."), {},
        QStringLiteral("Save the active document with a new name"), &C_VYXFileCommands::SaveAs);
    menu->addSeparator();
    AddPrintCommands(menu);
    menu->addSeparator();
    m_pRecentFiles = new C_VYXRecentFiles(m_profile, *m_pFileCommands, *menu, this);
    connect(m_pRecentFiles, &C_VYXRecentFiles::openFinished, this, &C_MainFrm::AfterFileCommand);
    menu->addSeparator();
    connect(AddMenuCommand(menu, QStringLiteral("actionFileExit"), QStringLiteral("E&xit"), {},
                           QStringLiteral("Quit the application; prompts to save documents")),
            &QAction::triggered, this, &QWidget::close);
}

void C_MainFrm::AddPrintCommands(QMenu* fileMenu) {
    m_pPrintCommands = std::make_unique<C_VYXPrintCommands>(*m_pDocument, *this,
                                                            m_pFileCommands->FileChooser(), this);
    QAction* print = AddMenuCommand(
        fileMenu, QStringLiteral("actionFilePrint"), QStringLiteral("&Print...\tCtrl+P"),
        {QKeySequence(Qt::CTRL | Qt::Key_P)}, QStringLiteral("Print the active document"));
    // Ctrl+P prints from a tool panel too.
    print->setShortcutContext(Qt::ApplicationShortcut);
    connect(print, &QAction::triggered, this, [this] { m_pPrintCommands->Print(); });
    connect(AddMenuCommand(fileMenu, QStringLiteral("actionFilePrintPreview"),
                           QStringLiteral("Print Pre&view"), {},
                           QStringLiteral("Display full pages")),
            &QAction::triggered, this, [this] { m_pPrintCommands->PrintPreview(); });
    connect(AddMenuCommand(fileMenu, QStringLiteral("actionFileExportPdf"),
                           QStringLiteral("Export as PDF..."), {},
                           QStringLiteral("Save the calculation area and the variables as a PDF "
                                          "file")),
            &QAction::triggered, this, [this] { m_pPrintCommands->ExportPdf(); });
}

void C_MainFrm::CreateViewMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&View"));
    menu->setObjectName(QStringLiteral("menuView"));
    m_pToolbars->AddToolbarsMenu(*menu);
    m_pPanelCommands->AddDialogsMenu(*menu);
    menu->addSeparator();
    QAction* statusBarToggle =
        AddMenuCommand(menu, QStringLiteral("actionViewStatusBar"), QStringLiteral("&Status Bar"),
                       {}, QStringLiteral("Show or hide the status bar"));
    statusBarToggle->setCheckable(true);
    statusBarToggle->setChecked(true);
    connect(statusBarToggle, &QAction::toggled, m_pStatusBar, &QWidget::setVisible);
    menu->addSeparator();
    m_pViewColours = new C_VYXViewColours(m_profile, *m_pDocument, *m_pView, this);
    m_pViewColours->AddToMenu(*menu);
    connect(menu, &QMenu::aboutToShow, m_pPanelCommands.get(), &C_VYXPanelCommands::Update);
}

void C_MainFrm::CreateHelpMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Help"));
    menu->setObjectName(QStringLiteral("menuHelp"));
    connect(AddMenuCommand(menu, QStringLiteral("actionHelpHelp"),
                           C_VYXStringTable::MenuText(C_VYXResourceIds::kCmdDisplayHelp), {},
                           QStringLiteral("Display the user guide")),
            &QAction::triggered, this, &C_MainFrm::ShowHelp);
    connect(
        AddMenuCommand(menu, QStringLiteral("actionHelpAbout"),
                       C_VYXStringTable::MenuText(C_VYXResourceIds::kCmdAbout), {},
                       QStringLiteral("Display program information, version number and copyright")),
        &QAction::triggered, this, [this] {
            C_VYXAboutBox box(this);
            box.exec();
        });
}

QMenu* C_MainFrm::createPopupMenu() {
    auto* menu = new QMenu(this);
    menu->addActions(m_pToolbars->Toggles());
    return menu;
}

// ---- help ----

void C_MainFrm::ShowHelp() {
    if (m_pHelpWindow) {
        m_pHelpWindow->raise();
        m_pHelpWindow->activateWindow();
        return;
    }
    QRect placement = normalGeometry();
    if (!placement.isValid())
        placement = geometry();
    auto window = std::make_unique<C_VYXHelpWindow>(placement);
    connect(window.get(), &C_VYXHelpWindow::Closed, this, &C_MainFrm::HelpWindowClosed);
    window->show();
    window->activateWindow();
    m_pHelpWindow = std::move(window);
    hide();
}

void C_MainFrm::HelpWindowClosed() {
    show();
    activateWindow();
    // Hiding the window let its focus go; the user goes on typing in the area.
    FocusCalcArea();
    // The window is still inside its close handling: it goes once that is done.
    m_pHelpWindow.release()->deleteLater();
}

// ---- the panels and the document's requests ----

void C_MainFrm::InstallPanels() {
    using Panel = C_VYXPanelSet::Panel;
    // In the order of C_VYXPanelSet::Panel.
    m_panels.Install(Panel::Numpad, std::make_unique<C_VYXCalcBasicButtonsView>(*this));
    m_panels.Install(Panel::Latin, std::make_unique<C_VYXCalcLatinCharsView>(*this));
    m_panels.Install(Panel::Complex, std::make_unique<C_VYXCalcCMPLXView>(*this));
    m_panels.Install(Panel::Conversion, std::make_unique<C_VYXCalcConvertView>(*this));
    m_panels.Install(Panel::Variables, std::make_unique<C_VYXCalcVariablesView>(*this));
    m_panels.Install(Panel::Trigonometry, std::make_unique<C_VYXCalcTrigView>(*this));
    m_panels.Install(Panel::Math, std::make_unique<C_VYXCalcMathView>(*this));
    m_panels.Install(Panel::Greek, std::make_unique<C_VYXCalcGreekCharsView>(*this));
}

void C_MainFrm::RefreshPanels() {
    m_panels.RefreshAll();
}

C_VYXCalcAreaModel& C_MainFrm::CalcArea() {
    return m_pView->Model();
}

void C_MainFrm::FocusCalcArea() {
    // The focus widget of an inactive window gets no keys: a panel or floating toolbar that was
    // clicked may be the active window, so this window is made active first.
    if (isVisible() && !isMinimized()) {
        raise();
        activateWindow();
    }
    m_pView->setFocus(Qt::OtherFocusReason);
}

void C_MainFrm::EnsureNumpad() {
    m_panels.Ensure(C_VYXPanelSet::Panel::Numpad);
}

bool C_MainFrm::GetWindowPlacement(C_VYXWindowPlacement& placement) {
    placement = C_VYXWindowGeometry::PlacementOf(*this);
    return true;
}

void C_MainFrm::ApplyWindowPlacement(const C_VYXWindowPlacement& placement) {
    C_VYXWindowGeometry::Apply(*this, placement);
}

void C_MainFrm::AddToRecentFiles(const QString& path) {
    m_pRecentFiles->Add(path);
}

// ---- window events ----

void C_MainFrm::closeEvent(QCloseEvent* event) {
    m_profile.SetBarState(saveState());
    m_profile.Sync();
    if (!m_pFileCommands->SaveModified()) {
        event->ignore();
        UpdateTitle();
        return;
    }
    // Closing without saving was the user's choice: the recovery copy goes with the work.
    if (m_pRecovery)
        m_pRecovery->Discard();
    event->accept();
}

QString C_MainFrm::DroppedDocument(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls())
        return QString();
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (QFileInfo(path).suffix().compare(QStringLiteral("vyx"), Qt::CaseInsensitive) == 0)
            return path;
    }
    return QString();
}

void C_MainFrm::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedDocument(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void C_MainFrm::dropEvent(QDropEvent* event) {
    const QString path = DroppedDocument(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // A dropped file counts as File Open for the window placement.
    AfterFileCommand(m_pFileCommands->OpenPath(path, true));
}
