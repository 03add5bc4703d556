// SPDX-License-Identifier: MIT
// Tests of vyxcalc's document mode: lines entered at the end, settings, loading and saving; then
// --convert and --triangle: the panels' texts, their messages and exit statuses. Expected numbers
// are python3's: '%.6f' % value of the exact arithmetic named beside them.
#include "C_VYXScriptedMessageBoxes.h"
#include "ConvertCommand.h"
#include "DocumentModeRunner.h"
#include "QStringPrinter.h"
#include "TriangleCommand.h"
#include "VYXCalculator.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

VyxcalcOptions OptionsFor(const std::vector<std::string>& args) {
    const VyxcalcParseResult parsed = ParseVyxcalcOptions(args);
    EXPECT_TRUE(parsed.Ok()) << parsed.error;
    return parsed.options;
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
// The result layout itself is the document's; what a run prints for the usual lines (comments,
// variables, both forms of a result), CLS, the options and the message boxes is checked through
// the program in check_vyxcalc_document. Here: the line breaks.
TEST(VyxcalcDocumentMode, PrintsOneLinePerInputWithUnixBreaks) {
    C_VYXScriptedMessageBoxes boxes;
    std::ostringstream out;
    DocumentModeRunner runner(OptionsFor({}), boxes, out, false);
    ASSERT_TRUE(runner.Open());
    std::istringstream in("2+3)\r\n");
    runner.EnterStream(in);
    // An argument with line breaks is several lines; a break at its end adds none.
    runner.EnterAll({"1+1\n2+2\r3+3\r\n", "\r", "4+4\n\n5+5"});
    EXPECT_EQ(out.str(), "//ERROR!! NOT EQUAL NUMBER OF BRACES!!\nNUMBER OF LEFTBRACES=0\n"
                         "NUMBER OF RIGHTBRACES=1\n\n2\n4\n6\n\n8\n\n10\n");
}

// ---- documents on disk ----
// A new file, settings kept and overridden, a damaged or unsavable file, a run with --dump only
// and the desktop program's window placement are checked through the program in
// check_vyxcalc_document.

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

TEST_F(DocumentFile, LinesAreAppendedAfterTheLoadedTextDecimalsInRange) {
    WriteFile(path, DesktopDocument([&](C_TOBRIK_CALCULATORDoc& document) {
                  C_VYXCalcTextNFO& area = document.Settings().CalcText();
                  area.text = u"12+"_s;
                  area.selStart = area.selEnd = 1; // the caret somewhere inside
                  document.Settings().BasicButtons().m_nDecimals = 99;
              }));
    DocumentModeRunner runner(Options(), boxes, out, false);
    ASSERT_TRUE(runner.Open());
    EXPECT_EQ(runner.Document().Calculator().GetDecimals(), 10);
    EXPECT_EQ(runner.EnterLine(u"1/3"_s), u"1/3 //\u22480.3333333333"_s);
    // The stored count itself is kept, as the desktop program keeps it.
    EXPECT_EQ(runner.Document().Settings().BasicButtons().m_nDecimals, 99);
    ASSERT_TRUE(runner.Finish());
    const QString expected = u"12+\r\n1/3\r\n1/3 //\u22480.3333333333\r\n"_s;
    EXPECT_EQ(runner.Area().Text(), expected);
    EXPECT_EQ(runner.Area().SelectionStart(), expected.size());
}

TEST_F(DocumentFile, ARunThatOnlyLooksLeavesDocumentAndFileAsTheyWere) {
    const QByteArray bytes = DesktopDocument([](C_TOBRIK_CALCULATORDoc& document) {
        C_VYXCalcTextNFO& area = document.Settings().CalcText();
        area.text = u"1+1\r\n2\r\n"_s;
        area.selStart = 1;
        area.selEnd = 3;
        document.Settings().BasicButtons().m_nDecimals = 4;
    });
    // Settings as loaded are no change; a changed setting is.
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{"--decimals", "4", "--angle", "rad"}, false}, {{"--argument"}, true}};
    for (const auto& [args, saves] : cases) {
        SCOPED_TRACE(testing::PrintToString(args));
        WriteFile(path, bytes);
        DocumentModeRunner runner(Options(args), boxes, out, false);
        ASSERT_TRUE(runner.Open());
        ASSERT_TRUE(runner.Finish());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll() == bytes, !saves);
        EXPECT_EQ(runner.Area().SelectionStart(), saves ? 8 : 1);
    }
}

struct PanelRun {
    int status = -1;
    std::string out;
    std::string err;
    QStringList boxes; ///< "caption: text" of each message box
};

