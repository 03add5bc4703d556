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

TEST(ScriptedMessageBoxes, RecordsEveryBoxWithKindCaptionAndText) {
    C_VYXScriptedMessageBoxes boxes;
    C_VYXMessageBoxes& shown = boxes;
    shown.ShowError(QStringLiteral("ERROR!!"), QStringLiteral("No value entered!!"));
    boxes.QueueAnswer(Answer::Yes);
    shown.AskYesNo(QStringLiteral("OVERWRITE?"), QStringLiteral("x"));
    shown.ShowInformation(QStringLiteral("Info"), QStringLiteral("done"));
    boxes.QueueAnswer(Answer::No);
    shown.AskYesNoCancel(QStringLiteral("Save?"), QStringLiteral("y"));

    ASSERT_EQ(boxes.Boxes().size(), 4);
    EXPECT_EQ(boxes.Boxes()[0].kind, Kind::Error);
    EXPECT_EQ(boxes.Boxes()[0].caption, QStringLiteral("ERROR!!"));
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("No value entered!!"));
    EXPECT_EQ(boxes.Boxes()[1].kind, Kind::YesNo);
    EXPECT_EQ(boxes.Boxes()[2].kind, Kind::Information);
    EXPECT_EQ(boxes.Boxes()[3].kind, Kind::YesNoCancel);
    EXPECT_EQ(boxes.LastBox().caption, QStringLiteral("Save?"));
    EXPECT_EQ(boxes.UnexpectedQuestions(), 0);
}

struct AnswerCase {
    const char* name;
    Answer queued;
    bool yesNoResult;
};

class ScriptedAnswers : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(ScriptedAnswers, YesNoAndYesNoCancelFollowTheQueue) {
    C_VYXScriptedMessageBoxes boxes;
    boxes.QueueAnswer(GetParam().queued);
    boxes.QueueAnswer(GetParam().queued);
    EXPECT_EQ(boxes.AskYesNo(QStringLiteral("Delete all?"), QStringLiteral("Delete all?")),
              GetParam().yesNoResult);
    EXPECT_EQ(boxes.UnusedAnswers(), 1);
    EXPECT_EQ(boxes.AskYesNoCancel(QStringLiteral("c"), QStringLiteral("t")), GetParam().queued);
    EXPECT_EQ(boxes.UnusedAnswers(), 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, ScriptedAnswers,
                         ::testing::Values(AnswerCase{"Yes", Answer::Yes, true},
                                           AnswerCase{"No", Answer::No, false},
                                           AnswerCase{"Cancel", Answer::Cancel, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScriptedMessageBoxes, AnswersInQueueOrderThenSafeAnswersCounted) {
    C_VYXScriptedMessageBoxes boxes;
    boxes.QueueAnswer(Answer::No);
    boxes.QueueAnswer(Answer::Yes);
    EXPECT_FALSE(boxes.AskYesNo(QString(), QString()));
    EXPECT_TRUE(boxes.AskYesNo(QString(), QString()));
    boxes.Reset();
    EXPECT_FALSE(boxes.AskYesNo(QStringLiteral("OVERWRITE?"), QString()));
    EXPECT_EQ(boxes.AskYesNoCancel(QStringLiteral("Save?"), QString()), Answer::Cancel);
    EXPECT_EQ(boxes.UnexpectedQuestions(), 2);
    EXPECT_EQ(boxes.Boxes().size(), 2);
}

TEST(ScriptedMessageBoxes, ResetForgetsEverything) {
    C_VYXScriptedMessageBoxes boxes;
    boxes.AskYesNo(QString(), QString());
    boxes.QueueAnswer(Answer::Yes);
    boxes.Reset();
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_EQ(boxes.UnexpectedQuestions(), 0);
    EXPECT_EQ(boxes.UnusedAnswers(), 0);
    EXPECT_TRUE(boxes.LastBox().caption.isEmpty());
}

std::string ReadBack(std::FILE* file) {
    std::rewind(file);
    std::string content;
    char buffer[256];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        content.append(buffer, got);
    }
    return content;
}

TEST(StreamMessageBoxes, WritesOneCaptionTextLinePerBoxAndAnswersYes) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    C_VYXStreamMessageBoxes boxes(file);
    boxes.ShowError(QStringLiteral("ERROR!!"), QStringLiteral("No value entered!!"));
    EXPECT_TRUE(
        boxes.AskYesNo(QStringLiteral("OVERWRITE?"),
                       QStringLiteral("The variable name\nx\nalready exists!! Overwrite?")));
    EXPECT_EQ(boxes.AskYesNoCancel(QStringLiteral("Save"), QStringLiteral("α\r\nβ")),
              C_VYXMessageBoxes::Answer::Yes);
    boxes.ShowInformation(QStringLiteral("Info"), QString());
    EXPECT_EQ(ReadBack(file), "ERROR!!: No value entered!!\n"
                              "OVERWRITE?: The variable name x already exists!! Overwrite?\n"
                              "Save: \xCE\xB1 \xCE\xB2\n"
                              "Info: \n");
    std::fclose(file);
}

TEST(StreamMessageBoxes, WithoutStreamStillAnswersYes) {
    C_VYXStreamMessageBoxes boxes(nullptr);
    boxes.ShowError(QStringLiteral("ERROR!!"), QStringLiteral("x"));
    EXPECT_TRUE(boxes.AskYesNo(QStringLiteral("q"), QStringLiteral("t")));
}

} // namespace
