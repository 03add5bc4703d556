// SPDX-License-Identifier: MIT
// Tests of the document file: exact bytes, round trips, damaged files and failed saves.
#include "DocumentTestSupport.h"

#include "../platform/VyxTestBytes.h"
#include "C_VYXArchive.h"
#include "C_VYXCalcAreaModel.h"
#include "C_VYXDocumentFrame.h"
#include "VYXCalculator.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace VyxTestBytes;

namespace {

class FakeFrame : public C_VYXDocumentFrame {
public:
    void RefreshPanels() override { ++refreshes; }
    bool GetWindowPlacement(C_VYXWindowPlacement& placement) override {
        if (!hasWindow)
            return false;
        placement = window;
        return true;
    }
    void ApplyWindowPlacement(const C_VYXWindowPlacement& placement) override {
        ++applied;
        window = placement;
    }
    void AddToRecentFiles(const QString& path) override { recent.append(path); }

    bool hasWindow = false;
    C_VYXWindowPlacement window;
    int applied = 0;
    int refreshes = 0;
    QStringList recent;
};

C_VYXWindowPlacement SomePlacement() {
    C_VYXWindowPlacement placement;
    placement.flags = 2;
    placement.maxX = -1;
    placement.maxY = -8;
    placement.minX = 3;
    placement.minY = 4;
    placement.normalBottom = 700;
    placement.normalLeft = 10;
    placement.normalRight = 900;
    placement.normalTop = 20;
    placement.showCommand = C_VYXWindowPlacement::kShowMaximized;
    return placement;
}

QByteArray String(const QString& text) {
    if (text.size() < 255)
        return ShortString(text);
    return Hex("fffeffff") + Word(quint16(text.size())) + Utf16(text);
}

/// Rows 1 to 21 of a new document, with the given area text and variables map bytes.
QByteArray NewSettingsRows(const QByteArray& variableRows, const QString& text) {
    QByteArray bytes = variableRows;
    bytes += Int32(1) + Int32(0); // palettes: Latin upper case, Greek lower case
    bytes += Int32(0);            // argument display off
    for (int i = 0; i < 14; ++i)
        bytes += Double(0.0); // the triangle's two solutions
    bytes += Int32(0);        // no second solution
    bytes += Int32(102);      // radians
    bytes += Word(0);         // no saved conversions
    bytes += Double(1.0);     // value to convert
    bytes += String(QString());
    bytes += Int32(0) + Int32(0) + Int32(1); // category, from-unit, to-unit
    bytes += String(text);
    bytes += Int32(int(text.size())) + Int32(int(text.size())); // caret at the end
    bytes += Int32(12) + Int32(1) + Int32(1);                   // font size, real, rational
    bytes += Int32(6);                                          // decimals
    return bytes;
}

const QByteArray EmptyMaps = Word(0) + Word(0);

class FileFormatTest : public DocumentTestSupport::DocumentTest {
protected:
    FileFormatTest() { doc.SetFrame(&frame); }

    /// A document with something in every kind of row, saved with a window placement.
    QByteArray RichDocumentBytes() {
        C_VYXScriptedMessageBoxes richBoxes;
        C_TOBRIK_CALCULATORDoc rich(richBoxes);
        FakeFrame richFrame;
        richFrame.hasWindow = true;
        richFrame.window = SomePlacement();
        rich.SetFrame(&richFrame);
        rich.OnNewDocument();
        C_VYXCalcAreaModel area(rich);
        area.TypeText(u"a=2"_s);
        area.PressEnter(false);
        area.TypeText(u"b=a*\u221A9"_s);
        area.PressEnter(false);
        area.TypeText(u"1/3+b"_s);
        area.PressEnter(false);
        area.SetSelection(2, 5);
        C_VYXSettings& settings = rich.Settings();
        settings.Trig().m_nAngleUnit = VYX_ANGLE_GRA;
        settings.BasicButtons().m_nDecimals = 4;
        settings.CalcText().fontSize = 16;
        settings.CalcText().showReal = 0;
        settings.CMPLX().m_nAlwaysShowArgument = 1;
        settings.KeyBoard().m_nLatinCaps = 0;
        settings.Convert().m_savedConversions = QStringList({u"1 m = 100 cm"_s, u"x"_s});
        settings.Convert().m_dValue = 2.5;
        settings.Convert().m_nCategoryIndex = 3;
        return rich.SaveToBytes();
    }

