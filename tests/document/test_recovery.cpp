// SPDX-License-Identifier: MIT
// Unsaved work kept for recovery: where the slots live, that instances keep apart, that only
// ended instances' work is offered, and that restoring brings the whole document back.
#include "DocumentTestSupport.h"

#include "C_VYXRecoveryKeeper.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace {

/// A document with its keeper, as one running instance has them.
struct Instance {
    Instance(const QString& dir, qint64 id, int delayMs = 10)
        : keeper(doc, dir, C_VYXRecoveryStore::StemFor(id, id), delayMs) {
        doc.OnNewDocument();
    }
    C_VYXScriptedMessageBoxes boxes;
    C_TOBRIK_CALCULATORDoc doc{boxes};
    C_VYXRecoveryKeeper keeper;
};

class RecoveryTest : public ::testing::Test {
protected:
    RecoveryTest() { DocumentTestSupport::EnsureCoreApplication(); }
    QString Dir() const { return m_dir.path() + u"/state/TobrikCalculator"_s; }

    QTemporaryDir m_dir;
};

TEST_F(RecoveryTest, DirectoryFollowsXdgStateHomeAndInstancesSeeOnlyTheWorkOfEndedOnes) {
    qputenv("HOME", "/home/tester");
    const std::pair<const char*, QString> rows[] = {
        {"/var/tmp/st", u"/var/tmp/st/TobrikCalculator"_s},
        {"", u"/home/tester/.local/state/TobrikCalculator"_s},
        {"relative/st", u"/home/tester/.local/state/TobrikCalculator"_s}};
    for (const auto& [state, expected] : rows) {
        qputenv("XDG_STATE_HOME", state);
        EXPECT_EQ(C_VYXRecoveryStore::DefaultDirectory(), expected) << "XDG_STATE_HOME=" << state;
    }
    // Instances write separate slots and see only the work of ended ones.
    const QString stemA = C_VYXRecoveryStore::StemFor(4242, 1700000000123);
    auto a = std::make_unique<C_VYXRecoveryStore>(Dir(), stemA);
    C_VYXRecoveryStore b(Dir(), C_VYXRecoveryStore::StemFor(4242, 1700000000999));
    ASSERT_TRUE(a->IsClaimed() && b.IsClaimed());
    EXPECT_FALSE(C_VYXRecoveryStore(Dir(), stemA).IsClaimed());

    const QDateTime savedAt(QDate(2026, 3, 14), QTime(15, 9, 26), Qt::UTC);
    ASSERT_TRUE(a->Write("first", u"a.vyx"_s, u"/docs/a.vyx"_s, savedAt, nullptr));
    ASSERT_TRUE(b.Write("second", u"Untitled"_s, QString(), savedAt, nullptr));
    const QString pathA = a->DataPath();
    EXPECT_NE(pathA, b.DataPath());
    // A is still running: its work is not B's to offer.
    EXPECT_TRUE(b.LeftOvers().empty());

    // A ends without emptying its slot, as after a crash.
    a.reset();
    std::vector<C_VYXLeftOverWork> found = b.LeftOvers();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(QStringList({found[0].documentName, found[0].documentPath, found[0].dataPath}),
              QStringList({u"a.vyx"_s, u"/docs/a.vyx"_s, pathA}));
    EXPECT_EQ(found[0].savedAt, savedAt);
    // While one instance holds the offer, another does not make it too.
    C_VYXRecoveryStore c(Dir(), C_VYXRecoveryStore::StemFor(7, 7));
    EXPECT_TRUE(c.LeftOvers().empty());
    C_VYXRecoveryStore::Remove(found[0]);
    EXPECT_TRUE(c.LeftOvers().empty() && b.HoldsWork());
}

