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

/// Bytes of a document the desktop program could have saved: `prepare` sets it up.
template <typename Prepare> QByteArray DesktopDocument(Prepare prepare) {
    C_VYXScriptedMessageBoxes boxes;
    C_TOBRIK_CALCULATORDoc document(boxes);
    document.OnNewDocument();
    prepare(document);
    return document.SaveToBytes();
}

// ---- lines entered one after another on a new document ----

struct SessionCase {
    const char* name;
    std::vector<std::string> args; ///< options, then the lines
    std::vector<const char16_t*> printed;
    int calculations;
    const char16_t* text = nullptr; ///< by default each line with its result on the next line
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
    ASSERT_EQ(options.inputs.size(), c.printed.size());
    QString text;
    for (std::size_t i = 0; i < c.printed.size(); ++i) {
        const QString line = QString::fromStdString(options.inputs[i]);
        const QString printed = QString::fromUtf16(c.printed[i]);
        EXPECT_EQ(runner.EnterLine(line), printed) << "line " << i;
        text += line + u"\r\n"_s + (printed.isEmpty() ? QString() : printed + u"\r\n"_s);
    }
    EXPECT_EQ(runner.Area().Text(), c.text ? QString::fromUtf16(c.text) : text);
    EXPECT_EQ(runner.Document().CalculationCount(), c.calculations);
    EXPECT_EQ(boxes.Boxes().size(), 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Vyxcalc, DocumentSession,
    testing::Values(
        SessionCase{"RationalWithItsApproximation", {"1/2+1/(2+3+1/7)"},
                    {u"25/36 //\u22480.694444"}, 1},
        SessionCase{"IntegerRationalWithoutApproximation", {"4/2"}, {u"2"}, 1},
        SessionCase{"ComplexDoubleOnlyDecimal", {"SQRT2"}, {u"1.414214"}, 1},
        SessionCase{"OnlyRational", {"--display", "rational", "1/3"}, {u"1/3"}, 1},
        SessionCase{"OnlyRealWithDecimals", {"--display=real", "--decimals", "3", "1/3"},
                    {u"0.333"}, 1},
        SessionCase{"ArgumentInDegrees", {"--argument", "--angle", "deg", "1+i"},
                    {u"1+i ARGUMENT:45.000000 Degrees"}, 1},
        SessionCase{"RealResultNeverShowsArgument", {"--argument", "2"}, {u"2"}, 1},
        SessionCase{"AngleReachesTheEngine", {"--angle", "gra", "SIN100"}, {u"1"}, 1},
        SessionCase{"AssignmentThenUse", {"x=3", "x*2"}, {u"//Variable: x=3", u"6"}, 1},
        SessionCase{"CommentAndEmptyLineWriteNothing", {"//note", ""}, {u"", u""}, 0},
        SessionCase{"TrailingCommentIsDropped", {"2+3 //note"}, {u"5"}, 1},
        SessionCase{"ErrorAsCommentNotCounted", {"1/0"}, {u"//ERRROR!! DIVISION BY ZERO!!"}, 0},
        SessionCase{"MultiLineErrorKeepsInnerBreaks", {"2+3)"},
                    {u"//ERROR!! NOT EQUAL NUMBER OF BRACES!!\r\nNUMBER OF LEFTBRACES=0\r\n"
                     u"NUMBER OF RIGHTBRACES=1\r\n"}, 0},
        SessionCase{"ClsClearsAndWritesNothing", {"1+1", "cls"}, {u"2", u""}, 1, u""},
        SessionCase{"ClsThenGoesOn", {"1+1", "CLS", "2*3"}, {u"2", u"", u"6"}, 2, u"2*3\r\n6\r\n"},
        SessionCase{"DisplaySymbolsTranslated", {"\xe2\x88\x9a" "9+2\xc2\xb2"}, {u"7"}, 1}));
// clang-format on

// ---- messages, printing and splitting ----
// The overwrite question is asked and answered through the program in check_vyxcalc_document.

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

TEST(VyxcalcDocumentMode, PrintsOneLinePerInputWithUnixBreaks) {
    C_VYXScriptedMessageBoxes boxes;
    std::ostringstream out;
    DocumentModeRunner runner(OptionsFor({}), boxes, out, false);
    ASSERT_TRUE(runner.Open());
    std::istringstream in("1/3\r\n//c\n2+3)\nx=2");
    runner.EnterStream(in);
    runner.EnterAll({"1+1\n2+2\r3+3\r\n"}); // an argument with line breaks is several lines
    EXPECT_EQ(out.str(), "1/3 //\xe2\x89\x88"
                         "0.333333\n\n"
                         "//ERROR!! NOT EQUAL NUMBER OF BRACES!!\nNUMBER OF LEFTBRACES=0\n"
                         "NUMBER OF RIGHTBRACES=1\n\n"
                         "//Variable: x=2\n2\n4\n6\n");
}

TEST(VyxcalcDocumentMode, SplitLinesAtEveryKindOfBreak) {
    // clang-format off
    const std::pair<const char16_t*, QStringList> cases[] = {
        {u"", {u""_s}}, {u"\r", {u""_s}}, {u"a\r\n", {u"a"_s}},
        {u"a\rb\nc\r\nd", {u"a"_s, u"b"_s, u"c"_s, u"d"_s}},
        {u"a\n\n\nb\n\n", {u"a"_s, u""_s, u""_s, u"b"_s, u""_s}}};
    // clang-format on
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(DocumentModeRunner::SplitLines(QString::fromUtf16(text)), lines);
}

// ---- documents on disk ----
// A new file, settings kept from a file, an unsavable file and the desktop program's window
// placement are checked through the program in check_vyxcalc_document.

class DocumentFile : public testing::Test {
protected:
    VyxcalcOptions Options(std::vector<std::string> args = {}) {
        args.insert(args.begin(), {"--file", path.toStdString()});
        return OptionsFor(args);
    }