    /// The document gives right answers and saves.
    void ExpectUsable(C_TOBRIK_CALCULATORDoc& document) {
        document.Settings().CalcText().showReal = 1;
        document.Settings().CalcText().showRational = 1;
        EXPECT_EQ(document.CalculateLine(u"6*7"_s), u"42\r\n");
        EXPECT_FALSE(document.SaveToBytes().isEmpty());
    }

    /// Writes bytes to a new file in the temporary directory and gives its path.
    QString WriteFile(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    FakeFrame frame;
    QTemporaryDir dir;
};

// ---- exact bytes ----

TEST_F(FileFormatTest, NewDocumentWithoutWindowEndsAfterTheCounter) {
    const QByteArray expected = NewSettingsRows(EmptyMaps, QString()) + Int32(0) + Int32(0);
    EXPECT_EQ(doc.SaveToBytes().toHex(), expected.toHex());
}

TEST_F(FileFormatTest, NewDocumentWithWindowWritesThePlacementFieldByField) {
    frame.hasWindow = true;
    frame.window = SomePlacement();
    const QByteArray placementRows = Int32(1) + Int32(2) + Int32(44) + Int32(-1) + Int32(-8) +
                                     Int32(3) + Int32(4) + Int32(700) + Int32(10) + Int32(900) +
                                     Int32(20) + Int32(3);
    const QByteArray expected = NewSettingsRows(EmptyMaps, QString()) + Int32(0) + placementRows;
    EXPECT_EQ(doc.SaveToBytes().toHex(), expected.toHex());
}

TEST_F(FileFormatTest, LongTextUsesTheSixteenBitLength) {
    C_VYXCalcAreaModel area(doc);
    const QString text(300, u'x');
    area.TypeText(text);
    const QByteArray bytes = doc.SaveToBytes();
    EXPECT_TRUE(bytes.contains(Hex("fffeffff2c01") + Utf16(text)));
    EXPECT_EQ(bytes.toHex(), (NewSettingsRows(EmptyMaps, text) + Int32(0) + Int32(0)).toHex());
}

TEST_F(FileFormatTest, TwoVariablesWriteCountTwoAndFourStrings) {
    doc.CalculateLine(u"a=1"_s);
    doc.CalculateLine(u"b=a+1"_s);
    const QByteArray maps = Word(2) + ShortString(u"a"_s) + ShortString(u"1"_s) +
                            ShortString(u"b"_s) + ShortString(u"a+1"_s) + Word(2) +
                            ShortString(u"a"_s) + ShortString(u"1"_s) + ShortString(u"b"_s) +
                            ShortString(u"2"_s);
    const QByteArray expected = NewSettingsRows(maps, QString()) + Int32(0) + Int32(0);
    EXPECT_EQ(doc.SaveToBytes().toHex(), expected.toHex());
}

TEST_F(FileFormatTest, CounterIsWrittenAsItStands) {
    doc.CalculateLine(u"1+1"_s);
    doc.CalculateLine(u"2+2"_s);
    EXPECT_EQ(doc.SaveToBytes().right(8).toHex(), (Int32(2) + Int32(0)).toHex());
}

// ---- round trips ----

TEST_F(FileFormatTest, LoadThenSaveGivesTheSameBytes) {
    const QByteArray original = RichDocumentBytes();
    frame.hasWindow = true; // the loaded placement is applied, then asked for again
    QString error;
    ASSERT_TRUE(doc.LoadFromBytes(original, &error)) << error.toStdString();
    EXPECT_EQ(frame.applied, 1);
    EXPECT_EQ(frame.window, SomePlacement());
    EXPECT_EQ(doc.SaveToBytes().toHex(), original.toHex());
}

TEST_F(FileFormatTest, OpeningRestoresTheWholeState) {
    const QString path = WriteFile(u"work.vyx"_s, RichDocumentBytes());

    C_VYXCalcAreaModel area(doc);
    doc.CalculateLine(u"1+1"_s);
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.OnOpenDocument(path));

