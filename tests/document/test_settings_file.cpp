// SPDX-License-Identifier: MIT
// The settings object in the document file: rows 1 to 21 byte for byte, round trips, damage.
#include "C_VYXArchive.h"
#include "C_VYXSettings.h"

#include "../platform/VyxTestBytes.h"

#include <gtest/gtest.h>

using namespace VyxTestBytes;

namespace {

QByteArray Save(C_VYXSettings& settings) {
    QByteArray bytes;
    C_VYXArchive ar = C_VYXArchive::ForStoring(&bytes);
    settings.Serialize(ar);
    return bytes;
}

void Load(C_VYXSettings& settings, const QByteArray& bytes) {
    C_VYXArchive ar = C_VYXArchive::ForLoading(bytes);
    settings.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0);
}

QByteArray FourteenDoubles(double first, double step) {
    QByteArray out;
    for (int i = 0; i < 14; ++i) {
        out += Double(first + step * i);
    }
    return out;
}

// Rows 1 to 21 with a distinct value in every row, so that any two rows read in the wrong
// order or into the wrong field show up.
QByteArray DistinctRows() {
    return Word(2) + ShortString(QStringLiteral("A")) + ShortString(QStringLiteral("1")) +
           ShortString(QStringLiteral("C")) + ShortString(QStringLiteral("A+B")) // row 1
           + Word(2) + ShortString(QStringLiteral("A")) + ShortString(QStringLiteral("1")) +
           ShortString(QStringLiteral("C")) + ShortString(QStringLiteral("3")) // row 2
           + Int32(31) + Int32(41)                                             // rows 3, 4
           + Int32(51)                                                         // row 5
           + FourteenDoubles(0.5, 1.0) + Int32(71)                             // rows 6, 7
           + Int32(213)                                                        // row 8
           + Word(1) + ShortString(QStringLiteral("1 meter = 3.280840 feet"))  // row 9
           + Double(2.25)                                                      // row 10
           + ShortString(QStringLiteral("3.280840"))                           // row 11
           + Int32(2) + Int32(3) + Int32(4)                                    // rows 12-14
           + ShortString(QStringLiteral("1/3\r\n1/3 //≈0.333333\r\n"))         // row 15
           + Int32(5) + Int32(9) + Int32(16) + Int32(0) + Int32(1)             // rows 16-20
           + Int32(10);                                                        // row 21
}

TEST(SettingsFile, NewDocumentWritesTheDefaultRowsByteForByte) {
    C_VYXSettings settings;
    const QByteArray expected = Word(0) + Word(0)        // rows 1, 2: empty maps
                                + Int32(1) + Int32(0)    // rows 3, 4: Latin upper, Greek lower
                                + Int32(0)               // row 5: no argument
                                + QByteArray(14 * 8, 0)  // row 6: fourteen 0.0
                                + Int32(0) + Int32(102)  // rows 7, 8: no second, radians
                                + Word(0) + Double(1.0)  // rows 9, 10
                                + ShortString(QString()) // row 11
                                + Int32(0) + Int32(0) + Int32(1) // rows 12-14
                                + ShortString(QString())         // row 15
                                + Int32(0) + Int32(0) + Int32(12) + Int32(1) + Int32(1) // 16-20
                                + Int32(6);                                             // 21
    EXPECT_EQ(Save(settings).toHex(), expected.toHex());
}

TEST(SettingsFile, EveryRowLandsInItsField) {
    C_VYXSettings settings;
    Load(settings, DistinctRows());

    const QMap<QString, QString> definitions{{QStringLiteral("A"), QStringLiteral("1")},
                                             {QStringLiteral("C"), QStringLiteral("A+B")}};
    const QMap<QString, QString> values{{QStringLiteral("A"), QStringLiteral("1")},
                                        {QStringLiteral("C"), QStringLiteral("3")}};
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
    EXPECT_EQ(settings.Convert().m_savedConversions,
              QStringList{QStringLiteral("1 meter = 3.280840 feet")});
    EXPECT_EQ(settings.Convert().m_dValue, 2.25);
    EXPECT_EQ(settings.Convert().m_strLastResult, QStringLiteral("3.280840"));
    EXPECT_EQ(settings.Convert().m_nCategoryIndex, 2);
    EXPECT_EQ(settings.Convert().m_nFromIndex, 3);
    EXPECT_EQ(settings.Convert().m_nToIndex, 4);
    const C_VYXCalcTextNFO& area = settings.CalcText();
    EXPECT_EQ(area.text, QStringLiteral("1/3\r\n1/3 //≈0.333333\r\n"));
    EXPECT_EQ(area.selStart, 5);
    EXPECT_EQ(area.selEnd, 9);
    EXPECT_EQ(area.fontSize, 16);
    EXPECT_EQ(area.showReal, 0);
    EXPECT_EQ(area.showRational, 1);
    EXPECT_EQ(settings.BasicButtons().m_nDecimals, 10);
}

TEST(SettingsFile, LoadThenSaveGivesIdenticalBytes) {
    C_VYXSettings settings;
    Load(settings, DistinctRows());
    EXPECT_EQ(Save(settings).toHex(), DistinctRows().toHex());
}

TEST(SettingsFile, ChangedSettingsSurviveSaveAndLoad) {
    C_VYXSettings original;
    original.Var().definitions.insert(QStringLiteral("α"), QStringLiteral("2π"));
    original.Var().values.insert(QStringLiteral("α"), QStringLiteral("6.283185"));
    original.KeyBoard().m_nGreekCaps = 1;
    original.CMPLX().m_nAlwaysShowArgument = 1;
    original.Trig().m_nAngleUnit = 214;
    original.Convert().m_savedConversions = {QStringLiteral("x"), QStringLiteral("y")};
    original.CalcText().text = QString(300, QChar(0x221A));
    original.CalcText().selStart = 300;
    original.CalcText().selEnd = 300;
    original.CalcText().fontSize = 8;
    original.CalcText().showRational = 0;
    original.BasicButtons().m_nDecimals = 3;
    const QByteArray bytes = Save(original);

    C_VYXSettings loaded;
    Load(loaded, bytes);
    EXPECT_EQ(loaded.Var().definitions, original.Var().definitions);
    EXPECT_EQ(loaded.Var().values, original.Var().values);
    EXPECT_EQ(loaded.KeyBoard().m_nGreekCaps, 1);
    EXPECT_EQ(loaded.CMPLX().m_nAlwaysShowArgument, 1);
    EXPECT_EQ(loaded.Trig().m_nAngleUnit, 214);
    EXPECT_EQ(loaded.Convert().m_savedConversions, original.Convert().m_savedConversions);
    EXPECT_EQ(loaded.CalcText().text, original.CalcText().text);
    EXPECT_EQ(loaded.CalcText().selEnd, 300);
    EXPECT_EQ(loaded.CalcText().fontSize, 8);
    EXPECT_EQ(loaded.CalcText().showReal, 1);
    EXPECT_EQ(loaded.CalcText().showRational, 0);
    EXPECT_EQ(loaded.BasicButtons().m_nDecimals, 3);
    EXPECT_EQ(Save(loaded), bytes);
}

} // namespace
