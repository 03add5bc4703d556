// SPDX-License-Identifier: MIT
// Tests of completion: the word typed at the caret and the names that complete it.
#include "DocumentTestSupport.h"

#include "C_VYXCompletion.h"

namespace {

using DocumentTestSupport::DocumentTest;

TEST_F(DocumentTest, CompletionWordEndsAtTheCaretOutsideCommentsAndEvaluableNamesComplete) {
    // clang-format off
    const struct { const char16_t* line; int column, start; } cases[] = {
        {u"sin(co", 6, 4}, {u"3*abc+1", 5, 2}, {u"x_1", 3, 0}, {u"\u03B1\u03B2", 2, 0},
        {u"2pi", 3, 1},   // a number's digits are not part of the name
        {u"s", 1, -1}, {u"12x", 3, -1}, {u"a/b", 3, -1}, // too short
        {u"sin", 2, -1},  // inside a word
        {u"1/2 //co", 8, -1}, {u"co", 3, -1},
    };
    // clang-format on
    for (const auto& c : cases) {
        const QString line = QString::fromUtf16(c.line);
        SCOPED_TRACE(line.toStdString());
        const C_VYXCompletionWord word = C_VYXCompletion::WordBeforeCaret(line, c.column);
        EXPECT_EQ(word.start, c.start);
        EXPECT_EQ(word.prefix, c.start < 0 ? QString() : line.mid(c.start, c.column - c.start));
    }
    // Completion offers the evaluable names and the variables.
    C_VYXCompletion completion(doc);
    for (const char16_t* definition : {u"area=2", u"Arc=3", u"cost=4"})
        doc.CalculateLine(QString::fromUtf16(definition));
    // Functions and PI in any case, variables as written; "SQR" is reserved but evaluates to
    // nothing, so only SQRT completes "sq".
    // clang-format off
    const std::pair<QString, QStringList> candidates[] = {
        {u"SI"_s, {u"sin"_s, u"sinh"_s}}, {u"sQ"_s, {u"SQRT"_s}}, {u"cos"_s, {u"cosh"_s, u"cost"_s}},
        {u"COS"_s, {u"cosh"_s}}, {u"ar"_s, {u"area"_s, u"ARG"_s}}, {u"Ar"_s, {u"Arc"_s, u"ARG"_s}},
        {u"p"_s, {}}, {u"pI"_s, {}},
    };
    // clang-format on
    for (const auto& [prefix, expected] : candidates)
        EXPECT_EQ(completion.Candidates(prefix), expected) << prefix.toStdString();
    EXPECT_EQ(completion.FixedNames().size(), 19); // 18 of the 19 function names, and PI
    EXPECT_EQ(doc.TakeEngineMessage(), u"");       // the probing leaves no message behind
    // File New replaces the tables the variables live in.
    doc.OnNewDocument();
    doc.CalculateLine(u"arm=1"_s);
    EXPECT_EQ(completion.Candidates(u"ar"_s), (QStringList{u"ARG"_s, u"arm"_s}));
}

} // namespace