    EXPECT_TRUE(area.Text().startsWith(u"a=2\r\n//Variable: a=2\r\n"));
    EXPECT_EQ(area.SelectionStart(), 2);
    EXPECT_EQ(area.SelectionEnd(), 5);
    const C_VYXSettings& settings = doc.Settings();
    EXPECT_EQ(settings.CalcText().fontSize, 16);
    EXPECT_EQ(settings.CalcText().fontChanged, 1);
    EXPECT_EQ(settings.CalcText().showReal, 0);
    EXPECT_EQ(settings.BasicButtons().m_nDecimals, 4);
    EXPECT_EQ(settings.Var().values.value(u"b"_s), u"6");
    EXPECT_EQ(settings.Convert().m_savedConversions.size(), 2);
    EXPECT_EQ(doc.Calculator().GetAngle(), "GRA");
    EXPECT_EQ(doc.CalculationCount(), 0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.PathName(), path);
    EXPECT_EQ(frame.recent, QStringList({path}));
    EXPECT_GE(frame.refreshes, 1);
    EXPECT_EQ(doc.VariablesPanel().ListEntries(),
              QStringList({u"a = 2"_s, u"b = a*\u221A9 = 6"_s}));
    // The loaded variables are in use.
    EXPECT_EQ(doc.CalculateLine(u"b*a"_s), u"12\r\n");
}

TEST_F(FileFormatTest, PlacementAbsentLeavesTheWindowAlone) {
    ASSERT_TRUE(
        doc.LoadFromBytes(NewSettingsRows(EmptyMaps, QString()) + Int32(5) + Int32(0), nullptr));
    EXPECT_EQ(frame.applied, 0);
    EXPECT_EQ(doc.SaveToBytes().right(8).toHex(), (Int32(5) + Int32(0)).toHex());
}

TEST_F(FileFormatTest, FileOpenCommandSkipsThePlacementOfTheNextLoad) {
    const QString path = WriteFile(u"placed.vyx"_s, RichDocumentBytes());

    ASSERT_TRUE(doc.OnOpenDocument(path, true));
    EXPECT_EQ(frame.applied, 1);
    EXPECT_TRUE(doc.IsSkippingNextPlacement());
    ASSERT_TRUE(doc.OnOpenDocument(path, false));
    EXPECT_EQ(frame.applied, 1);
    EXPECT_FALSE(doc.IsSkippingNextPlacement());
}

// ---- damaged files ----

TEST_F(FileFormatTest, EveryTruncationFailsCleanlyAndChangesNothing) {
    const QByteArray valid = RichDocumentBytes();
    doc.CalculateLine(u"keep=9"_s);
    const QByteArray before = doc.SaveToBytes();
    for (qsizetype length = 0; length < valid.size(); ++length) {
        QString error;
        ASSERT_FALSE(doc.LoadFromBytes(valid.left(length), &error)) << "length " << length;
        ASSERT_FALSE(error.isEmpty()) << "length " << length;
        ASSERT_EQ(doc.SaveToBytes(), before) << "length " << length;
    }
    EXPECT_EQ(frame.applied, 0);
    ExpectUsable(doc);
    EXPECT_EQ(doc.CalculateLine(u"keep+1"_s), u"10\r\n");
}

TEST_F(FileFormatTest, RandomByteFlipsNeverBreakTheDocument) {
    const QByteArray valid = RichDocumentBytes();
    C_VYXCalcAreaModel area(doc);
    QRandomGenerator random(20240601);
    for (int round = 0; round < 1500; ++round) {
        // Each round starts from the valid document.
        ASSERT_TRUE(doc.LoadFromBytes(valid, nullptr));
        const QByteArray before = doc.SaveToBytes();
        QByteArray damaged = valid;
        const int flips = 1 + int(random.bounded(3));
        for (int i = 0; i < flips; ++i)
            damaged[random.bounded(int(damaged.size()))] = char(random.bounded(256));
        QString error;
        if (doc.LoadFromBytes(damaged, &error)) {
            area.OnUpdate();
            EXPECT_LE(area.SelectionEnd(), area.Text().size());
            const C_VYXVarNFO& variables = doc.Settings().Var();
            ASSERT_EQ(variables.definitions.keys(), variables.values.keys()) << "round " << round;
            doc.ApplyAngleUnit();
            doc.VariablesPanel().RefreshList();
            area.PressEnter(false);
        } else {
            ASSERT_FALSE(error.isEmpty()) << "round " << round;
            ASSERT_EQ(doc.SaveToBytes(), before) << "round " << round;
        }
        ExpectUsable(doc);
        if (HasFailure())
            FAIL() << "round " << round;
    }
}

TEST_F(FileFormatTest, OpeningADamagedFileReportsItAndKeepsTheDocument) {
    const QString path = WriteFile(u"short.vyx"_s, RichDocumentBytes().left(40));
    doc.CalculateLine(u"keep=9"_s);
    doc.CalculateLine(u"1+1"_s);
    doc.SetModifiedFlag();

    EXPECT_FALSE(doc.OnOpenDocument(path));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.LastBox().caption, u"ERROR!!");
    EXPECT_TRUE(boxes.LastBox().text.contains(path));
    EXPECT_TRUE(boxes.LastBox().text.contains(u"damaged"_s));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.CalculationCount(), 0);
    EXPECT_TRUE(doc.PathName().isEmpty());
    EXPECT_TRUE(frame.recent.isEmpty());
    EXPECT_EQ(doc.CalculateLine(u"keep"_s), u"9\r\n");
}

