// SPDX-License-Identifier: MIT
// Tests of vyxcalc's document mode: lines entered at the end, settings, loading and saving.
#include "C_VYXScriptedMessageBoxes.h"
#include "DocumentModeRunner.h"
#include "QStringPrinter.h"
#include "VYXCalculator.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
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
// The result layout itself is the document's; what a run prints for the usual lines, CLS and the
// options is checked through the program in check_vyxcalc_document. Here: the line breaks.

// Message boxes, the overwrite question and the error box, are checked through the program in
// check_vyxcalc_document.
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
    // clang-format off
    const std::pair<const char16_t*, QStringList> cases[] = {
        {u"", {u""_s}}, {u"\r", {u""_s}}, {u"a\n\n\nb\n\n", {u"a"_s, u""_s, u""_s, u"b"_s, u""_s}}};
    // clang-format on
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(DocumentModeRunner::SplitLines(QString::fromUtf16(text)), lines)
            << QString::fromUtf16(text).toStdString();
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

TEST_F(DocumentFile, LinesAreAppendedAfterTheLoadedTextEndingAnUnfinishedLine) {
    WriteFile(path, DesktopDocument([&](C_TOBRIK_CALCULATORDoc& document) {
                  C_VYXCalcTextNFO& area = document.Settings().CalcText();
                  area.text = u"12+"_s;
                  area.selStart = area.selEnd = 1; // the caret somewhere inside
              }));
    DocumentModeRunner runner(Options(), boxes, out, false);
    ASSERT_TRUE(runner.Open());
    EXPECT_EQ(runner.EnterLine(u"3*3"_s), u"9"_s);
    ASSERT_TRUE(runner.Finish());
    const QString expected = u"12+\r\n3*3\r\n9\r\n"_s;
    EXPECT_EQ(runner.Area().Text(), expected);
    EXPECT_EQ(runner.Area().SelectionStart(), expected.size());
}

TEST_F(DocumentFile, NamedSettingsReplaceTheLoadedOnesDecimalsInRangeCountingAfresh) {
    WriteFile(path, DesktopDocument([](C_TOBRIK_CALCULATORDoc& document) {
                  C_VYXSettings& settings = document.Settings();
                  settings.BasicButtons().m_nDecimals = 99;
                  settings.Trig().m_nAngleUnit = VYX_ANGLE_DEG;
                  settings.CalcText().showRational = 0;
                  document.CalculateLine(u"1+1"_s);
              }));
    DocumentModeRunner runner(Options({"--angle", "rad", "--display", "both"}), boxes, out, false);
    ASSERT_TRUE(runner.Open());
    EXPECT_EQ(runner.Document().Calculator().GetDecimals(), 10);
    // The stored count itself is kept, as the desktop program keeps it.
    EXPECT_EQ(runner.Document().Settings().BasicButtons().m_nDecimals, 99);
    EXPECT_EQ(runner.EnterLine(u"1/3"_s), u"1/3 //\u22480.3333333333"_s);
    EXPECT_EQ(runner.EnterLine(u"SIN(PI/2)"_s), u"1"_s);
    EXPECT_EQ(runner.Document().CalculationCount(), 2); // counting afresh
}

TEST_F(DocumentFile, ARunThatOnlyLooksLeavesDocumentAndFileAsTheyWere) {
    const QByteArray bytes = DesktopDocument([](C_TOBRIK_CALCULATORDoc& document) {
        C_VYXCalcTextNFO& area = document.Settings().CalcText();
        area.text = u"1+1\r\n2\r\n"_s;
        area.selStart = 1;
        area.selEnd = 3;
        document.Settings().BasicButtons().m_nDecimals = 4;
    });
    const QDateTime old = QDateTime::currentDateTime().addYears(-1);
    // Settings as loaded are no change; a changed setting is.
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{"--decimals", "4", "--angle", "rad"}, false}, {{"--argument"}, true}};
    for (const auto& [args, saves] : cases) {
        SCOPED_TRACE(testing::PrintToString(args));
        WriteFile(path, bytes);
        DocumentModeRunner runner(Options(args), boxes, out, false);
        ASSERT_TRUE(runner.Open());
        {
            // An old time stamp: a rewrite shows even when it comes within the second.
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        ASSERT_TRUE(runner.Finish());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll() == bytes, !saves);
        EXPECT_EQ(QFileInfo(path).lastModified() == old, !saves);
        EXPECT_EQ(runner.Area().SelectionStart(), saves ? 8 : 1);
    }
}

} // namespace