    QTemporaryDir directory;
    QString path = directory.filePath(u"work.vyx"_s);
    C_VYXScriptedMessageBoxes boxes;
    std::ostringstream out;
};

TEST_F(DocumentFile, LinesAreAppendedAfterTheLoadedTextEndingAnUnfinishedLine) {
    const std::pair<QString, QString> cases[] = {{u"1+1\r\n2\r\n"_s, u"1+1\r\n2\r\n3*3\r\n9\r\n"_s},
                                                 {u"12+"_s, u"12+\r\n3*3\r\n9\r\n"_s}};
    for (const auto& [stored, expected] : cases) {
        WriteFile(path, DesktopDocument([&](C_TOBRIK_CALCULATORDoc& document) {
                      C_VYXCalcTextNFO& area = document.Settings().CalcText();
                      area.text = stored;
                      area.selStart = area.selEnd = 1; // the caret somewhere inside
                  }));
        DocumentModeRunner runner(Options(), boxes, out, false);
        ASSERT_TRUE(runner.Open());
        EXPECT_EQ(runner.EnterLine(u"3*3"_s), u"9"_s);
        ASSERT_TRUE(runner.Finish());
        EXPECT_EQ(runner.Area().Text(), expected);
        EXPECT_EQ(runner.Area().SelectionStart(), expected.size());
    }
}

TEST_F(DocumentFile, LoadedSettingsHoldUnlessTheCommandLineNamesThem) {
    WriteFile(path, DesktopDocument([](C_TOBRIK_CALCULATORDoc& document) {
                  C_VYXSettings& settings = document.Settings();
                  settings.BasicButtons().m_nDecimals = 3;
                  settings.Trig().m_nAngleUnit = VYX_ANGLE_DEG;
                  settings.CalcText().showRational = 0;
                  settings.CMPLX().m_nAlwaysShowArgument = 1;
              }));
    DocumentModeRunner runner(Options({"--decimals", "5", "--angle", "rad", "--display", "both"}),
                              boxes, out, false);
    ASSERT_TRUE(runner.Open());
    EXPECT_EQ(runner.EnterLine(u"1/3"_s), u"1/3 //\u22480.33333"_s);
    EXPECT_EQ(runner.EnterLine(u"SIN(PI/2)"_s), u"1"_s);
    EXPECT_EQ(runner.Document().Settings().Trig().m_solver.AngleUnit(), VYX_ANGLE_RAD);
    // Not named: stays as loaded.
    EXPECT_EQ(runner.Document().Settings().CMPLX().m_nAlwaysShowArgument, 1);
}

TEST_F(DocumentFile, LoadedDocumentCountsAfreshAndKeepsTheEngineDecimalsInRange) {
    WriteFile(path, DesktopDocument([](C_TOBRIK_CALCULATORDoc& document) {
                  document.Settings().BasicButtons().m_nDecimals = 99;
                  document.CalculateLine(u"1+1"_s);
                  document.CalculateLine(u"2+2"_s);
              }));
    DocumentModeRunner runner(Options(), boxes, out, false);
    ASSERT_TRUE(runner.Open());
    EXPECT_EQ(runner.Document().Calculator().GetDecimals(), 10);
    // The stored count itself is kept, as the desktop program keeps it.
    EXPECT_EQ(runner.Document().Settings().BasicButtons().m_nDecimals, 99);
    runner.EnterLine(u"3+3"_s);
    EXPECT_EQ(runner.Document().CalculationCount(), 1);
}

TEST_F(DocumentFile, TruncatedFileOrADirectoryFailsAndIsLeftAsItWas) {
    QByteArray bytes = DesktopDocument([](C_TOBRIK_CALCULATORDoc& document) {
        document.Settings().CalcText().text = u"1+1\r\n2\r\n"_s;
    });
    bytes.chop(5);
    WriteFile(path, bytes);
    DocumentModeRunner runner(Options(), boxes, out, false);
    EXPECT_FALSE(runner.Open());
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.LastBox().caption, u"ERROR!!"_s);
    EXPECT_TRUE(boxes.LastBox().text.startsWith(u"The document "_s + path));
    EXPECT_EQ(ReadFile(path), bytes);

    const QString folder = directory.filePath(u"folder.vyx"_s);
    ASSERT_TRUE(QDir(directory.path()).mkdir(u"folder.vyx"_s));
    DocumentModeRunner onFolder(OptionsFor({"--file", folder.toStdString()}), boxes, out, false);
    EXPECT_FALSE(onFolder.Open());
    EXPECT_EQ(boxes.Boxes().size(), 2);
    EXPECT_EQ(boxes.LastBox().caption, u"ERROR!!"_s);
}

} // namespace