TEST_F(FileFormatTest, OpeningAMissingFileReportsIt) {
    const QString path = dir.filePath(u"nothing-here.vyx"_s);
    EXPECT_FALSE(doc.OnOpenDocument(path));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_TRUE(boxes.LastBox().text.contains(path));
    ExpectUsable(doc);
}

// ---- saving ----

TEST_F(FileFormatTest, SaveWritesTheBytesAndClearsModified) {
    const QString path = dir.filePath(u"saved.vyx"_s);
    doc.CalculateLine(u"v=5"_s);
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.PathName(), path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), doc.SaveToBytes());
}

TEST_F(FileFormatTest, FailedSaveReportsAndLeavesTheOldFileIntact) {
    const QString good = dir.filePath(u"good.vyx"_s);
    ASSERT_TRUE(doc.OnSaveDocument(good));
    QFile goodFile(good);
    ASSERT_TRUE(goodFile.open(QIODevice::ReadOnly));
    const QByteArray oldBytes = goodFile.readAll();
    goodFile.close();

    // A path whose parent is a file cannot be written, not even by root.
    const QString bad = good + u"/inside.vyx"_s;
    doc.CalculateLine(u"changed=1"_s);
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.OnSaveDocument(bad));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.LastBox().caption, u"ERROR!!");
    EXPECT_TRUE(boxes.LastBox().text.contains(bad));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.PathName(), good);
    ASSERT_TRUE(goodFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(goodFile.readAll(), oldBytes);
    EXPECT_FALSE(QFile::exists(bad));
}

} // namespace
