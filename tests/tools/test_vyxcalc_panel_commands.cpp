// SPDX-License-Identifier: MIT
// Tests of vyxcalc --convert and --triangle: the panels' texts, their messages and exit statuses.
// Expected numbers are python3's: '%.6f' % value of the exact arithmetic named beside them.
#include "C_VYXScriptedMessageBoxes.h"
#include "ConvertCommand.h"
#include "DocumentModeRunner.h"
#include "QStringPrinter.h"
#include "TriangleCommand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct PanelRun {
    int status = -1;
    std::string out;
    std::string err;
    QStringList boxes; ///< "caption: text" of each message box
};

PanelRun RunPanel(const std::vector<std::string>& args) {
    const VyxcalcParseResult parsed = ParseVyxcalcOptions(args);
    EXPECT_TRUE(parsed.Ok()) << parsed.error;
    C_VYXScriptedMessageBoxes boxes;
    std::ostringstream out;
    std::ostringstream err;
    DocumentModeRunner runner(parsed.options, boxes, out, false);
    EXPECT_TRUE(runner.Open());
    PanelRun run;
    run.status = parsed.options.mode == VyxcalcMode::Convert
                     ? RunConvertCommand(runner.Document(), parsed.options.conversion, out, err)
                     : RunTriangleCommand(runner.Document(), parsed.options.triangle, out, err);
    run.out = out.str();
    run.err = err.str();
    for (const C_VYXScriptedMessageBoxes::Box& box : boxes.Boxes())
        run.boxes.append(box.caption + u": "_s + box.text);
    return run;
}

TEST(VyxcalcConvert, PrintsTheLineUseWrites) {
    // clang-format off
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"100", "celcius", "FARENHEIT"}, "100 Celcius = 212.000000 Farenheit"}, // 100*9/5+32
        {{"2.5*4", "feet", "meter", "--decimals", "3"}, "10 feet = 3.048 meter"}, // 0.3048
        {{"2*3", "m\u00b2", "m\u00b2"}, "6 m\u00b2 = 6 m\u00b2"}};
    // clang-format on
    for (const auto& [args, line] : cases) {
        std::vector<std::string> command{"--convert"};
        command.insert(command.end(), args.begin(), args.end());
        const PanelRun run = RunPanel(command);
        EXPECT_EQ(run.status, 0) << args.front();
        EXPECT_EQ(run.out, std::string(line) + "\n");
        EXPECT_EQ(run.err, "");
        EXPECT_TRUE(run.boxes.isEmpty()) << run.boxes.join(u"\n"_s).toStdString();
    }
}

TEST(VyxcalcConvert, UnitsThatMakeNoConversionAreNamedWithTheUnitsToChooseFrom) {
    const std::string length = "  Length: centimeter; fathoms; feet; furlong; inch; kilometer; "
                               "meter; miles; millimeter; nautical miles; yard\n";
    PanelRun run = RunPanel({"--convert", "1", "metre", "kilometer"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "vyxcalc: unknown unit \"metre\"; the units of Length are:\n" + length);
    // Neither known: every category on a line of its own, in the boxes' alphabetical order.
    run = RunPanel({"--convert", "1", "foo", "qux"});
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

TEST(VyxcalcTriangle, PrintsWhatUseWritesForEachSolution) {
    // A = 30 degrees, a = 5, b = 8: c = 8cos30 +- sqrt(25 - (8sin30)^2), B = asin(0.8) or its
    // supplement, C = 180 - A - B, area = a*b*sin(C)/2.
    const PanelRun run = RunPanel({"--triangle", "--angle", "deg", "A=30", "a=5", "b=2*4"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              TriangleText("Degrees", {"30.000000", "53.130102", "96.869898", "5.000000",
                                       "8.000000", "9.928203", "19.856406"}) +
                  "Second solution:\n" +
                  TriangleText("Degrees", {"30.000000", "126.869898", "23.130102", "5.000000",
                                           "8.000000", "3.928203", "7.856406"}));
    EXPECT_TRUE(run.boxes.isEmpty()) << run.boxes.join(u"\n"_s).toStdString();
}

TEST(VyxcalcTriangle, TheSolversMessagesFailTheRun) {
    struct Case {
        std::vector<std::string> args;
        QStringList boxes;
        bool printed; ///< the solver still hands USE three angles
        const char* err = "";
    };
    const Case cases[] = {
        {{"--angle", "deg", "A=30", "B=60"},
         {u"ERROR!!: TRIANGLE IS UNDERCONSTRAINED\r\nBUT THE LAST ANGLE IS CALCULATED.."_s},
         true},
        {{"a=0", "b=1-1"}, {}, false, "vyxcalc: nothing to solve: every value given is 0\n"}};
    for (const Case& c : cases) {
        std::vector<std::string> args{"--triangle"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const PanelRun run = RunPanel(args);
        EXPECT_EQ(run.status, 1) << c.args.back();
        EXPECT_EQ(run.boxes, c.boxes);
        EXPECT_EQ(run.err, c.err);
        // 180 - 30 - 60
        EXPECT_EQ(run.out.find("C=90.000000\n") != std::string::npos, c.printed) << run.out;
        EXPECT_EQ(run.out.empty(), !c.printed);
    }
}

} // namespace
