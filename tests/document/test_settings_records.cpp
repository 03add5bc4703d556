// SPDX-License-Identifier: MIT
// The settings records: pending flags after loading, live text, emptied maps.
#include "DocumentTestSupport.h"

#include "C_VYXArchive.h"
#include "C_VYXSettings.h"

namespace {

/// The area record alone: its six rows.
QByteArray AreaBytes(const QString& text, qint32 start, qint32 end, qint32 font, qint32 real,
                     qint32 rational) {
    QByteArray bytes;
    C_VYXArchive ar = C_VYXArchive::ForStoring(&bytes);
    ar.WriteString(text);
    for (qint32 value : {start, end, font, real, rational})
        ar.WriteInt(value);
    return bytes;
}

TEST(CalcTextRecord, LoadingMarksTextSelectionAndFontPendingButNotTheDisplay) {
    C_VYXCalcTextNFO area;
    area.fontChanged = 0;
    const QByteArray bytes = AreaBytes(u"2*3"_s, 1, 2, 14, 1, 0);
    C_VYXArchive ar = C_VYXArchive::ForLoading(bytes);
    area.Serialize(ar);
    EXPECT_EQ(area.text, u"2*3"_s);
    // The display is marked only by the menus and panels.
    EXPECT_EQ(QList<int>({area.textValid, area.selValid, area.fontChanged, area.displayChanged}),
              QList<int>({1, 1, 1, 0}));
    // A load failing after the text still marks the text, and only the text, pending.
    C_VYXCalcTextNFO failed;
    C_VYXArchive shortAr = C_VYXArchive::ForLoading(AreaBytes(u"1+1"_s, 0, 0, 12, 1, 1).left(12));
    EXPECT_THROW(failed.Serialize(shortAr), C_VYXArchiveError);
    EXPECT_EQ(failed.text, u"1+1"_s);
    EXPECT_EQ(QList<int>({failed.textValid, failed.selValid}), QList<int>({1, 0}));
}

TEST(CalcTextRecord, SavingTakesTheLiveTextAndSelectionOrTheRecordWithoutEdit) {
    C_VYXCalcTextNFO area;
    area.text = u"9"_s;
    area.selStart = area.selEnd = 1;
    area.showReal = 0;
    QByteArray bytes;
    C_VYXArchive plain = C_VYXArchive::ForStoring(&bytes);
    area.Serialize(plain);
    EXPECT_EQ(bytes, AreaBytes(u"9"_s, 1, 1, 12, 0, 1));

    DocumentTestSupport::FixedEdit edit(u"live\r\ntext"_s, 2, 7);
    area.m_pEdit = &edit;
    bytes.clear();
    C_VYXArchive live = C_VYXArchive::ForStoring(&bytes);
    area.Serialize(live);
    EXPECT_EQ(bytes, AreaBytes(u"live\r\ntext"_s, 2, 7, 12, 0, 1));
    EXPECT_EQ(area.text, u"live\r\ntext"_s);
    EXPECT_EQ(area.textValid, 0);
}

TEST(VariablesRecord, LoadingReplacesBothMapsAndAFailedLoadLeavesNoOldValues) {
    C_VYXVarNFO stored;
    stored.definitions = stored.values = {{u"B"_s, u"2"_s}};
    QByteArray bytes;
    C_VYXArchive out = C_VYXArchive::ForStoring(&bytes);
    stored.Serialize(out);
    C_VYXVarNFO record;
    record.definitions = record.values = {{u"A"_s, u"1"_s}};
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    record.Serialize(in);
    EXPECT_EQ(record.definitions, stored.definitions);
    EXPECT_EQ(record.values, stored.values);
    C_VYXArchive damaged = C_VYXArchive::ForLoading(QByteArray::fromHex("0100"));
    EXPECT_THROW(record.Serialize(damaged), C_VYXArchiveError);
    EXPECT_TRUE(record.definitions.isEmpty());
    EXPECT_TRUE(record.values.isEmpty());
}

} // namespace
