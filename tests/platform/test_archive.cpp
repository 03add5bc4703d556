// SPDX-License-Identifier: MIT
// The document archive: byte-for-byte encodings and their reading back; damaged input (absurd
// lengths, short reads, misuse).
#include "C_VYXArchive.h"
#include "VyxTestBytes.h"

#include <gtest/gtest.h>

#include <bit>
#include <functional>
#include <limits>

using namespace VyxTestBytes;

namespace {

QByteArray Stored(const std::function<void(C_VYXArchive&)>& write) {
    QByteArray bytes;
    C_VYXArchive ar = C_VYXArchive::ForStoring(&bytes);
    write(ar);
    return bytes;
}

enum class Field { Int, Double, Count };

TEST(ArchiveNumberEncoding, WritesLittleEndianBytesAndReadsThemBack) {
    using enum Field;
    struct Case {
        Field field;
        double value; // holds every int and count exactly
        const char* hex;
    };
    // clang-format off
    const Case cases[] = {
        {Int, -1, "ffffffff"}, {Int, 2147483647, "ffffff7f"},
        {Int, -2147483648.0, "00000080"}, {Int, 0x01020304, "04030201"},
        {Double, -0.0, "0000000000000080"}, {Double, -2.5, "00000000000004c0"},
        {Double, std::numeric_limits<double>::quiet_NaN(), "000000000000f87f"},
        {Count, 0xFFFE, "feff"}, {Count, 0xFFFF, "ffff ffff0000"}, {Count, 70000, "ffff 70110100"}};
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hex);
        const QByteArray bytes = Stored([&](C_VYXArchive& ar) {
            if (c.field == Int)
                ar.WriteInt(static_cast<qint32>(c.value));
            else if (c.field == Count)
                ar.WriteCount(static_cast<quint32>(c.value));
            else
                ar.WriteDouble(c.value);
        });
        EXPECT_EQ(bytes.toHex(), Hex(c.hex).toHex());
        C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
        if (c.field == Int)
            EXPECT_EQ(in.ReadInt(), static_cast<qint32>(c.value));
        else if (c.field == Count)
            EXPECT_EQ(in.ReadCount(), static_cast<quint32>(c.value));
        else // bit for bit: keeps the sign of zero and a NaN
            EXPECT_EQ(std::bit_cast<quint64>(in.ReadDouble()), std::bit_cast<quint64>(c.value));
        EXPECT_EQ(in.Remaining(), 0);
    }
}

TEST(ArchiveStringEncoding, UsesTheLengthFormForItsSize) {
    // clang-format off
    const std::pair<qsizetype, const char*> cases[] = { // length, hex before the characters
        {0, "fffeff00"}, {254, "fffefffe"}, {255, "fffeffffff00"}, {0xFFFD, "fffeffff fdff"},
        {0xFFFE, "fffeffffffff feff0000"}, {70000, "fffeffffffff 70110100"}};
    // clang-format on
    for (const auto& [length, hex] : cases) {
        SCOPED_TRACE(length);
        QString text(length, Qt::Uninitialized);
        for (qsizetype i = 0; i < length; ++i)
            text[i] = QChar(u'a' + static_cast<char16_t>(i % 26));
        const QByteArray bytes = Stored([&](C_VYXArchive& ar) { ar.WriteString(text); });
        const QByteArray header = Hex(hex);
        EXPECT_EQ(bytes.left(header.size()).toHex(), header.toHex());
        EXPECT_EQ(bytes.mid(header.size()), Utf16(text));
        C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
        EXPECT_EQ(in.ReadString(), text);
        EXPECT_EQ(in.Remaining(), 0);
    }
}

TEST(ArchiveStringEncoding, NonLatinCharactersAndSurrogatesAreUtf16LittleEndian) {
    const QString text = QStringLiteral("√π²≈\U0001F600");
    const QByteArray bytes = Stored([&](C_VYXArchive& ar) { ar.WriteString(text); });
    EXPECT_EQ(bytes.toHex(), Hex("fffeff06 1a22 c003 b200 4822 3dd8 00de").toHex());
    EXPECT_EQ(C_VYXArchive::ForLoading(bytes).ReadString(), text);
    const QString lonely = QString(QChar(0xDC00)) + QLatin1Char('x');
    C_VYXArchive lonelyIn =
        C_VYXArchive::ForLoading(Stored([&](C_VYXArchive& ar) { ar.WriteString(lonely); }));
    EXPECT_EQ(lonelyIn.ReadString(), lonely);
}

// Strings written without the Unicode marker hold one Latin-1 byte per character.
TEST(ArchiveStringEncoding, NarrowFormsAreReadAsLatin1) {
    // clang-format off
    const std::pair<const char*, QString> cases[] = {
        {"00", QString()}, {"03 313233", QStringLiteral("123")},
        {"02 b2e9", QStringLiteral("²é")}, {"ff 0300 616263", QStringLiteral("abc")},
        {"ff ffff 02000000 7a79", QStringLiteral("zy")}};
    // clang-format on
    for (const auto& [hex, expected] : cases) {
        C_VYXArchive in = C_VYXArchive::ForLoading(Hex(hex));
        EXPECT_EQ(in.ReadString(), expected) << hex;
        EXPECT_EQ(in.Remaining(), 0) << hex;
    }
}

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
