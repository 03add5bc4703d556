// SPDX-License-Identifier: MIT
// C_VYXRecentFiles: the recently-used documents in the File menu and in the profile.
#include "C_VYXRecentFiles.h"

#include "C_VYXProfile.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

C_VYXRecentFiles::C_VYXRecentFiles(C_VYXProfile& profile, C_VYXFileCommands& fileCommands,
                                   QMenu& fileMenu, QObject* parent)
    : QObject(parent), m_profile(profile), m_fileCommands(fileCommands) {
    m_pNoRecentFileAction = fileMenu.addAction(QStringLiteral("Recent File"));
    m_pNoRecentFileAction->setObjectName(QStringLiteral("actionNoRecentFile"));
    m_pNoRecentFileAction->setEnabled(false);
    for (int i = 0; i < int(m_actions.size()); ++i) {
        QAction* action = fileMenu.addAction(QString());
        action->setObjectName(QStringLiteral("actionRecentFile%1").arg(i + 1));
        action->setStatusTip(QStringLiteral("Open this document"));
        connect(action, &QAction::triggered, this, [this, i] { Open(i); });
        m_actions[std::size_t(i)] = action;
    }
    UpdateActions();
}

void C_VYXRecentFiles::Add(const QString& path) {
    m_profile.AddRecentFile(QFileInfo(path).absoluteFilePath());
    m_profile.Sync();
    UpdateActions();
}

void C_VYXRecentFiles::UpdateActions() {
    const QStringList files = m_profile.RecentFiles();
    for (int i = 0; i < int(m_actions.size()); ++i) {
        QAction* action = m_actions[std::size_t(i)];
        const bool used = i < files.size();
        action->setVisible(used);
        if (used) {
            QString shown = QDir::toNativeSeparators(files.at(i));
            shown.replace(u'&', QStringLiteral("&&"));
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        }
    }
    m_pNoRecentFileAction->setVisible(files.isEmpty());
}

void C_VYXRecentFiles::Open(int index) {
    const QString path = m_profile.RecentFiles().value(index);
    if (path.isEmpty())
        return;
    const C_VYXFileCommands::Outcome outcome = m_fileCommands.OpenPath(path, false);
    if (outcome == C_VYXFileCommands::Outcome::Failed) {
        // A file that can no longer be opened leaves the list.
        m_profile.RemoveRecentFile(path);
        m_profile.Sync();
        UpdateActions();
    }
    emit openFinished(outcome);
}
