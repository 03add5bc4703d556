// SPDX-License-Identifier: MIT
// C_MainFrm: window set-up, title, status pane, placement, closing and dropped files.
#include "C_MainFrm.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXInsertCommands.h"
#include "C_VYXProfile.h"
#include "C_VYXResourceIds.h"
#include "C_VYXSettingsMenu.h"
#include "C_VYXStatusBar.h"
#include "C_VYXStringTable.h"
#include "C_VYXWindowGeometry.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

#include <chrono>

C_MainFrm::C_MainFrm(C_VYXProfile& profile, C_VYXMessageBoxes& messageBoxes,
                     C_VYXFileChooser& fileChooser, QWidget* parent)
    : QMainWindow(parent), m_profile(profile), m_messageBoxes(messageBoxes),
      m_document(std::make_unique<C_TOBRIK_CALCULATORDoc>(messageBoxes)),
      m_random(
          std::mt19937::result_type(std::chrono::system_clock::now().time_since_epoch().count())) {
    setObjectName(QStringLiteral("mainFrame"));
    m_fileCommands =
        std::make_unique<C_VYXFileCommands>(*m_document, messageBoxes, fileChooser, this);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(C_VYXWindowGeometry::FirstStartGeometry(screen->geometry()));

    m_pStatusBar = new C_VYXStatusBar(this);
    setStatusBar(m_pStatusBar);
    m_pView = new C_VYXCalcTextView(*m_document, this);
    setCentralWidget(m_pView);
    m_document->SetStatusSink(m_pStatusBar);
    m_document->SetFrame(this);
    connect(m_document.get(), &C_VYXCalcAreaHost::modifiedChanged, this,
            &QWidget::setWindowModified);

    InstallPanels();
    m_pSettingsMenu = new C_VYXSettingsMenu(*m_document, *m_pView, *this, this);
    m_pInsertCommands = new C_VYXInsertCommands(*this, this);
    // The menus make the toolbars too: the files toolbar shows File and Edit commands.
    CreateMenus();
    connect(m_pSettingsMenu, &C_VYXSettingsMenu::documentChanged, this, &C_MainFrm::UpdateTitle);
    connect(m_pView, &C_VYXCalcTextView::contentsUpdated, this, [this] {
        UpdateTitle();
        UpdateEditActions();
        m_pInsertCommands->UpdateEnabling();
        UpdatePanelActions();
        ScheduleSettingsSync();
    });

    // Every toolbar exists and has its object name by now: the saved layout finds them all.
    restoreState(m_profile.BarState());
    setAcceptDrops(true);

    m_document->OnNewDocument();
    m_pView->OnUpdate();
    m_document->SetModifiedFlag(false);
    ShowCalculationCount();
    UpdateTitle();
    m_pView->setFocus();
}

C_MainFrm::~C_MainFrm() {
    // The panels go before this window's base; their last hide must not reach it.
    for (const QPointer<C_VYXDlgFix>& panel : m_watchedPanels)
        if (panel != nullptr)
            panel->removeEventFilter(this);
    // The view goes first: it holds the document's area record and must not outlive it.
    delete m_pView;
    m_pView = nullptr;
    m_document->SetFrame(nullptr);
    m_document->SetStatusSink(nullptr);
}

bool C_MainFrm::OpenFromCommandLine(const QString& path) {
    const C_VYXFileCommands::Outcome outcome = m_fileCommands->OpenPath(path, false);
    AfterFileCommand(outcome);
    return outcome == C_VYXFileCommands::Outcome::Done;
}

void C_MainFrm::AfterFileCommand(C_VYXFileCommands::Outcome outcome) {
    (void)outcome;
    ShowCalculationCount();
    UpdateTitle();
    UpdateEditActions();
    m_pSettingsMenu->SyncFromDocument();
}

void C_MainFrm::UpdateTitle() {
    setWindowTitle(m_fileCommands->DocumentName() + QStringLiteral("[*] - ") +
                   C_VYXStringTable::DocumentTypePart(0));
    setWindowModified(m_document->IsModified());
}

void C_MainFrm::ShowCalculationCount() {
    m_pStatusBar->ShowStatusText(C_VYXStringTable::Text(C_VYXResourceIds::StrCalculationCount) +
                                 QString::number(m_document->CalculationCount()));
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

// ---- the document's requests ----

bool C_MainFrm::GetWindowPlacement(C_VYXWindowPlacement& placement) {
    placement = C_VYXWindowGeometry::PlacementOf(*this);
    return true;
}

void C_MainFrm::ApplyWindowPlacement(const C_VYXWindowPlacement& placement) {
    C_VYXWindowGeometry::Apply(*this, placement);
}

void C_MainFrm::AddToRecentFiles(const QString& path) {
    m_profile.AddRecentFile(QFileInfo(path).absoluteFilePath());
    m_profile.Sync();
    UpdateRecentFileActions();
}

// ---- window events ----

void C_MainFrm::closeEvent(QCloseEvent* event) {
    m_profile.SetBarState(saveState());
    m_profile.Sync();
    if (!m_fileCommands->SaveModified()) {
        event->ignore();
        UpdateTitle();
        return;
    }
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
    AfterFileCommand(m_fileCommands->OpenPath(path, true));
}
