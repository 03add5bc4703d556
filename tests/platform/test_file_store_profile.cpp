// SPDX-License-Identifier: MIT
// Whole-file document storage and the user's profile (toolbar layout, recent files).
#include "C_VYXFileStore.h"
#include "C_VYXProfile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(FileStore, SaveThenLoadGivesTheSameBytes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("work.vyx"));
    QByteArray bytes("\x00\xff\xfe\xff\x01", 5);
    QString error;
    ASSERT_TRUE(C_VYXFileStore::Save(path, bytes, &error)) << error.toStdString();
    QByteArray loaded;
    ASSERT_TRUE(C_VYXFileStore::Load(path, &loaded, &error)) << error.toStdString();
    EXPECT_EQ(loaded, bytes);
}

TEST(FileStore, FailedSaveLeavesTheOldFileIntact) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("missing-dir/work.vyx"));
    QString error;
    EXPECT_FALSE(C_VYXFileStore::Save(path, QByteArray("x"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("Cannot save"))) << error.toStdString();

    const QString existing = dir.filePath(QStringLiteral("old.vyx"));
    ASSERT_TRUE(C_VYXFileStore::Save(existing, QByteArray("old"), nullptr));
    // A directory in the way of the target makes the commit fail.
    const QString blocked = dir.filePath(QStringLiteral("blocked"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("blocked")));
    EXPECT_FALSE(C_VYXFileStore::Save(blocked, QByteArray("new"), &error));
    QByteArray old;
    ASSERT_TRUE(C_VYXFileStore::Load(existing, &old, nullptr));
    EXPECT_EQ(old, QByteArray("old"));
}

TEST(FileStore, MissingFileGivesAMessage) {
    QByteArray bytes("untouched");
    QString error;
    EXPECT_FALSE(C_VYXFileStore::Load(QStringLiteral("/nonexistent/none.vyx"), &bytes, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot open /nonexistent/none.vyx")))
        << error.toStdString();
    EXPECT_EQ(bytes, QByteArray("untouched"));
}

TEST(FileStore, FileBeyondTheLimitIsRefused) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("big.vyx"));
    ASSERT_TRUE(C_VYXFileStore::Save(path, QByteArray(11, 'x'), nullptr));
    QByteArray bytes;
    QString error;
    EXPECT_FALSE(C_VYXFileStore::Load(path, &bytes, &error, 10));
    EXPECT_TRUE(error.contains(QStringLiteral("too large"))) << error.toStdString();
    EXPECT_TRUE(C_VYXFileStore::Load(path, &bytes, &error, 11));
}

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString IniPath() const { return m_dir.filePath(QStringLiteral("profile.ini")); }

    QTemporaryDir m_dir;
};

TEST_F(ProfileTest, RecentFilesKeepTheFourNewestWithoutDuplicates) {
    C_VYXProfile profile(IniPath());
    EXPECT_TRUE(profile.RecentFiles().isEmpty());
    for (const char* name : {"a.vyx", "b.vyx", "c.vyx", "d.vyx", "e.vyx"}) {
        profile.AddRecentFile(QString::fromLatin1(name));
    }
    EXPECT_EQ(profile.RecentFiles(),
              (QStringList{QStringLiteral("e.vyx"), QStringLiteral("d.vyx"),
                           QStringLiteral("c.vyx"), QStringLiteral("b.vyx")}));
    profile.AddRecentFile(QStringLiteral("c.vyx"));
    EXPECT_EQ(profile.RecentFiles(),
              (QStringList{QStringLiteral("c.vyx"), QStringLiteral("e.vyx"),
                           QStringLiteral("d.vyx"), QStringLiteral("b.vyx")}));
    profile.RemoveRecentFile(QStringLiteral("e.vyx"));
    profile.AddRecentFile(QString());
    EXPECT_EQ(profile.RecentFiles(), (QStringList{QStringLiteral("c.vyx"), QStringLiteral("d.vyx"),
                                                  QStringLiteral("b.vyx")}));
}

TEST_F(ProfileTest, StateSurvivesANewProfileObject) {
    const QByteArray layout("\x01\x02\x00\x03", 4);
    {
        C_VYXProfile profile(IniPath());
        EXPECT_TRUE(profile.BarState().isEmpty()); // no saved layout yet
        profile.SetBarState(layout);
        profile.AddRecentFile(QStringLiteral("/home/u/π.vyx"));
        profile.Sync();
    }
    C_VYXProfile again(IniPath());
    EXPECT_EQ(again.BarState(), layout);
    EXPECT_EQ(again.RecentFiles(), QStringList{QStringLiteral("/home/u/π.vyx")});
    QFile ini(IniPath());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("[MAINFRMBARSTATE]"));
}

} // namespace
