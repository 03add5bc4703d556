// SPDX-License-Identifier: MIT
// Damaged input for the document archive: short files, absurd lengths, flipped bytes, misuse.
#include "C_VYXArchive.h"
#include "C_VYXWindowPlacement.h"
#include "VyxTestBytes.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

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
        const QByteArray part = full.left(cut);
        C_VYXArchive ar = C_VYXArchive::ForLoading(part);
        EXPECT_THROW(ReadAll(ar), C_VYXArchiveError) << "cut at " << cut;
    }
}

struct HugeCase {
    const char* name;
    const char* hex;
    std::function<void(C_VYXArchive&)> read;
};

class ArchiveHugeLength : public ::testing::TestWithParam<HugeCase> {};

TEST_P(ArchiveHugeLength, ThrowsBeforeAllocating) {
    const HugeCase& c = GetParam();
    QByteArray bytes = Hex(c.hex);
    bytes.append(QByteArray(50 - bytes.size(), 'a'));
    C_VYXArchive ar = C_VYXArchive::ForLoading(bytes);
    try {
        c.read(ar);
        FAIL() << "no error";
    } catch (const C_VYXArchiveError& error) {
        EXPECT_TRUE(error.Message().startsWith(
            QStringLiteral("The file is damaged or not a TobrikCalculator document: ")))
            << error.Message().toStdString();
        EXPECT_TRUE(error.Message().endsWith(QStringLiteral(" at byte 0")))
            << error.Message().toStdString();
    }
}

const auto ReadString = [](C_VYXArchive& ar) { ar.ReadString(); };
const auto ReadMap = [](C_VYXArchive& ar) { ar.ReadStringMap(); };
const auto ReadList = [](C_VYXArchive& ar) { ar.ReadStringList(); };

INSTANTIATE_TEST_SUITE_P(
    Fields, ArchiveHugeLength,
    ::testing::Values(HugeCase{"UnicodeDwordLength", "fffeff ff ffff 00286bee", ReadString},
                      HugeCase{"UnicodeQwordLength", "fffeff ff ffff ffffffff ffffffffffffffff",
                               ReadString},
                      HugeCase{"UnicodeWordLength", "fffeff ff fdff", ReadString},
                      HugeCase{"NarrowDwordLength", "ff ffff 00286bee", ReadString},
                      HugeCase{"WideJustOverHalf", "fffeff 18", ReadString},
                      HugeCase{"MapCount", "ffff 00286bee", ReadMap},
                      HugeCase{"MapCountOneTooMany", "1900", ReadMap},
                      HugeCase{"ListCount", "ffff ffffffff", ReadList},
                      HugeCase{"ListCountOneTooMany", "3100", ReadList}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ArchiveDamage, ErrorNamesTheByteWhereTheBadFieldStarts) {
    const QByteArray bytes = Int32(5) + Int32(6) + Hex("fffeff 40 4100");
    C_VYXArchive ar = C_VYXArchive::ForLoading(bytes);
    ar.ReadInt();
    ar.ReadInt();
    try {
        ar.ReadString();
        FAIL() << "no error";
    } catch (const C_VYXArchiveError& error) {
        EXPECT_TRUE(error.Message().endsWith(QStringLiteral(" at byte 8")))
            << error.Message().toStdString();
    }
}

TEST(ArchiveDamage, FailedReadConsumesNothingOfAShortNumber) {
    const QByteArray bytes = Hex("010203");
    C_VYXArchive ar = C_VYXArchive::ForLoading(bytes);
    EXPECT_THROW(ar.ReadInt(), C_VYXArchiveError);
    EXPECT_EQ(ar.Remaining(), 3);
    EXPECT_THROW(ar.ReadDouble(), C_VYXArchiveError);
}

TEST(ArchiveDamage, RandomByteFlipsNeverCrash) {
    const QByteArray full = SampleBuffer();
    std::mt19937 random(20240607u);
    std::uniform_int_distribution<qsizetype> position(0, full.size() - 1);
    std::uniform_int_distribution<int> value(0, 255);
    int failures = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray damaged = full;
        const int flips = 1 + round % 4;
        for (int i = 0; i < flips; ++i) {
            damaged[position(random)] = static_cast<char>(value(random));
        }
        C_VYXArchive ar = C_VYXArchive::ForLoading(damaged);
        try {
            ReadAll(ar);
        } catch (const C_VYXArchiveError&) {
            ++failures;
        }
    }
    // Most flips land in text characters and load fine; some must hit lengths and counts.
    EXPECT_GT(failures, 0);
}

TEST(ArchiveDamage, WrongDirectionAndMissingBufferThrow) {
    QByteArray bytes;
    C_VYXArchive out = C_VYXArchive::ForStoring(&bytes);
    EXPECT_THROW(out.ReadInt(), C_VYXArchiveError);
    EXPECT_THROW(out.ReadString(), C_VYXArchiveError);
    EXPECT_THROW(out.ReadStringMap(), C_VYXArchiveError);

    const QByteArray source = Int32(1);
    C_VYXArchive in = C_VYXArchive::ForLoading(source);
    EXPECT_THROW(in.WriteInt(1), C_VYXArchiveError);
    EXPECT_THROW(in.WriteString(QStringLiteral("x")), C_VYXArchiveError);
    EXPECT_THROW(in.WriteStringList({}), C_VYXArchiveError);
    EXPECT_EQ(in.ReadInt(), 1);
    EXPECT_THROW(C_VYXArchive::ForStoring(nullptr), C_VYXArchiveError);
}

TEST(ArchiveDamage, LoadingKeepsItsOwnCopyAndAnEmptyBufferFailsAtFirstRead) {
    QByteArray bytes = Int32(42);
    C_VYXArchive ar = C_VYXArchive::ForLoading(bytes);
    bytes = Int32(7);
    EXPECT_EQ(ar.ReadInt(), 42);
    C_VYXArchive empty = C_VYXArchive::ForLoading(QByteArray());
    EXPECT_THROW(empty.ReadCount(), C_VYXArchiveError);
}

} // namespace
