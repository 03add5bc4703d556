// SPDX-License-Identifier: MIT
// Tests of the line tokenizer that colours the calculation area: each line's pieces, written as
// one letter per character, and the messages the engine really writes; and of completion: the
// word typed at the caret and the names that complete it.
#include "DocumentTestSupport.h"

#include "C_VYXCompletion.h"
#include "C_VYXLineTokenizer.h"
#include "C_VYXTranslatorSymbols.h"

#include <QRegularExpression>

using DocumentTestSupport::DocumentTest;
using Kind = C_VYXLineToken::Kind;

namespace {

/// One letter per character: n number, o operator, f function or constant, v variable,
/// u undefined, c comment, a approximation, e error, "." no token (blanks).
QString Mask(const QList<C_VYXLineToken>& tokens, qsizetype length) {
    QString mask(length, u'.');
    for (const C_VYXLineToken& token : tokens) {
        const char16_t letter = u"nofvucae"[int(token.kind)];
        for (int pos = token.start; pos < token.start + token.length && pos < length; ++pos)
            mask[pos] = letter;
    }
    return mask;
}

class LineTokenizerTest : public DocumentTest {
protected:
    LineTokenizerTest() {
        for (const char16_t* definition : {u"x=3", u"s=2", u"sinus=4"})
            doc.CalculateLine(QString::fromUtf16(definition));
    }
    C_VYXLineTokenizer Tokenizer() { return C_VYXLineTokenizer(doc.TokenTables().Translator()); }
};

// Defined: x, s, sinus. Masks written by hand from how the engine reads each line.
// clang-format off
const struct MaskCase { const char* name; const char16_t *line, *mask; } kMaskCases[] = {
    {"NumbersAndOperators", u"12.5*(3-1)", u"nnnnoonono"},
    {"ExponentAndImaginaryLiteral", u"1e-3+2.5i", u"nnnnonnnn"},
    {"BareEAfterNumberIsConstant", u"2e", u"nf"},
    {"ImaginarySuffixNotBeforeLetter", u"3in", u"nuu"},
    {"FunctionsInAnyCaseLongestFirst", u"Sin(2)+asinh", u"fffonooffffu"},
    {"ShortVariableInsideFunctionName", u"sin+s", u"fffov"},
    {"LongVariableBeforeFunctionName", u"sinus*2", u"vvvvvon"},
    {"UndefinedNameTakesDigits", u"ab2+x", u"uuuov"},
    {"UndefinedNameEndsAtFunction", u"qsin30", u"ufffnn"},
    {"AdjacentVariables", u"xs", u"vv"},
    {"VariablesAreCaseSensitive", u"X", u"u"},
    {"PiAnywhereAndPiSymbol", u"2pi+\u03C0", u"nffof"},
    {"OneLetterConstantOnlyAlone", u"ie+I", u"uuof"},
    {"DisplaySymbols", u"\u221A2+3\u00B2\u00D7\u00BD", u"ononoon"},
    {"TwoCharacterRoot", u"3\u207F\u221A8", u"noon"},
    {"ExpBetweenNumbers", u"2EXP3", u"nfffn"},
    {"Definition", u"y = x+1", u"u.o.von"},
    {"CommentAfterExpression", u"2+3 //note", u"non.cccccc"},
    {"ResultWithApproximation", u"25/36 //\u22480.694444", u"nnonn.aaaaaaaaaaa"},
    {"ArgumentAfterResult", u"3+4i ARGUMENT:0.927295 RAD", u"nonn.aaaaaaaaaaaaaaaaaaaaa"},
    {"CommentLine", u"// sum of parts!", u"cccccccccccccccc"},
    {"LowerCaseIsNoMessage", u"//note!", u"ccccccc"},
    {"MessageLine", u"//DIVISION BY ZERO!!", u"eeeeeeeeeeeeeeeeeeee"},
    {"BlanksOnly", u" \t", u".."},
    {"Empty", u"", u""},
};
// clang-format on

TEST_F(LineTokenizerTest, EachCharacterGetsItsKindAndMessagesAreErrorsOverAllTheirLines) {
    const C_VYXLineTokenizer tokenizer = Tokenizer();
    for (const MaskCase& row : kMaskCases) {
        const QString line = QString::fromUtf16(row.line);
        EXPECT_EQ(Mask(tokenizer.Tokenize(line), line.size()), QString::fromUtf16(row.mask))
            << row.name;
    }
    // A message goes on over the next lines only in capitals.
    int state = C_VYXLineTokenizer::kMessageGoesOn;
    EXPECT_EQ(Mask(tokenizer.Tokenize(u"AB CD", state, &state), 5), u"eeeee");
    EXPECT_EQ(state, C_VYXLineTokenizer::kMessageGoesOn);
    EXPECT_EQ(Mask(tokenizer.Tokenize(u"AB Cd", state, &state), 5), u"uu.uu");
    EXPECT_EQ(state, C_VYXLineTokenizer::kPlainLine);
    // A tokenizer made anew follows the variables.
    EXPECT_EQ(Mask(tokenizer.Tokenize(u"rate*2"), 6), u"uuuuon");
    doc.CalculateLine(QStringLiteral("rate=5"));
    EXPECT_EQ(Mask(Tokenizer().Tokenize(u"rate*2"), 6), u"vvvvon");
    EXPECT_TRUE(Tokenizer().VariableNames().contains(QStringLiteral("rate")));
    // Every function name, as listed and in lower case, is one token.
    for (const QString& name : C_VYXTranslatorSymbols::FunctionNames())
        for (const QString& spelling : {name, name.toLower()}) {
            const QList<C_VYXLineToken> tokens = tokenizer.Tokenize(spelling + u'2');
            ASSERT_EQ(tokens.size(), 2) << spelling.toStdString();
            EXPECT_EQ(tokens[0], (C_VYXLineToken{0, int(name.size()), Kind::Function}))
                << spelling.toStdString();
        }
    // The engine's messages are errors over all their lines.
    // Lines that fail in the parser, the evaluator and the functions, one- and multi-line.
    for (const char16_t* failing : {u"2+3)", u"1/0", u"ln(0)", u"log(0-1)", u"2()", u"asin(2)",
                                    u"q+1", u"0^0", u"2.5!", u"(0-3)!", u"*2"}) {
        const QString written = Calculate(QString::fromUtf16(failing));
        ASSERT_TRUE(written.startsWith(u"//")) << QString::fromUtf16(failing).toStdString();
        // What the user types next, right below the message, is a line of its own.
        const QStringList lines =
            (written + QStringLiteral("2+x")).split(QRegularExpression(QStringLiteral("\r?\n")));
        int state = C_VYXLineTokenizer::kPlainLine;
        for (qsizetype index = 0; index + 1 < lines.size(); ++index) {
            const QString mask =
                Mask(tokenizer.Tokenize(lines[index], state, &state), lines[index].size());
            EXPECT_EQ(mask, QString(lines[index].size(), u'e')) << lines[index].toStdString();
        }
        EXPECT_EQ(Mask(tokenizer.Tokenize(lines.last(), state), 3), u"nov")
            << QString::fromUtf16(failing).toStdString();
    }
}

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
