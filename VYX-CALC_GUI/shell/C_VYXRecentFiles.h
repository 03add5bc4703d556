// SPDX-License-Identifier: MIT
// C_VYXRecentFiles: the File menu's list of the four documents used last.
#pragma once

#include "C_VYXFileCommands.h"

#include <QObject>

#include <array>

class C_VYXProfile;
class QAction;
class QMenu;

/// The recently-used documents as File menu items ("&1 <path>" ...), kept in the profile. An
/// item opens its document; a document that can no longer be opened leaves the list. While the
/// list is empty, a disabled "Recent File" stands in its place.
class C_VYXRecentFiles : public QObject {
    Q_OBJECT

public:
    /// Adds the items at the end of `fileMenu`; profile and commands must outlive this object.
    C_VYXRecentFiles(C_VYXProfile& profile, C_VYXFileCommands& fileCommands, QMenu& fileMenu,
                     QObject* parent = nullptr);

    /// A document was opened or saved: it heads the list.
    void Add(const QString& path);

signals:
    /// An item was chosen and its document opened, or the opening failed or was cancelled.
    void openFinished(C_VYXFileCommands::Outcome outcome);

private:
    void UpdateActions();
    void Open(int index);

    C_VYXProfile& m_profile;
    C_VYXFileCommands& m_fileCommands;
    std::array<QAction*, 4> m_actions{};
    QAction* m_pNoRecentFileAction = nullptr;
};
