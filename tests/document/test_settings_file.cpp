// SPDX-License-Identifier: MIT
// The settings object in the document file: every row in its field, load and save round trip;
// the records' pending flags after loading, live text, emptied maps.
#include "DocumentTestSupport.h"

#include "C_VYXSettings.h"

#include "../platform/VyxTestBytes.h"

using namespace VyxTestBytes;

namespace {

const QString kLongText(300, QChar(0x221A)); // past 254 characters the length takes sixteen bits

// Rows 1 to 21 with a distinct value in every row, so that any two rows read in the wrong
// order or into the wrong field show up.
QByteArray DistinctRows() {
    QByteArray triangle;
    for (int i = 0; i < 14; ++i)
        triangle += Double(0.5 + i);
    return Word(2) + ShortString(u"A"_s) + ShortString(u"1"_s) + ShortString(u"\u03B1"_s) +
           ShortString(u"A+B"_s) // row 1
           + Word(2) + ShortString(u"A"_s) + ShortString(u"1"_s) + ShortString(u"\u03B1"_s) +
           ShortString(u"3"_s)                                     // row 2
           + Int32(31) + Int32(41) + Int32(51)                     // rows 3-5
           + triangle + Int32(71) + Int32(213)                     // rows 6-8
           + Word(1) + ShortString(u"1 meter = 3.280840 feet"_s)   // row 9
           + Double(2.25) + ShortString(u"3.280840"_s)             // 10, 11
           + Int32(2) + Int32(3) + Int32(4)                        // 12-14
           + Hex("fffeffff2c01") + Utf16(kLongText)                // row 15
           + Int32(5) + Int32(9) + Int32(16) + Int32(0) + Int32(1) // 16-20
           + Int32(10);                                            // row 21
}

TEST(SettingsFile, EveryRowLandsInItsFieldAndSavesBackIdentically) {
    C_VYXSettings settings;
    const QByteArray bytes = DistinctRows();
    EXPECT_EQ(LoadBytes(settings, bytes), 0);

    const QMap<QString, QString> definitions{{u"A"_s, u"1"_s}, {u"\u03B1"_s, u"A+B"_s}};
    const QMap<QString, QString> values{{u"A"_s, u"1"_s}, {u"\u03B1"_s, u"3"_s}};
    EXPECT_EQ(QList({settings.Var().definitions, settings.Var().values}),
              QList({definitions, values}));
    const C_VYXTriangleSolver& solver = settings.Trig().m_solver;
    EXPECT_EQ(QList<double>({solver.Value(0), solver.Value(13), settings.Convert().m_dValue}),
              QList<double>({0.5, 13.5, 2.25}));
    EXPECT_TRUE(solver.HasSecondSolution());
    EXPECT_EQ(settings.Convert().m_savedConversions, QStringList{u"1 meter = 3.280840 feet"_s});
    EXPECT_EQ(settings.Convert().m_strLastResult, u"3.280840"_s);
    const C_VYXCalcTextNFO& area = settings.CalcText();
    EXPECT_EQ(area.text, kLongText);
    const C_VYXConvertNFO& convert = settings.Convert();
    EXPECT_EQ(
        QList<qint32>({settings.KeyBoard().m_nLatinCaps, settings.KeyBoard().m_nGreekCaps,
                       settings.CMPLX().m_nAlwaysShowArgument, settings.Trig().m_nAngleUnit,
                       solver.AngleUnit(), convert.m_nCategoryIndex, convert.m_nFromIndex,
                       convert.m_nToIndex, area.selStart, area.selEnd, area.fontSize, area.showReal,
                       area.showRational, settings.BasicButtons().m_nDecimals}),
        QList<qint32>({31, 41, 51, 213, 213, 2, 3, 4, 5, 9, 16, 0, 1, 10}));

    EXPECT_EQ(StoredBytes(settings).toHex(), bytes.toHex());
}

/// The area record alone: its six rows.
QByteArray AreaBytes(const QString& text, qint32 start, qint32 end, qint32 font, qint32 real,
                     qint32 rational) {
    return ShortString(text) + Int32(start) + Int32(end) + Int32(font) + Int32(real) +
           Int32(rational);
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