TEST_F(RecoveryTest, UnsavedWorkIsWrittenAfterChangesAndSavingEmptiesTheSlot) {
    Instance first(Dir(), 1);
    const C_VYXRecoveryStore& slot = first.keeper.Store();
    auto written = [&] {
        return DocumentTestSupport::ProcessEventsUntil([&] { return slot.HoldsWork(); });
    };
    first.doc.SetModifiedFlag();
    ASSERT_TRUE(written());
    ASSERT_TRUE(first.doc.OnSaveDocument(m_dir.path() + u"/work.vyx"_s));
    EXPECT_FALSE(slot.HoldsWork());
    // Changed again, then closed without saving on purpose.
    first.doc.SetModifiedFlag();
    ASSERT_TRUE(written());
    first.keeper.Discard();
    EXPECT_FALSE(slot.HoldsWork());
}

TEST_F(RecoveryTest, TheAnswerDecidesWhetherWorkIsRestoredAndAKilledInstancesWorkIsKept) {
    using Answer = C_VYXMessageBoxes::Answer;
    const std::pair<Answer, const char*> rows[] = {
        {Answer::Yes, "restored"}, {Answer::No, "removed"}, {Answer::Cancel, "kept"}};
    const QString original = m_dir.path() + u"/orig.vyx"_s;
    qint64 id = 10;
    for (const auto& [answer, outcome] : rows) {
        SCOPED_TRACE(outcome);
        const bool restored = answer == Answer::Yes;
        QString dataPath;
        {
            Instance crashed(Dir(), ++id, 60000);
            ASSERT_TRUE(crashed.doc.OnSaveDocument(original));
            crashed.doc.Settings().CalcText().text = u"x*2\r\n5/2\r\n"_s;
            crashed.doc.Settings().CalcText().selValid = 0;
            crashed.doc.SetModifiedFlag();
            crashed.keeper.WriteNow();
            // The copy must not leave a selection for the view to apply later.
            EXPECT_EQ(crashed.doc.Settings().CalcText().selValid, 0);
            dataPath = crashed.keeper.Store().DataPath();
        }
        Instance next(Dir(), ++id);
        next.boxes.QueueAnswer(answer);
        EXPECT_EQ(next.keeper.OfferLeftOvers(next.boxes), restored);
        ASSERT_EQ(next.boxes.Boxes().size(), 1);
        EXPECT_TRUE(
            next.boxes.LastBox().text.startsWith(u"Recover the unsaved work of orig.vyx from "_s));
        EXPECT_EQ(QFile::exists(dataPath), answer == Answer::Cancel);
        EXPECT_EQ(next.doc.IsModified(), restored);
        EXPECT_EQ(next.doc.Settings().CalcText().text, restored ? u"x*2\r\n5/2\r\n"_s : u""_s);
        // The rest of the state comes back as a loaded file brings it.
        if (restored) {
            EXPECT_EQ(next.doc.PathName(), original);
            // Kept at once in the new instance's own slot.
            EXPECT_TRUE(next.keeper.Store().HoldsWork());
        }
        QFile::remove(dataPath);
        next.keeper.Discard();
    }
    // A killed instance's damaged work is offered, reported and kept.
    const QString data = Dir() + u"/recovery-99-99.vyx"_s;
    ASSERT_TRUE(QDir().mkpath(Dir()));
    QFile file(data);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("not a document") > 0);
    file.close();
    // A child takes the slot's lock and dies holding it, as under SIGKILL.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        _exit(QLockFile(Dir() + u"/recovery-99-99.lock"_s).tryLock(0) ? 0 : 1);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    Instance next(Dir(), 4);
    next.boxes.QueueAnswer(C_VYXMessageBoxes::Answer::Yes);
    EXPECT_FALSE(next.keeper.OfferLeftOvers(next.boxes));
    // Without its description it is offered under the untitled name; reading it fails.
    ASSERT_EQ(next.boxes.Boxes().size(), 2);
    EXPECT_TRUE(next.boxes.Boxes()[0].text.startsWith(u"Recover the unsaved work of Untitled "_s));
    EXPECT_EQ(next.boxes.LastBox().kind, C_VYXScriptedMessageBoxes::Kind::Error);
    EXPECT_TRUE(QFile::exists(data) && !next.doc.IsModified());
}

} // namespace
