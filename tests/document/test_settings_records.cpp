// SPDX-License-Identifier: MIT
// The settings records: pending flags after loading, live text, emptied maps.
#include "DocumentTestSupport.h"

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

TEST(CalcTextRecord, CalcTextAndVariablesRecordsLoadAndSave) {
    C_VYXCalcTextNFO area;
    area.fontChanged = 0;
    LoadBytes(area, AreaBytes(u"2*3"_s, 1, 2, 14, 1, 0));
    EXPECT_EQ(area.text, u"2*3"_s);
    // The display is marked only by the menus and panels.
    EXPECT_EQ(QList<int>({area.textValid, area.selValid, area.fontChanged, area.displayChanged}),
              QList<int>({1, 1, 1, 0}));
    // A load failing after the text still marks the text, and only the text, pending.
    C_VYXCalcTextNFO failed;
    EXPECT_THROW(LoadBytes(failed, AreaBytes(u"1+1"_s, 0, 0, 12, 1, 1).left(12)),
                 C_VYXArchiveError);
    EXPECT_EQ(failed.text, u"1+1"_s);
    EXPECT_EQ(QList<int>({failed.textValid, failed.selValid}), QList<int>({1, 0}));
    // Saving takes the record's text and selection without an edit, the live ones with one.
    C_VYXCalcTextNFO saved;
    saved.text = u"9"_s;
    saved.selStart = saved.selEnd = 1;
    saved.showReal = 0;
    EXPECT_EQ(StoredBytes(saved), AreaBytes(u"9"_s, 1, 1, 12, 0, 1));
    DocumentTestSupport::FixedEdit edit(u"live\r\ntext"_s, 2, 7);
    saved.m_pEdit = &edit;
    EXPECT_EQ(StoredBytes(saved), AreaBytes(u"live\r\ntext"_s, 2, 7, 12, 0, 1));
    EXPECT_EQ(saved.text + QString::number(saved.textValid), u"live\r\ntext0");
    // Loading the variables replaces both maps; a failed load leaves no old values.
    C_VYXVarNFO stored;
    stored.definitions = stored.values = {{u"B"_s, u"2"_s}};
    C_VYXVarNFO record;
    record.definitions = record.values = {{u"A"_s, u"1"_s}};
    LoadBytes(record, StoredBytes(stored));
    EXPECT_EQ(QList({record.definitions, record.values}),
              QList({stored.definitions, stored.values}));
    EXPECT_THROW(LoadBytes(record, QByteArray::fromHex("0100")), C_VYXArchiveError);
    EXPECT_TRUE(record.definitions.isEmpty() && record.values.isEmpty());
}

} // namespace
