// SPDX-License-Identifier: MIT
// The document archive: byte-for-byte encodings and their reading back; damaged input (absurd
// lengths, short reads, misuse).
#include "C_VYXArchive.h"
#include "VyxTestBytes.h"

#include <gtest/gtest.h>

#include <bit>
#include <functional>
#include <limits>
#include <tuple>

using namespace VyxTestBytes;

namespace {

QByteArray Stored(const std::function<void(C_VYXArchive&)>& write) {
    QByteArray bytes;
    C_VYXArchive ar = C_VYXArchive::ForStoring(&bytes);
    write(ar);
    return bytes;
}

/// Writes `value` with `write`, compares the bytes with `hex` and reads them back with `read` bit
/// for bit (keeping the sign of zero and a NaN).
template <typename Bits, typename T>
void RoundTrip(void (C_VYXArchive::*write)(T), T (C_VYXArchive::*read)(), T value,
               const char* hex) {
    SCOPED_TRACE(hex);
    const QByteArray bytes = Stored([&](C_VYXArchive& ar) { (ar.*write)(value); });
    EXPECT_EQ(bytes.toHex(), Hex(hex).toHex());
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    EXPECT_EQ(std::bit_cast<Bits>((in.*read)()), std::bit_cast<Bits>(value));
    EXPECT_EQ(in.Remaining(), 0);
}

TEST(ArchiveNumberEncoding, WritesLittleEndianBytesAndReadsThemBack) {
    // clang-format off
    const std::pair<qint32, const char*> ints[] = {
        {-1, "ffffffff"}, {2147483647, "ffffff7f"}, {-2147483647 - 1, "00000080"},
        {0x01020304, "04030201"}};
    const std::pair<double, const char*> doubles[] = {
        {-0.0, "0000000000000080"}, {-2.5, "00000000000004c0"},
        {std::numeric_limits<double>::quiet_NaN(), "000000000000f87f"}};
    const std::pair<quint32, const char*> counts[] = {
        {0xFFFE, "feff"}, {0xFFFF, "ffff ffff0000"}, {70000, "ffff 70110100"}};
    // clang-format on
    for (const auto& [value, hex] : ints)
        RoundTrip<quint32>(&C_VYXArchive::WriteInt, &C_VYXArchive::ReadInt, value, hex);
    for (const auto& [value, hex] : doubles)
        RoundTrip<quint64>(&C_VYXArchive::WriteDouble, &C_VYXArchive::ReadDouble, value, hex);
    for (const auto& [value, hex] : counts)
        RoundTrip<quint32>(&C_VYXArchive::WriteCount, &C_VYXArchive::ReadCount, value, hex);
}

TEST(ArchiveStringEncoding, LengthFormsNonLatinCharactersAndNarrowForms) {
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
    // Non-Latin characters and surrogates are UTF-16 little-endian.
    const QString text = QStringLiteral("√π²≈\U0001F600");
    const QByteArray bytes = Stored([&](C_VYXArchive& ar) { ar.WriteString(text); });
    EXPECT_EQ(bytes.toHex(), Hex("fffeff06 1a22 c003 b200 4822 3dd8 00de").toHex());
    EXPECT_EQ(C_VYXArchive::ForLoading(bytes).ReadString(), text);
    const QString lonely = QString(QChar(0xDC00)) + QLatin1Char('x');
    C_VYXArchive lonelyIn =
        C_VYXArchive::ForLoading(Stored([&](C_VYXArchive& ar) { ar.WriteString(lonely); }));
    EXPECT_EQ(lonelyIn.ReadString(), lonely);
    // Strings written without the Unicode marker hold one Latin-1 byte per character.
    // clang-format off
    const std::pair<const char*, QString> narrow[] = {
        {"00", QString()}, {"03 313233", QStringLiteral("123")},
        {"02 b2e9", QStringLiteral("²é")}, {"ff 0300 616263", QStringLiteral("abc")},
        {"ff ffff 02000000 7a79", QStringLiteral("zy")}};
    // clang-format on
    for (const auto& [hex, expected] : narrow) {
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
TEST(ArchiveDamage, HugeLengthsThrowAFailedReadConsumesNothingMisuseThrows) {
    // clang-format off
    const std::tuple<const char*, Read, int> cases[] = { // bytes, the read, where the field starts
        {"fffeff ff ffff 00286bee", kReadString, 0}, // Unicode, 32-bit length
        {"fffeff ff ffff ffffffff ffffffffffffffff", kReadString, 0}, // Unicode, 64-bit length
        {"fffeff ff fdff", kReadString, 0},  // Unicode, 16-bit length
        {"ff ffff 00286bee", kReadString, 0}, // narrow, 32-bit length
        {"fffeff 18", kReadString, 0},        // 24 wide characters: just over half the bytes
        {"ffff 00286bee", kReadMap, 0}, {"1900", kReadMap, 0},  // 25 pairs: one too many
        {"ffff ffffffff", kReadList, 0}, {"3100", kReadList, 0}, // 49 strings: one too many
        {"05000000 fffeff 40 4100", [](C_VYXArchive& ar) { ar.ReadInt(); ar.ReadString(); }, 4},
    };
    // clang-format on
    for (const auto& [hex, read, at] : cases) {
        SCOPED_TRACE(hex);
        QByteArray bytes = Hex(hex);
        bytes.append(QByteArray(50 - bytes.size(), 'a'));
        C_VYXArchive ar = C_VYXArchive::ForLoading(bytes);
        try {
            read(ar);
            ADD_FAILURE() << "no error";
        } catch (const C_VYXArchiveError& error) {
            EXPECT_TRUE(error.Message().startsWith(
                QStringLiteral("The file is damaged or not a TobrikCalculator document: ")));
            EXPECT_TRUE(error.Message().endsWith(QStringLiteral(" at byte %1").arg(at)))
                << error.Message().toStdString();
        }
    }
    // A failed read consumes nothing, misuse throws, loading keeps its own copy.
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
