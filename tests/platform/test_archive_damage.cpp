// SPDX-License-Identifier: MIT
// Damaged input for the document archive: absurd lengths, short reads, misuse.
#include "C_VYXArchive.h"
#include "VyxTestBytes.h"

#include <gtest/gtest.h>

#include <functional>

using namespace VyxTestBytes;

namespace {

// That every truncation of a document fails cleanly is checked field by field on a document
// holding every kind of field, in the document tests.

using Read = std::function<void(C_VYXArchive&)>;
const Read kReadString = [](C_VYXArchive& ar) { ar.ReadString(); };
const Read kReadMap = [](C_VYXArchive& ar) { ar.ReadStringMap(); };
const Read kReadList = [](C_VYXArchive& ar) { ar.ReadStringList(); };

// Lengths and counts beyond the 50 bytes there are must throw before allocating anything.
TEST(ArchiveDamage, HugeLengthsThrowNamingTheByteWhereTheFieldStarts) {
    struct Case {
        const char* hex;
        Read read;
        int at = 0; // where the damaged field starts
    };
    // clang-format off
    const Case cases[] = {
        {"fffeff ff ffff 00286bee", kReadString}, // Unicode, 32-bit length
        {"fffeff ff ffff ffffffff ffffffffffffffff", kReadString}, // Unicode, 64-bit length
        {"fffeff ff fdff", kReadString},  // Unicode, 16-bit length
        {"ff ffff 00286bee", kReadString}, // narrow, 32-bit length
        {"fffeff 18", kReadString},        // 24 wide characters: just over half the bytes
        {"ffff 00286bee", kReadMap}, {"1900", kReadMap},  // 25 pairs: one too many
        {"ffff ffffffff", kReadList}, {"3100", kReadList}, // 49 strings: one too many
        {"05000000 fffeff 40 4100", [](C_VYXArchive& ar) { ar.ReadInt(); ar.ReadString(); }, 4},
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
            EXPECT_TRUE(error.Message().endsWith(QStringLiteral(" at byte %1").arg(c.at)))
                << error.Message().toStdString();
        }
    }
}

TEST(ArchiveDamage, FailedReadConsumesNothingMisuseThrowsLoadingKeepsItsOwnCopy) {
    C_VYXArchive ar = C_VYXArchive::ForLoading(Hex("010203"));
    EXPECT_THROW(ar.ReadInt(), C_VYXArchiveError);
    EXPECT_EQ(ar.Remaining(), 3);
    QByteArray bytes;
    C_VYXArchive out = C_VYXArchive::ForStoring(&bytes);
    EXPECT_THROW(out.ReadString(), C_VYXArchiveError);
    EXPECT_THROW(C_VYXArchive::ForStoring(nullptr), C_VYXArchiveError);

    QByteArray source = Int32(42);
    C_VYXArchive in = C_VYXArchive::ForLoading(source);
    source = Int32(7);
    EXPECT_THROW(in.WriteInt(1), C_VYXArchiveError);
    EXPECT_EQ(in.ReadInt(), 42);
}

} // namespace
