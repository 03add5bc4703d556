// SPDX-License-Identifier: MIT
// The settings object in the document file: every row in its field, load and save round trip.
#include "C_VYXArchive.h"
#include "C_VYXSettings.h"

#include "../platform/VyxTestBytes.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
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
    C_VYXArchive in = C_VYXArchive::ForLoading(bytes);
    settings.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0);

    const QMap<QString, QString> definitions{{u"A"_s, u"1"_s}, {u"\u03B1"_s, u"A+B"_s}};
    const QMap<QString, QString> values{{u"A"_s, u"1"_s}, {u"\u03B1"_s, u"3"_s}};
    EXPECT_EQ(settings.Var().definitions, definitions);
    EXPECT_EQ(settings.Var().values, values);
    EXPECT_EQ(settings.KeyBoard().m_nLatinCaps, 31);
    EXPECT_EQ(settings.KeyBoard().m_nGreekCaps, 41);
    EXPECT_EQ(settings.CMPLX().m_nAlwaysShowArgument, 51);
    EXPECT_EQ(settings.Trig().m_solver.Value(0), 0.5);
    EXPECT_EQ(settings.Trig().m_solver.Value(13), 13.5);
    EXPECT_TRUE(settings.Trig().m_solver.HasSecondSolution());
    EXPECT_EQ(settings.Trig().m_nAngleUnit, 213);
    EXPECT_EQ(settings.Trig().m_solver.AngleUnit(), 213);
    EXPECT_EQ(settings.Convert().m_savedConversions, QStringList{u"1 meter = 3.280840 feet"_s});
    EXPECT_EQ(settings.Convert().m_dValue, 2.25);
    EXPECT_EQ(settings.Convert().m_strLastResult, u"3.280840"_s);
    EXPECT_EQ(settings.Convert().m_nCategoryIndex, 2);
    EXPECT_EQ(settings.Convert().m_nFromIndex, 3);
    EXPECT_EQ(settings.Convert().m_nToIndex, 4);
    const C_VYXCalcTextNFO& area = settings.CalcText();
    EXPECT_EQ(area.text, kLongText);
    EXPECT_EQ(area.selStart, 5);
    EXPECT_EQ(area.selEnd, 9);
    EXPECT_EQ(area.fontSize, 16);
    EXPECT_EQ(area.showReal, 0);
    EXPECT_EQ(area.showRational, 1);
    EXPECT_EQ(settings.BasicButtons().m_nDecimals, 10);

    QByteArray saved;
    C_VYXArchive out = C_VYXArchive::ForStoring(&saved);
    settings.Serialize(out);
    EXPECT_EQ(saved.toHex(), bytes.toHex());
}

} // namespace
