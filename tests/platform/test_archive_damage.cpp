// SPDX-License-Identifier: MIT
// Damaged input for the document archive: short files, absurd lengths, misuse.
#include "C_VYXArchive.h"
#include "C_VYXWindowPlacement.h"
#include "VyxTestBytes.h"

#include <gtest/gtest.h>

#include <functional>

using namespace VyxTestBytes;

namespace {

// A buffer with every kind of field, read back by ReadAll in the same order.
QByteArray SampleBuffer() {
    QByteArray bytes;
    C_VYXArchive ar = C_VYXArchive::ForStoring(&bytes);
    ar.WriteStringMap({{QStringLiteral("A"), QStringLiteral("1")},
                       {QStringLiteral("long"), QString(300, QLatin1Char('x'))}});
    ar.WriteInt(102);
    ar.WriteDouble(1.0);
    ar.WriteStringList({QStringLiteral("1 meter = 3.280840 feet"), QString()});
    ar.WriteString(QStringLiteral("√2"));
    ar.WriteCount(70000);
    C_VYXWindowPlacement placement;
    placement.normalRight = 800;
    placement.Serialize(ar);
    return bytes;
}

void ReadAll(C_VYXArchive& ar) {
    ar.ReadStringMap();
    ar.ReadInt();
    ar.ReadDouble();
    ar.ReadStringList();
    ar.ReadString();
    ar.ReadCount();
    C_VYXWindowPlacement placement;
    placement.Serialize(ar);
}

TEST(ArchiveDamage, WholeBufferReadsCompletelyEveryTruncationThrows) {
    const QByteArray full = SampleBuffer();
    C_VYXArchive whole = C_VYXArchive::ForLoading(full);
    ReadAll(whole);
    EXPECT_EQ(whole.Remaining(), 0);
    for (qsizetype cut = 0; cut < full.size(); ++cut) {
        C_VYXArchive ar = C_VYXArchive::ForLoading(full.left(cut));
        EXPECT_THROW(ReadAll(ar), C_VYXArchiveError) << "cut at " << cut;
    }
}

using Read = std::function<void(C_VYXArchive&)>;
const Read ReadString = [](C_VYXArchive& ar) { ar.ReadString(); };
const Read ReadMap = [](C_VYXArchive& ar) { ar.ReadStringMap(); };
const Read ReadList = [](C_VYXArchive& ar) { ar.ReadStringList(); };

// Lengths and counts beyond the 50 bytes there are must throw before allocating anything.
TEST(ArchiveDamage, HugeLengthsThrowNamingTheByteWhereTheFieldStarts) {
    struct Case {
        const char* hex;
        Read read;
    };
    // clang-format off
    const Case cases[] = {
        {"fffeff ff ffff 00286bee", ReadString}, // Unicode, 32-bit length
        {"fffeff ff ffff ffffffff ffffffffffffffff", ReadString}, // Unicode, 64-bit length
        {"fffeff ff fdff", ReadString},  // Unicode, 16-bit length
        {"ff ffff 00286bee", ReadString}, // narrow, 32-bit length
        {"fffeff 18", ReadString},        // 24 wide characters: just over half the bytes
        {"ffff 00286bee", ReadMap}, {"1900", ReadMap},  // 25 pairs: one too many
        {"ffff ffffffff", ReadList}, {"3100", ReadList}, // 49 strings: one too many
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hex);
        QByteArray bytes = Hex(c.hex);
        bytes.append(QByteArray(50 - bytes.size(), 'a'));
        C_VYXArchive ar = C_VYXArchive::ForLoading(bytes);
        try {
            c.read(ar);
            ADD_FAILURE() << "no error";
        } catch (const C_VYXArchiveError& error) {
            EXPECT_TRUE(error.Message().startsWith(
                QStringLiteral("The file is damaged or not a TobrikCalculator document: ")));
            EXPECT_TRUE(error.Message().endsWith(QStringLiteral(" at byte 0")))
                << error.Message().toStdString();
        }
    }
    C_VYXArchive later = C_VYXArchive::ForLoading(Int32(5) + Int32(6) + Hex("fffeff 40 4100"));
    later.ReadInt();
    later.ReadInt();
    try {
        later.ReadString();
        ADD_FAILURE() << "no error";
    } catch (const C_VYXArchiveError& error) {
        EXPECT_TRUE(error.Message().endsWith(QStringLiteral(" at byte 8")))
            << error.Message().toStdString();
    }
}

TEST(ArchiveDamage, FailedReadConsumesNothingAndAnEmptyBufferFailsAtFirstRead) {
    C_VYXArchive ar = C_VYXArchive::ForLoading(Hex("010203"));
    EXPECT_THROW(ar.ReadInt(), C_VYXArchiveError);
    EXPECT_EQ(ar.Remaining(), 3);
    EXPECT_THROW(ar.ReadDouble(), C_VYXArchiveError);
    C_VYXArchive empty = C_VYXArchive::ForLoading(QByteArray());
    EXPECT_THROW(empty.ReadCount(), C_VYXArchiveError);
}

TEST(ArchiveDamage, WrongDirectionAndMissingBufferThrowLoadingKeepsItsOwnCopy) {
    QByteArray bytes;
    C_VYXArchive out = C_VYXArchive::ForStoring(&bytes);
    EXPECT_THROW(out.ReadInt(), C_VYXArchiveError);
    EXPECT_THROW(out.ReadString(), C_VYXArchiveError);
    EXPECT_THROW(out.ReadStringMap(), C_VYXArchiveError);
    EXPECT_THROW(C_VYXArchive::ForStoring(nullptr), C_VYXArchiveError);

    QByteArray source = Int32(42);
    C_VYXArchive in = C_VYXArchive::ForLoading(source);
    source = Int32(7);
    EXPECT_THROW(in.WriteInt(1), C_VYXArchiveError);
    EXPECT_THROW(in.WriteString(QStringLiteral("x")), C_VYXArchiveError);
    EXPECT_THROW(in.WriteStringList({}), C_VYXArchiveError);
    EXPECT_EQ(in.ReadInt(), 42);
}

} // namespace
