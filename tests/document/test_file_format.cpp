// SPDX-License-Identifier: MIT
// Tests of the document file: exact bytes, every settings row in its field, the records' pending
// flags, round trips, damaged files and failed saves.
#include "DocumentTestSupport.h"

#include "../platform/VyxTestBytes.h"
#include "C_VYXCalcAreaModel.h"
#include "C_VYXDocumentFrame.h"
#include "C_VYXSettings.h"
#include "VYXCalculator.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace VyxTestBytes;

namespace {

class FakeFrame : public C_VYXDocumentFrame {
public:
    void RefreshPanels() override { ++refreshes; }
    bool GetWindowPlacement(C_VYXWindowPlacement& placement) override {
        if (hasWindow)
            placement = window;
        return hasWindow;
    }
    void ApplyWindowPlacement(const C_VYXWindowPlacement& placement) override {
        ++applied;
        window = placement;
    }
    void AddToRecentFiles(const QString& path) override { recent.append(path); }

    bool hasWindow = false;
    /// What the window's title would show.
    bool titleMarked = false;
    C_VYXWindowPlacement window;
    int applied = 0, refreshes = 0;
    QStringList recent;
};

// clang-format off
const C_VYXWindowPlacement kPlacement{.flags = 2, .maxX = -1, .maxY = -8, .minX = 3, .minY = 4,
    .normalBottom = 700, .normalLeft = 10, .normalRight = 900, .normalTop = 20,
    .showCommand = C_VYXWindowPlacement::kShowMaximized};
// clang-format on

/// Rows 1 to 21 of a new document.
QByteArray NewSettingsRows() {
    return Word(0) + Word(0) + Int32(1) + Int32(0) // no variables; Latin upper, Greek lower case
           + Int32(0) + QByteArray(14 * 8, 0)      // argument off, the triangle's two solutions
           + Int32(0) + Int32(102)                 // no second solution, radians
           + Word(0) + Double(1.0) + ShortString(QString()) // converter
           + Int32(0) + Int32(0) + Int32(1)                 // category, from-unit, to-unit
           + ShortString(QString()) + Int32(0) + Int32(0)   // area text, caret
           + Int32(12) + Int32(1) + Int32(1) + Int32(6);    // font size, real, rational, decimals
}

class FileFormatTest : public DocumentTestSupport::DocumentTest {
protected:
    FileFormatTest() {
        doc.SetFrame(&frame);
        QObject::connect(&doc, &C_VYXCalcAreaHost::modifiedChanged,
                         [this](bool modified) { frame.titleMarked = modified; });
    }

    /// A document with something in every kind of row, saved with a window placement.
    QByteArray RichDocumentBytes() {
        C_VYXScriptedMessageBoxes richBoxes;
        C_TOBRIK_CALCULATORDoc rich(richBoxes);
        FakeFrame richFrame;
        richFrame.hasWindow = true;
        richFrame.window = kPlacement;
        rich.SetFrame(&richFrame);
        rich.OnNewDocument();
        C_VYXCalcAreaModel area(rich);
        for (const QString& line : {u"a=2"_s, u"b=a*\u221A9"_s, u"1/3+b"_s}) {
            area.TypeText(line);
            area.PressEnter(false);
        }
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

    /// Exactly one error box was shown, and it names the file.
    void ExpectOneErrorBoxNaming(const QString& path) {
        ASSERT_EQ(boxes.Boxes().size(), 1);
        EXPECT_EQ(boxes.LastBox().caption, u"ERROR!!");
        EXPECT_TRUE(boxes.LastBox().text.contains(path));
    }

    /// The document gives right answers and saves.
    void ExpectUsable() {
        EXPECT_EQ(Calculate(u"6*7"_s), u"42\r\n");
        EXPECT_FALSE(doc.SaveToBytes().isEmpty());
    }

    QString WriteFile(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QByteArray ReadFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    FakeFrame frame;
    QTemporaryDir dir;
};

// ---- exact bytes ----

TEST_F(FileFormatTest, NewDocumentBytesFieldByFieldAndLoadThenSaveGivesTheSameBytes) {
    const QByteArray newRows = NewSettingsRows() + Int32(0);
    EXPECT_EQ(doc.SaveToBytes().toHex(), (newRows + Int32(0)).toHex());
    frame.hasWindow = true;
    frame.window = kPlacement;
    const QByteArray placementRows = Int32(1) + Int32(2) + Int32(44) + Int32(-1) + Int32(-8) +
                                     Int32(3) + Int32(4) + Int32(700) + Int32(10) + Int32(900) +
                                     Int32(20) + Int32(3);
    EXPECT_EQ(doc.SaveToBytes().toHex(), (newRows + placementRows).toHex());
    // Loading then saving gives the same bytes.
    const QByteArray original = RichDocumentBytes();
    frame.window = {}; // the loaded placement is applied, then asked for again
    ASSERT_TRUE(doc.LoadFromBytes(original, nullptr));
    EXPECT_EQ(frame.window, kPlacement);
    EXPECT_EQ(doc.SaveToBytes().toHex(), original.toHex());
}

TEST_F(FileFormatTest, OpeningRestoresTheWholeStateAndAFailedSaveLeavesTheOldFileIntact) {
    const QString path = WriteFile(u"work.vyx"_s, RichDocumentBytes());
    C_VYXCalcAreaModel area(doc);
    doc.CalculateLine(u"1+1"_s);
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.OnOpenDocument(path));

    EXPECT_TRUE(area.Text().startsWith(u"a=2\r\n//Variable: a=2\r\n"));
    EXPECT_EQ(area.SelectedText(), u"2\r\n");
    EXPECT_EQ(doc.Calculator().GetAngle(), "GRA");
    EXPECT_EQ(QList<int>({doc.CalculationCount(), doc.IsModified()}), QList<int>({0, 0}));
    EXPECT_EQ(frame.recent + QStringList({doc.PathName()}), QStringList({path, path}));
    EXPECT_GE(frame.refreshes, 1);
    EXPECT_EQ(doc.VariablesPanel().ListEntries(),
              QStringList({u"a = 2"_s, u"b = a*\u221A9 = 6"_s}));
    EXPECT_EQ(doc.CalculateLine(u"b*a"_s), u"12\r\n"); // the loaded variables are in use
    // Save writes the bytes, and a failed save leaves the old file intact.
    const QString good = dir.filePath(u"good.vyx"_s);
    doc.CalculateLine(u"v=5"_s);
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.OnSaveDocument(good));
    EXPECT_FALSE(doc.IsModified());
    const QByteArray oldBytes = ReadFile(good);
    EXPECT_EQ(oldBytes, doc.SaveToBytes());

