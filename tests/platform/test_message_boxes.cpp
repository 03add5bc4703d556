// SPDX-License-Identifier: MIT
// The scripted message boxes of the tests and the stream boxes of the command line.
#include "C_VYXScriptedMessageBoxes.h"
#include "C_VYXStreamMessageBoxes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using Answer = C_VYXMessageBoxes::Answer;
using Kind = C_VYXScriptedMessageBoxes::Kind;

// The scripted boxes answer every widget and document test; a question nobody scripted must be
// answered No and counted, or a test would go on as if the user had agreed.
TEST(ScriptedMessageBoxes, AnswersInQueueOrderThenTheSafeAnswerAndCounts) {
    C_VYXScriptedMessageBoxes boxes;
    C_VYXMessageBoxes& shown = boxes;
    boxes.QueueAnswer(Answer::Yes);
    boxes.QueueAnswer(Answer::Cancel);
    EXPECT_TRUE(shown.AskYesNo(QStringLiteral("OVERWRITE?"), QStringLiteral("x")));
    EXPECT_FALSE(shown.AskYesNo(QString(), QString())); // Cancel is not Yes
    EXPECT_FALSE(shown.AskYesNo(QStringLiteral("OVERWRITE?"), QString()));
    EXPECT_EQ(shown.AskYesNoCancel(QStringLiteral("Again?"), QString()), Answer::Cancel);
    EXPECT_EQ(boxes.UnexpectedQuestions(), 2);
    EXPECT_EQ(boxes.Boxes().size(), 4);
    EXPECT_EQ(boxes.LastBox().kind, Kind::YesNoCancel);
    boxes.QueueAnswer(Answer::Yes);
    EXPECT_EQ(boxes.UnusedAnswers(), 1);
    boxes.Reset();
    EXPECT_EQ(boxes.Boxes().size() + boxes.UnexpectedQuestions() + boxes.UnusedAnswers(), 0);
}

// An error box and the overwrite question are checked through vyxcalc in check_vyxcalc_document;
// here the other kinds of box, an empty text and every kind of line break.
TEST(StreamMessageBoxes, WritesOneCaptionTextLinePerBoxAndAnswersYes) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    C_VYXStreamMessageBoxes boxes(file);
    EXPECT_EQ(boxes.AskYesNoCancel(QStringLiteral("Save"), QStringLiteral("α\r\nβ\nγ\rδ")),
              Answer::Yes);
    boxes.ShowInformation(QStringLiteral("Info"), QString());
    std::rewind(file);
    std::string content(256, '\0');
    content.resize(std::fread(content.data(), 1, content.size(), file));
    EXPECT_EQ(content, "Save: \xCE\xB1 \xCE\xB2 \xCE\xB3 \xCE\xB4\nInfo: \n");
    std::fclose(file);

    C_VYXStreamMessageBoxes silent(nullptr);
    silent.ShowError(QStringLiteral("ERROR!!"), QStringLiteral("x"));
    EXPECT_TRUE(silent.AskYesNo(QStringLiteral("q"), QStringLiteral("t")));
}

} // namespace
