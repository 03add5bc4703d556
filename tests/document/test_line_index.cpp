// SPDX-License-Identifier: MIT
// Tests of the line index against a plain scan of the text after random edits.
#include "C_VYXLineIndex.h"

#include <gtest/gtest.h>

#include <QString>

#include <random>
#include <vector>

namespace {

/// Line starts found by walking the whole text, the way the index must agree with.
std::vector<int> ScannedStarts(const QString& text) {
    std::vector<int> starts{0};
    for (qsizetype at = text.indexOf(u"\r\n"); at >= 0; at = text.indexOf(u"\r\n", at + 2))
        starts.push_back(int(at + 2));
    return starts;
}

/// Every lookup of the index compared with the scan; the message names the edit that broke it.
void ExpectMatchesScan(const C_VYXLineIndex& index, const QString& text, int edit) {
    SCOPED_TRACE(testing::Message() << "after edit " << edit);
    const std::vector<int> starts = ScannedStarts(text);
    const int size = int(text.size());
    ASSERT_EQ(index.LineCount(), int(starts.size()));
    for (int line = -1; line <= int(starts.size()); ++line) {
        const int expectedStart = line <= 0 ? 0 : line < int(starts.size()) ? starts[line] : size;
        const int expectedEnd =
            line + 1 < int(starts.size()) ? starts[std::max(line, 0) + 1] - 2 : size;
        ASSERT_EQ(index.LineStart(line, size), expectedStart) << "line " << line;
        if (line >= 0 && line < int(starts.size())) {
            ASSERT_EQ(index.LineEnd(line, size), expectedEnd) << "line " << line;
        }
    }
    int line = 0;
    for (int position = 0; position <= size; ++position) {
        while (line + 1 < int(starts.size()) && starts[line + 1] <= position)
            ++line;
        ASSERT_EQ(index.LineFromPosition(position), line) << "position " << position;
    }
}

TEST(LineIndex, RandomEditsAgreeWithAScanOfTheText) {
    // Few distinct characters, so edits keep making and splitting CR LF pairs, lone CRs and LFs.
    const QString alphabet = QStringLiteral("\r\n\r\nab");
    std::mt19937 random(13);
    auto randomText = [&](int maxLength) {
        QString text;
        const int length = std::uniform_int_distribution<int>(0, maxLength)(random);
        for (int i = 0; i < length; ++i)
            text += alphabet.at(std::uniform_int_distribution<int>(0, 5)(random));
        return text;
    };
    QString text = randomText(20);
    C_VYXLineIndex index;
    index.Rebuild(text);
    for (int edit = 0; edit < 3000; ++edit) {
        const int size = int(text.size());
        const int position = std::uniform_int_distribution<int>(0, size)(random);
        const int removed =
            std::uniform_int_distribution<int>(0, std::min(6, size - position))(random);
        const QString insertion = text.size() > 200 ? QString() : randomText(6);
        text.replace(position, removed, insertion);
        index.Replace(text, position, removed, int(insertion.size()));
        ExpectMatchesScan(index, text, edit);
    }
}

} // namespace
