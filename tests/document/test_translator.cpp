// SPDX-License-Identifier: MIT
// Tests of the display-symbol translator: comments, spaces, variables, symbols, reserved words;
// and of the token lists behind Backspace.
#include "DocumentTestSupport.h"

#include "C_VYXTokenTables.h"
#include "C_VYXUnicodeTranslatorContainer.h"

#include <random>

namespace {

using Variables = QMap<QString, QString>;

const Variables kAbAndA = {{u"AB"_s, u"1"_s}, {u"A"_s, u"2"_s}};
const Variables kHalf = {{u"h"_s, u"0.5"_s}};

// clang-format off
const struct TranslateCase {
    const char* name; const char16_t* input; Variables values; const char16_t* expected;
    const char16_t* comment = u"";
} kTranslateCases[] = {
    {"CommentKeepsItsSpaces", u"2 \u00D7 3 // six", {}, u"2*3", u"// six"},
    {"CommentOnlyAtFirstMarker", u"1//a//b", {}, u"1", u"//a//b"},
    {"SpacesRemoved", u" 1 +\t2 ", {}, u"1+\t2"},
    {"RootSquareInverseAndPerMille", u"\u221A16+3\u00B2+2\u02C9\u00B9+5\u2030", {},
        u"SQRT16+3^2+2^-1+5(1/1000)"},
    {"CubeOfVariable", u"x\u00B3", {{u"x"_s, u"2"_s}}, u"(2)^3"},
    {"CubeRootBeforeCube", u"\u00B3\u221A27", {}, u"(3)~27"},
    {"NthRootBeforeRoot", u"3\u207F\u221A27", {}, u"3~27"},
    {"VulgarFractions", u"\u00BD+\u215E", {}, u"(1/2)+(7/8)"},
    {"PiInAnyCaseAndTheSymbolBracketedTwice", u"pi*2Pi+\u03C0", {}, u"(PI)*2(PI)+((PI))"},
    {"ExpAfterUpperCasing", u"2exp3", {}, u"2E3"},
    {"OtherScriptsKeepTheirCase", u"2\u03B1+\u00DF", {}, u"2\u03B1+\u00DF"},
    {"LongerNameFirst", u"AB+A", kAbAndA, u"(1)+(2)"},
    {"NamesAreCaseSensitive", u"ab+a", kAbAndA, u"AB+A"},
    {"ShortNameSparesFunctionNames", u"sin(s)+cos(s)*s+ss", {{u"s"_s, u"3"_s}},
        u"SIN((3))+COS((3))*(3)+(3)(3)"},
    {"GuardIgnoresLetterCase", u"SiN(N)+N", {{u"N"_s, u"2"_s}}, u"SIN((2))+(2)"},
    {"NameInsideLn", u"ln(n)+sinh(n)", {{u"n"_s, u"2"_s}}, u"LN((2))+SINH((2))"},
    {"FiveLettersEverywhere", u"sin(abcde)+xabcdey", {{u"abcde"_s, u"7"_s}}, u"SIN((7))+X(7)Y"},
    {"ValueHoldingItsName", u"sin(x)+x*x", {{u"x"_s, u"x+x"_s}}, u"SIN((X+X))+(X+X)*(X+X)"},
    {"VariableInCommentUntouched", u"h//h", kHalf, u"(0.5)", u"//h"},
};
// clang-format on

TEST(Translator, GivesEngineTextKeepsCommentsAndTheSymbolMapSurvivesSerialization) {
    for (const TranslateCase& test : kTranslateCases) {
        SCOPED_TRACE(test.name);
        C_VYXTokenTables tables;
        C_VYXUnicodeTranslatorContainer& translator = tables.Translator();
        const Variables definitions = test.values;
        translator.SetVariableMaps(&definitions, &test.values);
        EXPECT_EQ(translator.Translate(QString::fromUtf16(test.input)),
                  QString::fromUtf16(test.expected));
        EXPECT_EQ(translator.TakeComment(), QString::fromUtf16(test.comment));
        EXPECT_EQ(translator.TakeComment(), QString()) << "taking the comment empties it";
    }
    // The edges of comments, maps, symbol replacement and names.
    C_VYXTokenTables tables;
    C_VYXUnicodeTranslatorContainer& translator = tables.Translator();
    EXPECT_EQ(translator.Translate(u"a+b"_s), u"A+B"_s) << "works without variable maps";
    translator.Translate(u"1 // one"_s);
    translator.Translate(u"2"_s);
    EXPECT_EQ(translator.TakeComment(), QString()) << "the next line replaces the comment";
    // An empty name from a damaged file is ignored.
    const Variables values = {{QString(), u"9"_s}, {u"y"_s, u"1"_s}, {u"x"_s, u"2"_s}};
    translator.SetVariableMaps(&values, &values);
    EXPECT_EQ(translator.Translate(u"y+2"_s), u"(1)+2"_s);
    // Replacing symbols alone keeps spaces and comments.
    EXPECT_EQ(translator.ReplaceSymbols(u"x \u00B2 //pi"_s), u"X ^2 //(PI)"_s);
    // Function names are found in any case; only reserved variable names are rejected.
    for (const QString& text : {u"2+LoG(3)"_s, u"ln"_s, u"sqr(4)"_s, u"1+iMp"_s})
        EXPECT_TRUE(translator.ContainsFunctionName(text)) << text.toStdString();
    for (const QString& text : {u"2+3"_s, u"s1n+sn"_s, QString()})
        EXPECT_FALSE(translator.ContainsFunctionName(text)) << text.toStdString();
    const QStringList reserved = {u"SIN"_s, u"pI"_s,     u"e"_s, u"//"_s,  u"\u03C0"_s, u"a=b"_s,
                                  u"E+"_s,  u"\u03B4"_s, u"@"_s, u"a b"_s, u"a\tb"_s};
    for (const QString& name : reserved)
        EXPECT_FALSE(translator.IsValidVariableName(name)) << name.toStdString();
    for (const QString& name : {u"x"_s, u"\u03B1"_s, u"sinx"_s, u"x1"_s, u"A\u03C0"_s, u"SQRT2"_s})
        EXPECT_TRUE(translator.IsValidVariableName(name)) << name.toStdString();
    // The symbol map survives serialization.
    C_VYXUnicodeTranslatorContainer loaded;
    EXPECT_EQ(loaded.ReplaceSymbols(u"\u221A4"_s), u"\u221A4"_s) << "no map before loading";
    LoadBytes(loaded, StoredBytes(tables.Translator()));
    EXPECT_EQ(loaded.SymbolMap(), tables.Translator().SymbolMap());
    EXPECT_EQ(loaded.ReplaceSymbols(u"\u00B3\u221A8\u00D7\u221A4"_s), u"(3)~8*SQRT4"_s);
    // A megabyte line with many variables is translated whole: one occurrence every few
    // characters and a function name at the far end, and every occurrence visited once.
    const QString line = u"s+s*2\u00B2 "_s.repeated(100000) + u"sin(s)"_s;
    const Variables manyValues = {{u"s"_s, u"3"_s}};
    translator.SetVariableMaps(&manyValues, &manyValues);
    const QString translated = translator.Translate(line);
    EXPECT_EQ(translated.count(u"(3)"_s), 200001);
    EXPECT_TRUE(translated.endsWith(u"SIN((3))"_s));
    EXPECT_EQ(translated.count(u"^2"_s), 100000);
}

TEST(TokenTables, TheLongestCaseSensitiveTrailingTokenGoesAtOnce) {
    const C_VYXTokenTables tables;
    // One token of each length and the odd ones (symbols, upper-case names); anything else
    // loses one character.
    const std::pair<const char16_t*, int> cases[] = {
        {u"", 0},       {u"7", 1},      {u"12+tanh", 4},       {u"asinh", 4},         {u"xcos", 3},
        {u"2+IMP", 3},  {u"ln", 2},     {u"3\u207F\u221A", 2}, {u"2\u02C9\u00B9", 2}, {u"1e-", 2},
        {u"s", 1},      {u"2+SINH", 1}, {u"SIN", 1},           {u"exp", 1},           {u"1E+", 1},
        {u"\u221A", 1}, {u"sin2", 1}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(tables.TrailingTokenLength(QString::fromUtf16(text)), expected)
            << QString::fromUtf16(text).toStdString();
}

TEST(SubstitutionOrder, FindsTheSameNextNameAsSearchingForEveryName) {
    // Random names and texts over a few letters, so that names overlap and share first letters.
    std::mt19937 random(7);
    const auto word = [&random](int maxLength) {
        return DocumentTestSupport::RandomText(random, u"abcd", maxLength);
    };
    for (int round = 0; round < 500; ++round) {
        Variables values;
        for (int k = 0; k < 6; ++k)
            values.insert(word(4), u"1"_s);
        const C_VYXSubstitutionOrder order(values);
        const QString text = word(11);
        for (qsizetype from = 0; from <= order.Size(); ++from) {
            qsizetype expected = from;
            while (expected < order.Size() && !text.contains(order.Name(expected)))
                ++expected;
            EXPECT_EQ(order.NextIn(text, from), expected < order.Size() ? expected : -1)
                << text.toStdString() << " from " << from;
        }
        for (qsizetype rank = 1; rank < order.Size(); ++rank)
            EXPECT_GE(order.Name(rank - 1).size(), order.Name(rank).size());
    }
}

} // namespace
