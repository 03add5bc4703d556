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

TEST(ScriptedMessageBoxes, RecordsEveryBoxAndAnswersInQueueOrder) {
    C_VYXScriptedMessageBoxes boxes;
    C_VYXMessageBoxes& shown = boxes;
    for (Answer answer : {Answer::Yes, Answer::No, Answer::Cancel, Answer::No, Answer::Yes})
        boxes.QueueAnswer(answer);
    shown.ShowError(QStringLiteral("ERROR!!"), QStringLiteral("No value entered!!"));
    EXPECT_TRUE(shown.AskYesNo(QStringLiteral("OVERWRITE?"), QStringLiteral("x")));
    EXPECT_FALSE(shown.AskYesNo(QString(), QString()));
    EXPECT_FALSE(shown.AskYesNo(QString(), QString())); // Cancel is not Yes
    shown.ShowInformation(QStringLiteral("Info"), QStringLiteral("done"));
    EXPECT_EQ(boxes.UnusedAnswers(), 2);
    EXPECT_EQ(shown.AskYesNoCancel(QStringLiteral("Save?"), QStringLiteral("y")), Answer::No);
    EXPECT_EQ(shown.AskYesNoCancel(QString(), QString()), Answer::Yes);

    ASSERT_EQ(boxes.Boxes().size(), 7);
    EXPECT_EQ(boxes.Boxes()[0].kind, Kind::Error);
    EXPECT_EQ(boxes.Boxes()[0].caption, QStringLiteral("ERROR!!"));
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("No value entered!!"));
    EXPECT_EQ(boxes.Boxes()[1].kind, Kind::YesNo);
    EXPECT_EQ(boxes.Boxes()[4].kind, Kind::Information);
    EXPECT_EQ(boxes.Boxes()[5].kind, Kind::YesNoCancel);
    EXPECT_EQ(boxes.Boxes()[5].caption, QStringLiteral("Save?"));
    EXPECT_EQ(boxes.UnexpectedQuestions(), 0);
    EXPECT_EQ(boxes.UnusedAnswers(), 0);
}

TEST(ScriptedMessageBoxes, UnqueuedQuestionsGetTheSafeAnswerAndAreCountedUntilReset) {
    C_VYXScriptedMessageBoxes boxes;
    EXPECT_FALSE(boxes.AskYesNo(QStringLiteral("OVERWRITE?"), QString()));
    EXPECT_EQ(boxes.AskYesNoCancel(QStringLiteral("Save?"), QString()), Answer::Cancel);
    EXPECT_EQ(boxes.UnexpectedQuestions(), 2);
    EXPECT_EQ(boxes.LastBox().caption, QStringLiteral("Save?"));
    boxes.QueueAnswer(Answer::Yes);
    boxes.Reset();
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_EQ(boxes.UnexpectedQuestions(), 0);
    EXPECT_EQ(boxes.UnusedAnswers(), 0);
    EXPECT_TRUE(boxes.LastBox().caption.isEmpty());
    EXPECT_FALSE(boxes.AskYesNo(QString(), QString()));
}

TEST(StreamMessageBoxes, WritesOneCaptionTextLinePerBoxAndAnswersYes) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    C_VYXStreamMessageBoxes boxes(file);
    boxes.ShowError(QStringLiteral("ERROR!!"), QStringLiteral("No value entered!!"));
    EXPECT_TRUE(
        boxes.AskYesNo(QStringLiteral("OVERWRITE?"),
                       QStringLiteral("The variable name\nx\nalready exists!! Overwrite?")));
    EXPECT_EQ(boxes.AskYesNoCancel(QStringLiteral("Save"), QStringLiteral("α\r\nβ")), Answer::Yes);
    boxes.ShowInformation(QStringLiteral("Info"), QString());
    std::rewind(file);
    std::string content(256, '\0');
    content.resize(std::fread(content.data(), 1, content.size(), file));
    EXPECT_EQ(content, "ERROR!!: No value entered!!\n"
                       "OVERWRITE?: The variable name x already exists!! Overwrite?\n"
                       "Save: \xCE\xB1 \xCE\xB2\n"
                       "Info: \n");
    std::fclose(file);

    C_VYXStreamMessageBoxes silent(nullptr);
    silent.ShowError(QStringLiteral("ERROR!!"), QStringLiteral("x"));
    EXPECT_TRUE(silent.AskYesNo(QStringLiteral("q"), QStringLiteral("t")));
}

} // namespace
