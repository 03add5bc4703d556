// SPDX-License-Identifier: MIT
// The settings records: defaults of a new document, pending flags, live text, emptied maps.
#include "C_VYXArchive.h"
#include "C_VYXSettings.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsRecords, NewDocumentHasTheDefaults) {
    const C_VYXSettings settings;
    EXPECT_EQ(settings.BasicButtons().m_nDecimals, 6);
    EXPECT_EQ(settings.CMPLX().m_nAlwaysShowArgument, 0);
    EXPECT_EQ(settings.KeyBoard().m_nLatinCaps, 1);
    EXPECT_EQ(settings.KeyBoard().m_nGreekCaps, 0);
    EXPECT_EQ(settings.Trig().m_nAngleUnit, 102);
    EXPECT_TRUE(settings.Var().definitions.isEmpty());
    EXPECT_TRUE(settings.Var().values.isEmpty());
    EXPECT_EQ(settings.Var().m_pTokenTables, nullptr);
    EXPECT_EQ(settings.Convert().m_dValue, 1.0);
    EXPECT_EQ(settings.Convert().m_nToIndex, 1);

    const C_VYXCalcTextNFO& area = settings.CalcText();
    EXPECT_EQ(area.m_pEdit, nullptr);
    EXPECT_TRUE(area.text.isEmpty());
    EXPECT_EQ(area.fontSize, 12);
    EXPECT_EQ(area.showReal, 1);
    EXPECT_EQ(area.showRational, 1);
    // A new area must apply its font once, but has no text or selection to restore.
    EXPECT_EQ(area.fontChanged, 1);
    EXPECT_EQ(area.textValid, 0);
    EXPECT_EQ(area.selValid, 0);
    EXPECT_EQ(area.displayChanged, 0);
}

TEST(SettingsRecords, EachSettingsObjectHasItsOwnRecords) {
    C_VYXSettings first;
    C_VYXSettings second;
    first.BasicButtons().m_nDecimals = 3;
    first.Var().definitions.insert(QStringLiteral("x"), QStringLiteral("1"));
    EXPECT_EQ(second.BasicButtons().m_nDecimals, 6);
    EXPECT_TRUE(second.Var().definitions.isEmpty());
}

// The area record alone: its six rows, and what a load marks for the view.
QByteArray AreaBytes(const QString& text, qint32 start, qint32 end, qint32 font, qint32 real,
                     qint32 rational) {
    QByteArray bytes;
    C_VYXArchive ar = C_VYXArchive::ForStoring(&bytes);
    ar.WriteString(text);
    for (qint32 value : {start, end, font, real, rational}) {
        ar.WriteInt(value);
    }
    return bytes;
}

TEST(CalcTextRecord, LoadingMarksTextSelectionAndFontPending) {
    C_VYXCalcTextNFO area;
    area.fontChanged = 0;
    const QByteArray bytes = AreaBytes(QStringLiteral("2*3"), 1, 2, 14, 1, 0);
    C_VYXArchive ar = C_VYXArchive::ForLoading(bytes);
    area.Serialize(ar);
    EXPECT_EQ(area.text, QStringLiteral("2*3"));
    EXPECT_EQ(area.textValid, 1);
    EXPECT_EQ(area.selValid, 1);
    EXPECT_EQ(area.fontChanged, 1);
    EXPECT_EQ(area.fontSize, 14);
    EXPECT_EQ(area.showRational, 0);
    // Only the menus and panels mark the display mode changed, never a load.
    EXPECT_EQ(area.displayChanged, 0);
}

TEST(CalcTextRecord, FailedLoadAfterTheTextStillMarksOnlyTheTextPending) {
    C_VYXCalcTextNFO area;
    const QByteArray bytes = AreaBytes(QStringLiteral("1+1"), 0, 0, 12, 1, 1).left(12);
    C_VYXArchive ar = C_VYXArchive::ForLoading(bytes);
    EXPECT_THROW(area.Serialize(ar), C_VYXArchiveError);
    EXPECT_EQ(area.text, QStringLiteral("1+1"));
    EXPECT_EQ(area.textValid, 1);
    EXPECT_EQ(area.selValid, 0);
}

class FakeEdit : public C_VYXCalcTextEdit {
public:
    QString LiveText() const override { return QStringLiteral("live\r\ntext"); }
    qint32 LiveSelectionStart() const override { return 2; }
    qint32 LiveSelectionEnd() const override { return 7; }
};

TEST(CalcTextRecord, SavingTakesTheLiveTextAndSelection) {
    FakeEdit edit;
    C_VYXCalcTextNFO area;
    area.text = QStringLiteral("stale");
    area.m_pEdit = &edit;
    QByteArray bytes;
    C_VYXArchive ar = C_VYXArchive::ForStoring(&bytes);
    area.Serialize(ar);
    EXPECT_EQ(bytes, AreaBytes(QStringLiteral("live\r\ntext"), 2, 7, 12, 1, 1));
    EXPECT_EQ(area.text, QStringLiteral("live\r\ntext"));
    EXPECT_EQ(area.selStart, 2);
    EXPECT_EQ(area.selEnd, 7);
    EXPECT_EQ(area.selValid, 1);
    EXPECT_EQ(area.textValid, 0);
}

TEST(CalcTextRecord, SavingWithoutEditWritesTheRecordAndMarksSelection) {
    C_VYXCalcTextNFO area;
    area.text = QStringLiteral("9");
    area.selStart = 1;
    area.selEnd = 1;
    area.showReal = 0;
    QByteArray bytes;
    C_VYXArchive ar = C_VYXArchive::ForStoring(&bytes);
    area.Serialize(ar);
    EXPECT_EQ(bytes, AreaBytes(QStringLiteral("9"), 1, 1, 12, 0, 1));
    EXPECT_EQ(area.selValid, 1);
}

TEST(VariablesRecord, LoadingReplacesBothMaps) {
    C_VYXVarNFO stored;
    stored.definitions.insert(QStringLiteral("B"), QStringLiteral("2"));
    stored.values.insert(QStringLiteral("B"), QStringLiteral("2"));
    QByteArray bytes;
    C_VYXArchive out = C_VYXArchive::ForStoring(&bytes);
    stored.Serialize(out);

    C_VYXVarNFO record;
    record.definitions.insert(QStringLiteral("A"), QStringLiteral("1"));
    record.values.insert(QStringLiteral("A"), QStringLiteral("1"));
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    record.Serialize(in);
    EXPECT_EQ(record.definitions, stored.definitions);
    EXPECT_EQ(record.values, stored.values);
}

TEST(VariablesRecord, FailedLoadLeavesNoOldValues) {
    C_VYXVarNFO record;
    record.definitions.insert(QStringLiteral("A"), QStringLiteral("1"));
    record.values.insert(QStringLiteral("A"), QStringLiteral("1"));
    const QByteArray bytes = QByteArray::fromHex("0100");
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    EXPECT_THROW(record.Serialize(in), C_VYXArchiveError);
    EXPECT_TRUE(record.definitions.isEmpty());
    EXPECT_TRUE(record.values.isEmpty());
}

TEST(MathCharRecord, WritesAndReadsNothing) {
    C_VYXMathCharNFO record;
    QByteArray bytes;
    C_VYXArchive out = C_VYXArchive::ForStoring(&bytes);
    record.Serialize(out);
    EXPECT_TRUE(bytes.isEmpty());
    const QByteArray one = QByteArray::fromHex("01000000");
    C_VYXArchive in = C_VYXArchive::ForLoading(one);
    record.Serialize(in);
    EXPECT_EQ(in.Remaining(), 4);
}

} // namespace
