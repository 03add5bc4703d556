// SPDX-License-Identifier: MIT
// Tests of vyxcalc's document mode: lines entered at the end, settings, loading and saving.
#include "C_VYXScriptedMessageBoxes.h"
#include "DocumentModeRunner.h"
#include "QStringPrinter.h"
#include "VYXCalculator.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

VyxcalcOptions OptionsFor(const std::vector<std::string>& args) {
    const VyxcalcParseResult parsed = ParseVyxcalcOptions(args);
    EXPECT_TRUE(parsed.Ok()) << parsed.error;
    return parsed.options;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

/// The main window of the desktop program, as far as saving a placement goes.
class WindowFrame : public C_VYXDocumentFrame {
public:
    bool GetWindowPlacement(C_VYXWindowPlacement& placement) override {
        placement = window;
        return true;
    }
    C_VYXWindowPlacement window;
};

/// Bytes of a document the desktop program could have saved: `prepare` sets it up.
template <typename Prepare>
QByteArray DesktopDocument(Prepare prepare, C_VYXDocumentFrame* frame = nullptr) {
    C_VYXScriptedMessageBoxes boxes;
    C_TOBRIK_CALCULATORDoc document(boxes);
    document.SetFrame(frame);
    document.OnNewDocument();
    prepare(document);
    return document.SaveToBytes();
}

// ---- lines entered one after another on a new document ----

struct SessionCase {
    const char* name;
    std::vector<std::string> args; ///< options, then the lines
    std::vector<const char16_t*> printed;
    const char16_t* text;
    int calculations;
};

void PrintTo(const SessionCase& c, std::ostream* out) {
    *out << c.name;
}

class DocumentSession : public testing::TestWithParam<SessionCase> {};

TEST_P(DocumentSession, PrintsWhatEnterWroteAndKeepsTheText) {
    const SessionCase& c = GetParam();
    const VyxcalcOptions options = OptionsFor(c.args);
    C_VYXScriptedMessageBoxes boxes;
    std::ostringstream out;
    DocumentModeRunner runner(options, boxes, out, false);
    ASSERT_TRUE(runner.Open());

    std::vector<QString> printed;
    for (const std::string& line : options.inputs)
        printed.push_back(runner.EnterLine(QString::fromStdString(line)));
    ASSERT_EQ(printed.size(), c.printed.size());
    for (std::size_t i = 0; i < printed.size(); ++i)
        EXPECT_EQ(printed[i], QString::fromUtf16(c.printed[i])) << "line " << i;
    EXPECT_EQ(runner.Area().Text(), QString::fromUtf16(c.text));
    EXPECT_EQ(runner.Document().CalculationCount(), c.calculations);
    EXPECT_EQ(boxes.Boxes().size(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Vyxcalc, DocumentSession,
    testing::Values(
        SessionCase{"RationalWithItsApproximation",
                    {"1/2+1/(2+3+1/7)"},
                    {u"25/36 //\u22480.694444"},
                    u"1/2+1/(2+3+1/7)\r\n25/36 //\u22480.694444\r\n",
                    1},
        SessionCase{"IntegerRationalWithoutApproximation", {"4/2"}, {u"2"}, u"4/2\r\n2\r\n", 1},
        SessionCase{
            "ComplexDoubleOnlyDecimal", {"SQRT2"}, {u"1.414214"}, u"SQRT2\r\n1.414214\r\n", 1},
        SessionCase{
            "OnlyRational", {"--display", "rational", "1/3"}, {u"1/3"}, u"1/3\r\n1/3\r\n", 1},
        SessionCase{"OnlyRealWithDecimals",
                    {"--display=real", "--decimals", "3", "1/3"},
                    {u"0.333"},
                    u"1/3\r\n0.333\r\n",
                    1},
        SessionCase{"ArgumentInDegrees",
                    {"--argument", "--angle", "deg", "1+i"},
                    {u"1+i ARGUMENT:45.000000 Degrees"},
                    u"1+i\r\n1+i ARGUMENT:45.000000 Degrees\r\n",
                    1},
        SessionCase{"RealResultNeverShowsArgument", {"--argument", "2"}, {u"2"}, u"2\r\n2\r\n", 1},
        SessionCase{
            "AngleReachesTheEngine", {"--angle", "gra", "SIN100"}, {u"1"}, u"SIN100\r\n1\r\n", 1},
        SessionCase{"AssignmentThenUse",
                    {"x=3", "x*2"},
                    {u"//Variable: x=3", u"6"},
                    u"x=3\r\n//Variable: x=3\r\nx*2\r\n6\r\n",
                    1},
        SessionCase{
            "CommentAndEmptyLineWriteNothing", {"//note", ""}, {u"", u""}, u"//note\r\n\r\n", 0},
        SessionCase{"TrailingCommentIsDropped", {"2+3 //note"}, {u"5"}, u"2+3 //note\r\n5\r\n", 1},
        SessionCase{"ErrorAsCommentNotCounted",
                    {"1/0"},
                    {u"//ERRROR!! DIVISION BY ZERO!!"},
                    u"1/0\r\n//ERRROR!! DIVISION BY ZERO!!\r\n",
                    0},
        SessionCase{"MultiLineErrorKeepsInnerBreaks",
                    {"2+3)"},
                    {u"//ERROR!! NOT EQUAL NUMBER OF BRACES!!\r\nNUMBER OF LEFTBRACES=0\r\n"
                     u"NUMBER OF RIGHTBRACES=1\r\n"},
                    u"2+3)\r\n//ERROR!! NOT EQUAL NUMBER OF BRACES!!\r\nNUMBER OF LEFTBRACES=0\r\n"
                    u"NUMBER OF RIGHTBRACES=1\r\n\r\n",
                    0},
        SessionCase{"ClsClearsAndWritesNothing", {"1+1", "cls"}, {u"2", u""}, u"", 1},
        SessionCase{"ClsThenGoesOn", {"1+1", "CLS", "2*3"}, {u"2", u"", u"6"}, u"2*3\r\n6\r\n", 2},
        SessionCase{"DisplaySymbolsTranslated",
                    {"\xe2\x88\x9a"
                     "9+2\xc2\xb2"},
                    {u"7"},
                    u"\u221a9+2\u00b2\r\n7\r\n",
                    1}));

// ---- message boxes ----

TEST(VyxcalcDocumentMode, OverwriteQuestionIsAskedAndAnsweredByTheBoxes) {
    C_VYXScriptedMessageBoxes boxes;
    boxes.QueueAnswer(C_VYXMessageBoxes::Answer::Yes);
    std::ostringstream out;
    DocumentModeRunner runner(OptionsFor({}), boxes, out, false);
    ASSERT_TRUE(runner.Open());
    runner.EnterLine(u"x=1"_s);
    EXPECT_EQ(runner.EnterLine(u"x=2"_s), u"//Variable: x=2"_s);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.LastBox().caption, u"OVERWRITE?"_s);
    EXPECT_EQ(boxes.LastBox().text, u"The variable name\nx\nalready exists!! Overwrite?"_s);
    EXPECT_EQ(runner.Document().Settings().Var().values.value(u"x"_s), u"2"_s);
}

TEST(VyxcalcDocumentMode, EmptyVariableNameIsAnErrorBoxAndWritesNothing) {
    C_VYXScriptedMessageBoxes boxes;
    std::ostringstream out;
    DocumentModeRunner runner(OptionsFor({}), boxes, out, false);
    ASSERT_TRUE(runner.Open());
    EXPECT_EQ(runner.EnterLine(u"=5"_s), QString());
    EXPECT_EQ(boxes.LastBox().caption, u"ERROR!!"_s);
    EXPECT_EQ(boxes.LastBox().text, u"No variable name entered!!"_s);
    EXPECT_EQ(runner.Area().Text(), u"=5\r\n"_s);
}

// ---- printing and splitting ----

TEST(VyxcalcDocumentMode, PrintsOneLinePerInputWithUnixBreaks) {
    C_VYXScriptedMessageBoxes boxes;
    std::ostringstream out;
    DocumentModeRunner runner(OptionsFor({}), boxes, out, false);
    ASSERT_TRUE(runner.Open());
    std::istringstream in("1/3\r\n//c\n2+3)\nx=2");
    runner.EnterStream(in);
    EXPECT_EQ(out.str(), "1/3 //\xe2\x89\x88"
                         "0.333333\n\n"
                         "//ERROR!! NOT EQUAL NUMBER OF BRACES!!\nNUMBER OF LEFTBRACES=0\n"
                         "NUMBER OF RIGHTBRACES=1\n\n"
                         "//Variable: x=2\n");
}

TEST(VyxcalcDocumentMode, ArgumentWithLineBreaksIsSeveralLines) {
    C_VYXScriptedMessageBoxes boxes;
    std::ostringstream out;
    DocumentModeRunner runner(OptionsFor({}), boxes, out, false);
    ASSERT_TRUE(runner.Open());
    runner.EnterAll({"1+1\n2+2\r3+3\r\n"});
    EXPECT_EQ(out.str(), "2\n4\n6\n");
}

struct SplitCase {
    const char* name;
    const char16_t* text;
    QStringList lines;
};

void PrintTo(const SplitCase& c, std::ostream* out) {
    *out << c.name;
}

class SplitLines : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLines, AtEveryKindOfBreak) {
    EXPECT_EQ(DocumentModeRunner::SplitLines(QString::fromUtf16(GetParam().text)),
              GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Vyxcalc, SplitLines,
    testing::Values(
        SplitCase{"EmptyIsOneEmptyLine", u"", {u""_s}},
        SplitCase{"LoneBreakIsOneEmptyLine", u"\r", {u""_s}},
        SplitCase{"FinalBreakEndsTheLine", u"a\r\n", {u"a"_s}},
        SplitCase{"MixedBreaks", u"a\rb\nc\r\nd", {u"a"_s, u"b"_s, u"c"_s, u"d"_s}},
        SplitCase{"EmptyLinesInside", u"a\n\n\nb\n\n", {u"a"_s, u""_s, u""_s, u"b"_s, u""_s}}));

// ---- documents on disk ----

class DocumentFile : public testing::Test {
protected:
    VyxcalcOptions Options(std::vector<std::string> args) {
        args.insert(args.begin(), {"--file", path.toStdString()});
        return OptionsFor(args);
    }

    QTemporaryDir directory;
    QString path = directory.filePath(u"work.vyx"_s);
    C_VYXScriptedMessageBoxes boxes;
    std::ostringstream out;
};

TEST_F(DocumentFile, MissingFileStartsANewDocumentAndIsCreated) {
    {
        DocumentModeRunner runner(Options({}), boxes, out, false);
        ASSERT_TRUE(runner.Open());
        EXPECT_EQ(runner.EnterLine(u"x=2"_s), u"//Variable: x=2"_s);
        EXPECT_EQ(runner.EnterLine(u"x/3"_s), u"2/3 //\u22480.666667"_s);
        ASSERT_TRUE(runner.Finish());
    }
    C_TOBRIK_CALCULATORDoc reloaded(boxes);
    ASSERT_TRUE(reloaded.OnOpenDocument(path));
    const C_VYXCalcTextNFO& area = reloaded.Settings().CalcText();
    const QString text = u"x=2\r\n//Variable: x=2\r\nx/3\r\n2/3 //\u22480.666667\r\n"_s;
    EXPECT_EQ(area.text, text);
    EXPECT_EQ(area.selStart, text.size());
    EXPECT_EQ(area.selEnd, text.size());
    EXPECT_EQ(reloaded.Settings().Var().definitions.value(u"x"_s), u"2"_s);
    EXPECT_EQ(boxes.Boxes().size(), 0);
    // A new document has no window placement: the file ends after row 23 = 0.
    EXPECT_TRUE(ReadFile(path).endsWith(QByteArray(4, '\0')));
}

TEST_F(DocumentFile, LinesAreAppendedAfterTheLoadedText) {
    WriteFile(path, DesktopDocument([](C_TOBRIK_CALCULATORDoc& document) {
                  C_VYXCalcTextNFO& area = document.Settings().CalcText();
                  area.text = u"1+1\r\n2\r\n"_s;
                  area.selStart = area.selEnd = 1; // the caret somewhere inside
              }));
    DocumentModeRunner runner(Options({}), boxes, out, false);
    ASSERT_TRUE(runner.Open());
    EXPECT_EQ(runner.EnterLine(u"3*3"_s), u"9"_s);
    ASSERT_TRUE(runner.Finish());
    EXPECT_EQ(runner.Area().Text(), u"1+1\r\n2\r\n3*3\r\n9\r\n"_s);
    EXPECT_EQ(runner.Area().SelectionStart(), runner.Area().Text().size());
}

TEST_F(DocumentFile, UnfinishedLastLineIsEndedBeforeTheNewLine) {
    WriteFile(path, DesktopDocument([](C_TOBRIK_CALCULATORDoc& document) {
                  document.Settings().CalcText().text = u"12+"_s;
              }));
    DocumentModeRunner runner(Options({}), boxes, out, false);
    ASSERT_TRUE(runner.Open());
    EXPECT_EQ(runner.EnterLine(u"3"_s), u"3"_s);
    EXPECT_EQ(runner.Area().Text(), u"12+\r\n3\r\n3\r\n"_s);
}

TEST_F(DocumentFile, LoadedSettingsHoldUnlessTheCommandLineNamesThem) {
    WriteFile(path, DesktopDocument([](C_TOBRIK_CALCULATORDoc& document) {
                  C_VYXSettings& settings = document.Settings();
                  settings.BasicButtons().m_nDecimals = 3;
                  settings.Trig().m_nAngleUnit = VYX_ANGLE_DEG;
                  settings.CalcText().showRational = 0;
                  settings.CMPLX().m_nAlwaysShowArgument = 1;
              }));
    {
        DocumentModeRunner runner(Options({}), boxes, out, false);
        ASSERT_TRUE(runner.Open());
        EXPECT_EQ(runner.EnterLine(u"SIN30+1/3"_s), u"0.833"_s);
        EXPECT_EQ(runner.EnterLine(u"1+i"_s), u"1+i ARGUMENT:45.000 Degrees"_s);
        EXPECT_EQ(runner.Document().Calculator().GetDecimals(), 3);
        EXPECT_EQ(runner.Document().Calculator().GetAngle(), "DEG");
    }
    {
        DocumentModeRunner runner(
            Options({"--decimals", "5", "--angle", "rad", "--display", "both"}), boxes, out, false);
        ASSERT_TRUE(runner.Open());
        EXPECT_EQ(runner.EnterLine(u"1/3"_s), u"1/3 //\u22480.33333"_s);
        EXPECT_EQ(runner.EnterLine(u"SIN(PI/2)"_s), u"1"_s);
        EXPECT_EQ(runner.Document().Calculator().GetDecimals(), 5);
        EXPECT_EQ(runner.Document().Settings().Trig().m_solver.AngleUnit(), VYX_ANGLE_RAD);
        // Not named: stays as loaded.
        EXPECT_EQ(runner.Document().Settings().CMPLX().m_nAlwaysShowArgument, 1);
    }
}

TEST_F(DocumentFile, EngineDecimalsStayInTheNumpadsRange) {
    WriteFile(path, DesktopDocument([](C_TOBRIK_CALCULATORDoc& document) {
                  document.Settings().BasicButtons().m_nDecimals = 99;
              }));
    DocumentModeRunner runner(Options({}), boxes, out, false);
    ASSERT_TRUE(runner.Open());
    EXPECT_EQ(runner.Document().Calculator().GetDecimals(), 10);
    // The stored count itself is kept, as the desktop program keeps it.
    EXPECT_EQ(runner.Document().Settings().BasicButtons().m_nDecimals, 99);
}

TEST_F(DocumentFile, DamagedFileFailsAndIsLeftAsItWas) {
    QByteArray bytes = DesktopDocument([](C_TOBRIK_CALCULATORDoc& document) {
        document.Settings().CalcText().text = u"1+1\r\n2\r\n"_s;
    });
    bytes.chop(5);
    WriteFile(path, bytes);
    DocumentModeRunner runner(Options({}), boxes, out, false);
    EXPECT_FALSE(runner.Open());
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.LastBox().caption, u"ERROR!!"_s);
    EXPECT_TRUE(boxes.LastBox().text.startsWith(u"The document "_s + path));
    EXPECT_EQ(ReadFile(path), bytes);
}

TEST_F(DocumentFile, DirectoryInsteadOfAFileFails) {
    ASSERT_TRUE(QDir(directory.path()).mkdir(u"work.vyx"_s));
    DocumentModeRunner runner(Options({}), boxes, out, false);
    EXPECT_FALSE(runner.Open());
    EXPECT_EQ(boxes.LastBox().caption, u"ERROR!!"_s);
}

TEST_F(DocumentFile, WindowPlacementIsWrittenBackUnchanged) {
    WindowFrame window;
    window.window.flags = 2;
    window.window.maxX = -1;
    window.window.minY = 7;
    window.window.normalBottom = 700;
    window.window.normalLeft = -30;
    window.window.normalRight = 900;
    window.window.normalTop = 20;
    window.window.showCommand = C_VYXWindowPlacement::kShowMaximized;
    const QByteArray before = DesktopDocument([](C_TOBRIK_CALCULATORDoc&) {}, &window);
    WriteFile(path, before);

    DocumentModeRunner runner(Options({}), boxes, out, false);
    ASSERT_TRUE(runner.Open());
    EXPECT_TRUE(runner.HasPlacement());
    runner.EnterLine(u"1+1"_s);
    ASSERT_TRUE(runner.Finish());
    const QByteArray after = ReadFile(path);
    // Row 23 and the eleven placement rows close the file.
    constexpr int placementBytes = 12 * 4;
    EXPECT_EQ(after.right(placementBytes), before.right(placementBytes));
    EXPECT_EQ(runner.Document().Placement(), window.window);
}

TEST_F(DocumentFile, UnsavableFileIsAFailure) {
    const QString missingDirectory = directory.filePath(u"no/such/dir/work.vyx"_s);
    DocumentModeRunner runner(OptionsFor({"--file", missingDirectory.toStdString()}), boxes, out,
                              false);
    ASSERT_TRUE(runner.Open());
    EXPECT_FALSE(runner.Finish());
    EXPECT_EQ(boxes.LastBox().caption, u"ERROR!!"_s);
    EXPECT_TRUE(boxes.LastBox().text.startsWith(u"The document could not be saved."_s));
}

TEST_F(DocumentFile, CounterStartsAtZeroAfterLoading) {
    WriteFile(path, DesktopDocument([](C_TOBRIK_CALCULATORDoc& document) {
                  document.CalculateLine(u"1+1"_s);
                  document.CalculateLine(u"2+2"_s);
              }));
    DocumentModeRunner runner(Options({}), boxes, out, false);
    ASSERT_TRUE(runner.Open());
    runner.EnterLine(u"3+3"_s);
    EXPECT_EQ(runner.Document().CalculationCount(), 1);
}

} // namespace
