// SPDX-License-Identifier: MIT
// Whole-file document storage and the user's profile (toolbar layout, recent files).
#include "C_VYXFileStore.h"
#include "C_VYXProfile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(FileStoreAndProfile, BytesAndProfileSurviveFailuresGiveAMessage) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("work.vyx"));
    const QByteArray bytes("\x00\xff\xfe\xff\x01\x02\x03\x04\x05\x06\x07", 11);
    QString error;
    ASSERT_TRUE(C_VYXFileStore::Save(path, bytes, &error)) << error.toStdString();
    QByteArray loaded;
    ASSERT_TRUE(C_VYXFileStore::Load(path, &loaded, &error, 11)) << error.toStdString();
    EXPECT_EQ(loaded, bytes);
    EXPECT_FALSE(C_VYXFileStore::Load(path, &loaded, &error, 10));
    EXPECT_TRUE(error.contains(QStringLiteral("too large"))) << error.toStdString();

    // Failures give a message and leave the buffer alone.
    EXPECT_FALSE(
        C_VYXFileStore::Save(dir.filePath(QStringLiteral("no-dir/work.vyx")), "x", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("Cannot save"))) << error.toStdString();

    // That a failed save leaves the earlier file alone is checked through the document.
    loaded = "untouched";
    EXPECT_FALSE(C_VYXFileStore::Load(QStringLiteral("/nonexistent/none.vyx"), &loaded, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot open /nonexistent/none.vyx")))
        << error.toStdString();
    EXPECT_EQ(loaded, QByteArray("untouched"));
    // The profile's recent files keep the four newest without duplicates, its state survives.
    const QString ini = dir.filePath(QStringLiteral("profile.ini"));
    const QByteArray layout("\x01\x02\x00\x03", 4);
    {
        C_VYXProfile profile(ini);
        EXPECT_TRUE(profile.RecentFiles().isEmpty());
        EXPECT_TRUE(profile.BarState().isEmpty());
        for (const char* name : {"a", "b", "c", "d", "/home/u/π"})
            profile.AddRecentFile(QString::fromUtf8(name));
        EXPECT_EQ(profile.RecentFiles(), QString::fromUtf8("/home/u/π d c b").split(u' '));
        profile.AddRecentFile(QStringLiteral("c"));
        EXPECT_EQ(profile.RecentFiles(), QString::fromUtf8("c /home/u/π d b").split(u' '));
        profile.RemoveRecentFile(QStringLiteral("d"));
        profile.AddRecentFile(QString());
        profile.SetBarState(layout);
        profile.Sync();
    }
    C_VYXProfile again(ini);
    EXPECT_EQ(again.BarState(), layout);
    EXPECT_EQ(again.RecentFiles(), QString::fromUtf8("c /home/u/π b").split(u' '));
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("[MAINFRMBARSTATE]"));
}

} // namespace