    // A path whose parent is a file cannot be written, not even by root.
    const QString bad = good + u"/inside.vyx"_s;
    doc.CalculateLine(u"changed=1"_s);
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.OnSaveDocument(bad));
    ASSERT_NO_FATAL_FAILURE(ExpectOneErrorBoxNaming(bad));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.PathName(), good);
    EXPECT_EQ(ReadFile(good), oldBytes);
}

TEST_F(FileFormatTest, PlacementAbsentOrSkippedLeavesTheWindowAlone) {
    ASSERT_TRUE(doc.LoadFromBytes(NewSettingsRows() + Int32(5) + Int32(0), nullptr));
    EXPECT_EQ(frame.applied, 0);
    EXPECT_EQ(doc.SaveToBytes().right(8).toHex(), (Int32(5) + Int32(0)).toHex());
    // File Open skips the placement of the next load only.
    const QString path = WriteFile(u"placed.vyx"_s, RichDocumentBytes());
    ASSERT_TRUE(doc.OnOpenDocument(path, true));
    EXPECT_EQ(QList<int>({frame.applied, doc.IsSkippingNextPlacement()}), QList<int>({1, 1}));
    ASSERT_TRUE(doc.OnOpenDocument(path, false));
    EXPECT_EQ(QList<int>({frame.applied, doc.IsSkippingNextPlacement()}), QList<int>({1, 0}));
}

// ---- damaged files ----

TEST_F(FileFormatTest, EveryTruncationAndRandomByteFlipFailsCleanlyOrLoadsConsistently) {
    const QByteArray valid = RichDocumentBytes();
    doc.CalculateLine(u"keep=9"_s);
    const QByteArray before = doc.SaveToBytes();
    for (qsizetype length = 0; length < valid.size(); ++length) {
        QString error;
        ASSERT_FALSE(doc.LoadFromBytes(valid.left(length), &error) || error.isEmpty())
            << "length " << length;
        ASSERT_EQ(doc.SaveToBytes(), before) << "length " << length;
    }
    EXPECT_EQ(frame.applied, 0);
    ExpectUsable();
    EXPECT_EQ(doc.CalculateLine(u"keep+1"_s), u"10\r\n");
    // A damaged file either loads into a consistent document or is refused with the old one intact.
    C_VYXCalcAreaModel area(doc);
    QRandomGenerator random(20240601);
    for (int round = 0; round < 1500; ++round) {
        ASSERT_TRUE(doc.LoadFromBytes(valid, nullptr));
        const QByteArray before = doc.SaveToBytes();
        QByteArray damaged = valid;
        for (int i = 1 + int(random.bounded(3)); i > 0; --i)
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
        ExpectUsable();
        if (HasFailure())
            FAIL() << "round " << round;
    }
}

TEST_F(FileFormatTest, OpeningADamagedOrMissingFileReportsItAndKeepsTheDocument) {
    const QString damaged = WriteFile(u"short.vyx"_s, RichDocumentBytes().left(40));
    const QString missing = dir.filePath(u"nothing-here.vyx"_s);
    C_VYXCalcAreaModel area(doc);
    for (const QString& line : {u"2*3"_s, u"keep=9"_s}) {
        area.TypeText(line);
        area.PressEnter(false);
    }
    area.TypeText(u"1+1"_s);
    area.SetSelection(1, 2);
    const QString text = area.Text();
    ASSERT_EQ(doc.CalculationCount(), 1); // a counter that a reset would change
    for (const bool modified : {true, false})
        for (const QString& path : {damaged, missing}) {
            SCOPED_TRACE(path.toStdString() + (modified ? " modified" : " saved"));
            boxes.Reset();
            doc.SetModifiedFlag(modified);
            const QByteArray before = doc.SaveToBytes();
            EXPECT_FALSE(doc.OnOpenDocument(path));
            ASSERT_NO_FATAL_FAILURE(ExpectOneErrorBoxNaming(path));
            EXPECT_TRUE(path == missing || boxes.LastBox().text.contains(u"damaged"_s));
            // Unsaved work is still unsaved, and the title still says so.
            EXPECT_EQ(QList({doc.IsModified(), frame.titleMarked}), QList({modified, modified}));
            EXPECT_EQ(doc.SaveToBytes(), before); // text, caret, settings, counter
            EXPECT_EQ(area.Text(), text);
            EXPECT_TRUE(doc.PathName().isEmpty() && frame.recent.isEmpty());
            EXPECT_EQ(doc.CalculateLine(u"keep"_s), u"9\r\n");
        }
}

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
