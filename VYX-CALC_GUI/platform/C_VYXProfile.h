// SPDX-License-Identifier: MIT
// C_VYXProfile: the per-user state outside documents (toolbar layout, recent files).
#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <memory>

/// The user's profile under organisation and application "TobrikCalculator": the toolbar
/// layout in the section "MAINFRMBARSTATE", the list of the four most recent files and the
/// colour choices of the View menu.
class C_VYXProfile {
public:
    static constexpr int kMaxRecentFiles = 4;

    /// The user's native profile.
    C_VYXProfile();
    /// A profile kept in the INI file `iniPath` (tests, portable use).
    explicit C_VYXProfile(const QString& iniPath);
    ~C_VYXProfile();

    C_VYXProfile(const C_VYXProfile&) = delete;
    C_VYXProfile& operator=(const C_VYXProfile&) = delete;

    /// The saved toolbar layout; empty when none was saved.
    QByteArray BarState() const;
    void SetBarState(const QByteArray& state);

    /// Most recent first, at most kMaxRecentFiles entries.
    QStringList RecentFiles() const;
    /// Puts `path` first; an entry already listed moves up instead of appearing twice.
    void AddRecentFile(const QString& path);
    void RemoveRecentFile(const QString& path);

    /// View > "Syntax colours": the calculation area coloured by what its text means (on unless
    /// turned off).
    bool SyntaxColours() const;
    void SetSyntaxColours(bool on);
    /// View > "Dark colours": a dark palette whatever the desktop's (off unless turned on).
    bool DarkColours() const;
    void SetDarkColours(bool on);

    /// Writes pending changes to the storage.
    void Sync();

private:
    void WriteRecentFiles(const QStringList& files);

    std::unique_ptr<QSettings> m_pSettings;
};
