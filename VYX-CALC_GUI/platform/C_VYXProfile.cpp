// SPDX-License-Identifier: MIT
// C_VYXProfile: QSettings-backed toolbar layout and recent-file list.
#include "C_VYXProfile.h"

#include "C_VYXResourceIds.h"
#include "C_VYXStringTable.h"

namespace {
const QString kOrganisation = QStringLiteral("TobrikCalculator");
const QString kApplication = QStringLiteral("TobrikCalculator");
const QString kRecentFilesKey = QStringLiteral("Recent File List/Files");
const QString kSyntaxColoursKey = QStringLiteral("View/SyntaxColours");
const QString kDarkColoursKey = QStringLiteral("View/DarkColours");

QString BarStateKey() {
    return C_VYXStringTable::Text(C_VYXResourceIds::kStrBarStateSection) +
           QStringLiteral("/Layout");
}
} // namespace

C_VYXProfile::C_VYXProfile()
    : m_pSettings(std::make_unique<QSettings>(kOrganisation, kApplication)) {}

C_VYXProfile::C_VYXProfile(const QString& iniPath)
    : m_pSettings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

C_VYXProfile::~C_VYXProfile() = default;

QByteArray C_VYXProfile::BarState() const {
    return m_pSettings->value(BarStateKey()).toByteArray();
}

void C_VYXProfile::SetBarState(const QByteArray& state) {
    m_pSettings->setValue(BarStateKey(), state);
}

QStringList C_VYXProfile::RecentFiles() const {
    QStringList files = m_pSettings->value(kRecentFilesKey).toStringList();
    files.removeAll(QString());
    // A hand-edited profile may hold more entries than the menu shows.
    if (files.size() > kMaxRecentFiles) {
        files.resize(kMaxRecentFiles);
    }
    return files;
}

void C_VYXProfile::AddRecentFile(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    QStringList files = RecentFiles();
    files.removeAll(path);
    files.prepend(path);
    WriteRecentFiles(files);
}

void C_VYXProfile::RemoveRecentFile(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(path);
    WriteRecentFiles(files);
}

bool C_VYXProfile::SyntaxColours() const {
    return m_pSettings->value(kSyntaxColoursKey, true).toBool();
}

void C_VYXProfile::SetSyntaxColours(bool on) {
    m_pSettings->setValue(kSyntaxColoursKey, on);
}

bool C_VYXProfile::DarkColours() const {
    return m_pSettings->value(kDarkColoursKey, false).toBool();
}

void C_VYXProfile::SetDarkColours(bool on) {
    m_pSettings->setValue(kDarkColoursKey, on);
}

void C_VYXProfile::Sync() {
    m_pSettings->sync();
}

void C_VYXProfile::WriteRecentFiles(const QStringList& files) {
    QStringList kept = files;
    if (kept.size() > kMaxRecentFiles) {
        kept.resize(kMaxRecentFiles);
    }
    m_pSettings->setValue(kRecentFilesKey, kept);
}
