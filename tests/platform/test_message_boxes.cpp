// SPDX-License-Identifier: MIT
// The scripted message boxes of the tests and the stream boxes of the command line.
#include "C_VYXScriptedMessageBoxes.h"
#include "C_VYXStreamMessageBoxes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <string>

namespace {

using Answer = C_VYXMessageBoxes::Answer;
using Kind = C_VYXScriptedMessageBoxes::Kind;

TEST(ScriptedMessageBoxes, AnswersInQueueOrderThenTheSafeAnswerAndRecordsEveryBox) {
    C_VYXScriptedMessageBoxes boxes;
    C_VYXMessageBoxes& shown = boxes;
    for (Answer answer : {Answer::Yes, Answer::Cancel, Answer::No})
        boxes.QueueAnswer(answer);
    shown.ShowError(QStringLiteral("ERROR!!"), QStringLiteral("No value entered!!"));
    EXPECT_TRUE(shown.AskYesNo(QStringLiteral("OVERWRITE?"), QStringLiteral("x")));
    EXPECT_FALSE(shown.AskYesNo(QString(), QString())); // Cancel is not Yes
    shown.ShowInformation(QStringLiteral("Info"), QStringLiteral("done"));
    EXPECT_EQ(boxes.UnusedAnswers(), 1);
    EXPECT_EQ(shown.AskYesNoCancel(QStringLiteral("Save?"), QStringLiteral("y")), Answer::No);
    EXPECT_EQ(boxes.UnexpectedQuestions(), 0);
    // Unqueued questions get the answer that changes nothing, and are counted.
    EXPECT_FALSE(shown.AskYesNo(QStringLiteral("OVERWRITE?"), QString()));
    EXPECT_EQ(shown.AskYesNoCancel(QStringLiteral("Again?"), QString()), Answer::Cancel);
    EXPECT_EQ(boxes.UnexpectedQuestions(), 2);

    const Kind kinds[] = {Kind::Error,       Kind::YesNo, Kind::YesNo,      Kind::Information,
                          Kind::YesNoCancel, Kind::YesNo, Kind::YesNoCancel};
    ASSERT_EQ(boxes.Boxes().size(), qsizetype(std::size(kinds)));
    for (qsizetype i = 0; i < boxes.Boxes().size(); ++i)
        EXPECT_EQ(boxes.Boxes()[i].kind, kinds[i]) << i;
    EXPECT_EQ(boxes.Boxes()[0].caption, QStringLiteral("ERROR!!"));
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("No value entered!!"));
    EXPECT_EQ(boxes.LastBox().caption, QStringLiteral("Again?"));

    boxes.QueueAnswer(Answer::Yes);
    boxes.Reset();
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_EQ(boxes.UnexpectedQuestions(), 0);
    EXPECT_EQ(boxes.UnusedAnswers(), 0);
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
