// SPDX-License-Identifier: MIT
// Byte-for-byte encodings of the document archive, and their reading back.
#include "C_VYXArchive.h"
#include "VyxTestBytes.h"

#include <gtest/gtest.h>

#include <cmath>
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

// ---- int ----

struct IntCase {
    const char* name;
    qint32 value;
    const char* hex;
};

class ArchiveIntEncoding : public ::testing::TestWithParam<IntCase> {};

TEST_P(ArchiveIntEncoding, WritesFourLittleEndianBytesAndReadsThemBack) {
    const IntCase& c = GetParam();
    const QByteArray bytes = Stored([&](C_VYXArchive& ar) { ar.WriteInt(c.value); });
    EXPECT_EQ(bytes.toHex(), Hex(c.hex).toHex());
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    EXPECT_EQ(in.ReadInt(), c.value);
    EXPECT_EQ(in.Remaining(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ArchiveIntEncoding,
    ::testing::Values(IntCase{"Zero", 0, "00000000"}, IntCase{"One", 1, "01000000"},
                      IntCase{"RadiansId", 102, "66000000"}, IntCase{"MinusOne", -1, "ffffffff"},
                      IntCase{"Max", std::numeric_limits<qint32>::max(), "ffffff7f"},
                      IntCase{"Min", std::numeric_limits<qint32>::min(), "00000080"},
                      IntCase{"ByteOrder", 0x01020304, "04030201"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- double ----

struct DoubleCase {
    const char* name;
    double value;
    const char* hex;
};

class ArchiveDoubleEncoding : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(ArchiveDoubleEncoding, WritesIeeeBinary64LittleEndian) {
    const DoubleCase& c = GetParam();
    const QByteArray bytes = Stored([&](C_VYXArchive& ar) { ar.WriteDouble(c.value); });
    EXPECT_EQ(bytes.toHex(), Hex(c.hex).toHex());
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    const double back = in.ReadDouble();
    EXPECT_EQ(std::signbit(back), std::signbit(c.value));
    EXPECT_EQ(back, c.value);
}

INSTANTIATE_TEST_SUITE_P(Values, ArchiveDoubleEncoding,
                         ::testing::Values(DoubleCase{"Zero", 0.0, "0000000000000000"},
                                           DoubleCase{"NegativeZero", -0.0, "0000000000000080"},
                                           DoubleCase{"One", 1.0, "000000000000f03f"},
                                           DoubleCase{"MinusTwoAndHalf", -2.5, "00000000000004c0"},
                                           DoubleCase{"Infinity", HUGE_VAL, "000000000000f07f"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ArchiveDoubleEncoding, NanSurvivesAsNan) {
    const QByteArray bytes =
        Stored([](C_VYXArchive& ar) { ar.WriteDouble(std::numeric_limits<double>::quiet_NaN()); });
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    EXPECT_TRUE(std::isnan(in.ReadDouble()));
}

// ---- string ----

struct StringCase {
    const char* name;
    qsizetype length;
    const char* header; ///< hex of everything before the characters
};

class ArchiveStringEncoding : public ::testing::TestWithParam<StringCase> {};

TEST_P(ArchiveStringEncoding, UsesTheLengthFormForItsSize) {
    const StringCase& c = GetParam();
    QString text(c.length, Qt::Uninitialized);
    for (qsizetype i = 0; i < c.length; ++i) {
        text[i] = QChar(u'a' + static_cast<char16_t>(i % 26));
    }
    const QByteArray bytes = Stored([&](C_VYXArchive& ar) { ar.WriteString(text); });
    const QByteArray header = Hex(c.header);
    ASSERT_EQ(bytes.size(), header.size() + 2 * c.length);
    EXPECT_EQ(bytes.left(header.size()).toHex(), header.toHex());
    EXPECT_EQ(bytes.mid(header.size()), Utf16(text));
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    EXPECT_EQ(in.ReadString(), text);
    EXPECT_EQ(in.Remaining(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, ArchiveStringEncoding,
    ::testing::Values(StringCase{"Empty", 0, "fffeff00"}, StringCase{"OneChar", 1, "fffeff01"},
                      StringCase{"LongestShortForm", 254, "fffefffe"},
                      StringCase{"FirstWordForm", 255, "fffeffffff00"},
                      StringCase{"ThreeHundred", 300, "fffeffff2c01"},
                      StringCase{"LongestWordForm", 0xFFFD, "fffeffff fdff"},
                      StringCase{"FirstDwordForm", 0xFFFE, "fffeffffffff feff0000"},
                      StringCase{"BeyondWord", 70000, "fffeffffffff 70110100"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ArchiveStringEncoding, NonLatinCharactersAndSurrogatesAreUtf16LittleEndian) {
    const QString text = QStringLiteral("√π²≈") + QString(QChar(0xD83D)) + QChar(0xDE00);
    const QByteArray bytes = Stored([&](C_VYXArchive& ar) { ar.WriteString(text); });
    EXPECT_EQ(bytes.toHex(), Hex("fffeff06 1a22 c003 b200 4822 3dd8 00de").toHex());
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    EXPECT_EQ(in.ReadString(), text);
    // A lonely surrogate round-trips unchanged.
    const QString lonely = QString(QChar(0xDC00)) + QLatin1Char('x');
    C_VYXArchive lonelyIn =
        C_VYXArchive::ForLoading(Stored([&](C_VYXArchive& ar) { ar.WriteString(lonely); }));
    EXPECT_EQ(lonelyIn.ReadString(), lonely);
}

// Strings written without the Unicode marker hold one Latin-1 byte per character.
struct NarrowCase {
    const char* name;
    const char* hex;
    QString expected;
};

class ArchiveNarrowString : public ::testing::TestWithParam<NarrowCase> {};

TEST_P(ArchiveNarrowString, IsReadAsLatin1) {
    const NarrowCase& c = GetParam();
    const QByteArray bytes = Hex(c.hex);
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    EXPECT_EQ(in.ReadString(), c.expected);
    EXPECT_EQ(in.Remaining(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ArchiveNarrowString,
    ::testing::Values(NarrowCase{"Empty", "00", QString()},
                      NarrowCase{"Ascii", "03 313233", QStringLiteral("123")},
                      NarrowCase{"Latin1Byte", "02 b2e9", QStringLiteral("²é")},
                      NarrowCase{"WordLength", "ff 0300 616263", QStringLiteral("abc")},
                      NarrowCase{"DwordLength", "ff ffff 02000000 7a79", QStringLiteral("zy")}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- count ----

struct CountCase {
    const char* name;
    quint32 count;
    const char* hex;
};

class ArchiveCountEncoding : public ::testing::TestWithParam<CountCase> {};

TEST_P(ArchiveCountEncoding, UsesSixteenBitsBelowFfffElseEscape) {
    const CountCase& c = GetParam();
    const QByteArray bytes = Stored([&](C_VYXArchive& ar) { ar.WriteCount(c.count); });
    EXPECT_EQ(bytes.toHex(), Hex(c.hex).toHex());
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    EXPECT_EQ(in.ReadCount(), c.count);
}

INSTANTIATE_TEST_SUITE_P(Values, ArchiveCountEncoding,
                         ::testing::Values(CountCase{"Zero", 0, "0000"},
                                           CountCase{"Two", 2, "0200"},
                                           CountCase{"LargestShort", 0xFFFE, "feff"},
                                           CountCase{"FirstEscaped", 0xFFFF, "ffff ffff0000"},
                                           CountCase{"SeventyThousand", 70000, "ffff 70110100"}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- maps and lists ----

TEST(ArchiveCollections, MapWritesCountThenKeyAndValuePerEntryEvenWhenEmpty) {
    const QMap<QString, QString> map{{QStringLiteral("A"), QStringLiteral("1")},
                                     {QStringLiteral("B"), QStringLiteral("A+1")}};
    const QByteArray bytes = Stored([&](C_VYXArchive& ar) { ar.WriteStringMap(map); });
    const QByteArray expected =
        Word(2) + ShortString(QStringLiteral("A")) + ShortString(QStringLiteral("1")) +
        ShortString(QStringLiteral("B")) + ShortString(QStringLiteral("A+1"));
    EXPECT_EQ(bytes.toHex(), expected.toHex());
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    EXPECT_EQ(in.ReadStringMap(), map);
    // An empty map and an empty list are two zero bytes each.
    const QByteArray empty = Stored([](C_VYXArchive& ar) {
        ar.WriteStringMap({});
        ar.WriteStringList({});
    });
    EXPECT_EQ(empty.toHex(), QByteArray("00000000"));
}

TEST(ArchiveCollections, ListKeepsOrderAndDuplicates) {
    const QStringList list{QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("b"),
                           QString()};
    const QByteArray bytes = Stored([&](C_VYXArchive& ar) { ar.WriteStringList(list); });
    const QByteArray expected = Word(4) + ShortString(QStringLiteral("b")) +
                                ShortString(QStringLiteral("a")) +
                                ShortString(QStringLiteral("b")) + ShortString(QString());
    EXPECT_EQ(bytes.toHex(), expected.toHex());
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    EXPECT_EQ(in.ReadStringList(), list);
}

TEST(ArchiveCollections, ExchangeStoresAndLoadsEveryKindSymmetrically) {
    qint32 number = -7;
    double real = 0.1;
    QString text = QStringLiteral("1/3 //≈0.333333");
    QMap<QString, QString> map{{QStringLiteral("α"), QStringLiteral("2")}};
    QStringList list{QStringLiteral("1 meter = 3.280840 feet")};
    QByteArray bytes;
    C_VYXArchive out = C_VYXArchive::ForStoring(&bytes);
    out.Exchange(number);
    out.Exchange(real);
    out.Exchange(text);
    out.Exchange(map);
    out.Exchange(list);

    qint32 number2 = 0;
    double real2 = 0;
    QString text2;
    // Loading replaces what the collections held before.
    QMap<QString, QString> map2{{QStringLiteral("old"), QStringLiteral("1")}};
    QStringList list2{QStringLiteral("old1"), QStringLiteral("old2")};
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    in.Exchange(number2);
    in.Exchange(real2);
    in.Exchange(text2);
    in.Exchange(map2);
    in.Exchange(list2);
    EXPECT_EQ(number2, number);
    EXPECT_EQ(real2, real);
    EXPECT_EQ(text2, text);
    EXPECT_EQ(map2, map);
    EXPECT_EQ(list2, list);
    EXPECT_EQ(in.Remaining(), 0);
}

} // namespace