/// Runs `command` (--convert or --triangle) with `args` as vyxcalc does.
PanelRun RunPanel(const std::string& command, std::vector<std::string> args) {
    args.insert(args.begin(), command);
    const VyxcalcOptions options = OptionsFor(args);
    C_VYXScriptedMessageBoxes boxes;
    std::ostringstream out, err;
    DocumentModeRunner runner(options, boxes, out, false);
    EXPECT_TRUE(runner.Open());
    const int status = options.mode == VyxcalcMode::Convert
                           ? RunConvertCommand(runner.Document(), options.conversion, out, err)
                           : RunTriangleCommand(runner.Document(), options.triangle, out, err);
    PanelRun run{status, out.str(), err.str(), {}};
    for (const C_VYXScriptedMessageBoxes::Box& box : boxes.Boxes())
        run.boxes.append(box.caption + u": "_s + box.text);
    return run;
}

TEST(VyxcalcConvert, PrintsTheLineUseWritesOrNamesTheUnitsToChooseFrom) {
    // clang-format off
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"100", "celcius", "FARENHEIT"}, "100 Celcius = 212.000000 Farenheit"}, // 100*9/5+32
        {{"2.5*4", "feet", "meter", "--decimals", "3"}, "10 feet = 3.048 meter"}, // 0.3048
        {{"2*3", "m\u00b2", "m\u00b2"}, "6 m\u00b2 = 6 m\u00b2"}};
    // clang-format on
    for (const auto& [args, line] : cases) {
        const PanelRun run = RunPanel("--convert", args);
        // Status 0 means no box was shown; an empty stderr is checked through the program.
        EXPECT_EQ(run.status, 0) << args.front();
        EXPECT_EQ(run.out, std::string(line) + "\n");
    }
    // Units that make no conversion are named with the units to choose from.
    const std::string length = "  Length: centimeter; fathoms; feet; furlong; inch; kilometer; "
                               "meter; miles; millimeter; nautical miles; yard\n";
    PanelRun run = RunPanel("--convert", {"1", "metre", "kilometer"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "vyxcalc: unknown unit \"metre\"; the units of Length are:\n" + length);
    // Neither known: every category on a line of its own, in the boxes' alphabetical order.
    run = RunPanel("--convert", {"1", "foo", "qux"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(":\n  Area: acres;"), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1 + 9);
}

std::string TriangleText(const char* unit, const std::vector<const char*>& values) {
    const char* names[] = {"A", "B", "C", "a", "b", "c"};
    std::string text = std::string("Calculated Triangle:\nAngle: (") + unit + ")\n";
    for (int i = 0; i < 6; ++i)
        text += std::string(i == 3 ? "Lengths: (LengthUnits)\n" : "") + names[i] + "=" +
                values[size_t(i)] + "\n";
    return text + "Area: (LengthUnits\u00b2)\n" + values[6] + "\n";
}

TEST(VyxcalcTriangle, PrintsWhatUseWritesForEachSolutionTheSolversMessagesFailTheRun) {
    // A = 30 degrees, a = 5, b = 8: c = 8cos30 +- sqrt(25 - (8sin30)^2), B = asin(0.8) or its
    // supplement, C = 180 - A - B, area = a*b*sin(C)/2.
    const PanelRun run = RunPanel("--triangle", {"--angle", "deg", "A=30", "a=5", "b=2*4"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              TriangleText("Degrees", {"30.000000", "53.130102", "96.869898", "5.000000",
                                       "8.000000", "9.928203", "19.856406"}) +
                  "Second solution:\n" +
                  TriangleText("Degrees", {"30.000000", "126.869898", "23.130102", "5.000000",
                                           "8.000000", "3.928203", "7.856406"}));
    // The solver's messages fail the run.
    // Arguments, boxes, whether printed (the solver still hands USE three angles), errors.
    const std::tuple<std::vector<std::string>, QStringList, bool, const char*> cases[] = {
        {{"--angle", "deg", "A=30", "B=60"},
         {u"ERROR!!: TRIANGLE IS UNDERCONSTRAINED\r\nBUT THE LAST ANGLE IS CALCULATED.."_s},
         true,
         ""},
        {{"a=0", "b=1-1"}, {}, false, "vyxcalc: nothing to solve: every value given is 0\n"}};
    for (const auto& [args, boxes, printed, err] : cases) {
        const PanelRun failed = RunPanel("--triangle", args);
        EXPECT_EQ(failed.status, 1) << args.back();
        EXPECT_EQ(failed.boxes, boxes);
        EXPECT_EQ(failed.err, err);
        // 180 - 30 - 60
        EXPECT_EQ(failed.out.find("C=90.000000\n") != std::string::npos, printed) << failed.out;
        EXPECT_EQ(failed.out.empty(), !printed);
    }
}

} // namespace
