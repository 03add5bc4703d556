// SPDX-License-Identifier: MIT
// Tests of the display-symbol translator: comments, spaces, variables, symbols, reserved words.
#include "C_VYXArchive.h"
#include "C_VYXTokenTables.h"
#include "C_VYXTranslatorSymbols.h"
#include "C_VYXUnicodeTranslatorContainer.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using Variables = QMap<QString, QString>;

struct TranslateCase {
    const char* name;
    const char16_t* input;
    Variables values;
    const char16_t* expected;
    const char16_t* comment;
};

class TranslateTest : public ::testing::TestWithParam<TranslateCase> {};

TEST_P(TranslateTest, GivesEngineTextAndKeepsTheComment) {
    const TranslateCase& test = GetParam();
    C_VYXTokenTables tables;
    C_VYXUnicodeTranslatorContainer& translator = tables.Translator();
    const Variables definitions = test.values;
    translator.SetVariableMaps(&definitions, &test.values);

    EXPECT_EQ(translator.Translate(QString::fromUtf16(test.input)),
              QString::fromUtf16(test.expected));
    EXPECT_EQ(translator.TakeComment(), QString::fromUtf16(test.comment));
    EXPECT_EQ(translator.TakeComment(), QString()) << "taking the comment empties it";
}

const Variables kNone;
const Variables kX2 = {{u"x"_s, u"2"_s}};
const Variables kAbAndA = {{u"AB"_s, u"1"_s}, {u"A"_s, u"2"_s}};
const Variables kS3 = {{u"s"_s, u"3"_s}};
const Variables kUpperN = {{u"N"_s, u"2"_s}};
const Variables kUpperS = {{u"S"_s, u"4"_s}};
const Variables kFiveLetters = {{u"abcde"_s, u"7"_s}};
const Variables kAn = {{u"an"_s, u"5"_s}};
const Variables kN = {{u"n"_s, u"2"_s}};
const Variables kSelfValue = {{u"x"_s, u"x+x"_s}};
const Variables kHalf = {{u"h"_s, u"0.5"_s}};

INSTANTIATE_TEST_SUITE_P(
    Translator, TranslateTest,
    ::testing::Values(
        TranslateCase{"CommentKeepsItsSpaces", u"2 \u00D7 3 // six", kNone, u"2*3", u"// six"},
        TranslateCase{"NoCommentLeavesItEmpty", u"1+2", kNone, u"1+2", u""},
        TranslateCase{"CommentOnlyAtFirstMarker", u"1//a//b", kNone, u"1", u"//a//b"},
        TranslateCase{"SpacesRemoved", u" 1 +\t2 ", kNone, u"1+\t2", u""},
        TranslateCase{"SquareRoot", u"\u221A16", kNone, u"SQRT16", u""},
        TranslateCase{"Square", u"3\u00B2", kNone, u"3^2", u""},
        TranslateCase{"CubeOfVariable", u"x\u00B3", kX2, u"(2)^3", u""},
        TranslateCase{"CubeRootBeforeCube", u"\u00B3\u221A27", kNone, u"(3)~27", u""},
        TranslateCase{"NthRootBeforeRoot", u"3\u207F\u221A27", kNone, u"3~27", u""},
        TranslateCase{"Inverse", u"2\u02C9\u00B9", kNone, u"2^-1", u""},
        TranslateCase{"VulgarFractions", u"\u00BD+\u00BE", kNone, u"(1/2)+(3/4)", u""},
        TranslateCase{"EighthsAndQuarter", u"\u215B\u215C\u215D\u215E\u00BC", kNone,
                      u"(1/8)(3/8)(5/8)(7/8)(1/4)", u""},
        TranslateCase{"PerMille", u"5\u2030", kNone, u"5(1/1000)", u""},
        TranslateCase{"LowerCasePi", u"pi*2", kNone, u"(PI)*2", u""},
        TranslateCase{"MixedCasePi", u"2Pi", kNone, u"2(PI)", u""},
        TranslateCase{"PiSymbolBracketedTwice", u"\u03C0*2", kNone, u"((PI))*2", u""},
        TranslateCase{"ExpAfterUpperCasing", u"2exp3", kNone, u"2E3", u""},
        TranslateCase{"OtherScriptsKeepTheirCase", u"2\u03B1+\u00DF", kNone, u"2\u03B1+\u00DF",
                      u""},
        TranslateCase{"LongerNameFirst", u"AB+A", kAbAndA, u"(1)+(2)", u""},
        TranslateCase{"NamesAreCaseSensitive", u"ab+a", kAbAndA, u"AB+A", u""},
        TranslateCase{"ShortNameSparesFunctionName", u"sin(s)", kS3, u"SIN((3))", u""},
        TranslateCase{"GuardIgnoresLetterCase", u"SiN(N)+N", kUpperN, u"SIN((2))+(2)", u""},
        TranslateCase{"UpperCaseNameInUpperFunction", u"SIN(S)+sin(S)", kUpperS,
                      u"SIN((4))+SIN((4))", u""},
        TranslateCase{"NameEndingAFunctionName", u"cos(s)*s", kS3, u"COS((3))*(3)", u""},
        TranslateCase{"TwoLetterNameInTan", u"tan(an)", kAn, u"TAN((5))", u""},
        TranslateCase{"NameInsideLn", u"ln(n)+sinh(n)", kN, u"LN((2))+SINH((2))", u""},
        TranslateCase{"WithoutFunctionEverywhere", u"s+ss", kS3, u"(3)+(3)(3)", u""},
        TranslateCase{"FiveLettersEverywhere", u"sin(abcde)+xabcdey", kFiveLetters,
                      u"SIN((7))+X(7)Y", u""},
        TranslateCase{"ValueHoldingItsNameGuarded", u"sin(x)+x", kSelfValue, u"SIN((X+X))+(X+X)",
                      u""},
        TranslateCase{"ValueHoldingItsName", u"x*x", kSelfValue, u"(X+X)*(X+X)", u""},
        TranslateCase{"VariableInCommentUntouched", u"h//h", kHalf, u"(0.5)", u"//h"},
        TranslateCase{"SymbolsAfterVariables", u"h\u00B2\u00D7\u03C0", kHalf, u"(0.5)^2*((PI))",
                      u""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Translator, EdgesOfCommentsMapsAndSymbolReplacement) {
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
}

struct ContainsCase {
    const char* name;
    const char16_t* text;
    bool expected;
};

class ContainsFunctionNameTest : public ::testing::TestWithParam<ContainsCase> {};

TEST_P(ContainsFunctionNameTest, FindsNamesInAnyCase) {
    C_VYXTokenTables tables;
    EXPECT_EQ(tables.Translator().ContainsFunctionName(QString::fromUtf16(GetParam().text)),
              GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Translator, ContainsFunctionNameTest,
    ::testing::Values(ContainsCase{"MixedCaseLog", u"2+LoG(3)", true},
        ContainsCase{"Ln", u"ln", true}, ContainsCase{"LowerSqr", u"sqr(4)", true},
        ContainsCase{"ImpAtEnd", u"1+iMp", true}, ContainsCase{"Digits", u"2+3", false},
        ContainsCase{"AlmostSin", u"s1n+sn", false}, ContainsCase{"Empty", u"", false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct NameCase {
    const char* name;
    const char16_t* variable;
    bool valid;
};

class VariableNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(VariableNameTest, RejectsReservedWordsOnly) {
    C_VYXTokenTables tables;
    EXPECT_EQ(tables.Translator().IsValidVariableName(QString::fromUtf16(GetParam().variable)),
              GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Translator, VariableNameTest,
    ::testing::Values(NameCase{"Sin", u"sin", false}, NameCase{"SinUpper", u"SIN", false},
                      NameCase{"Pi", u"Pi", false}, NameCase{"PiMixed", u"pI", false},
                      NameCase{"E", u"e", false}, NameCase{"CommentMarker", u"//", false},
                      NameCase{"PiSymbol", u"\u03C0", false}, NameCase{"Assignment", u"a=b", false},
                      NameCase{"SqrtMixed", u"SqRt", false}, NameCase{"ExponentSign", u"E+", false},
                      NameCase{"Backslash", u"\\", false}, NameCase{"Quote", u"\"", false},
                      NameCase{"Delta", u"\u03B4", false}, NameCase{"At", u"@", false},
                      NameCase{"Braces", u"{}", false}, NameCase{"X", u"x", true},
                      NameCase{"Alpha", u"\u03B1", true}, NameCase{"SinX", u"sinx", true},
                      NameCase{"X1", u"x1", true}, NameCase{"APi", u"A\u03C0", true},
                      NameCase{"Sqrt2", u"SQRT2", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Translator, ReservedWordsInTheirOrder) {
    const QStringList& words = C_VYXTranslatorSymbols::ReservedWords();
    ASSERT_EQ(words.size(), C_VYXTranslatorSymbols::ReservedWordCount);
    EXPECT_EQ(words.first(), u"asin"_s);
    EXPECT_EQ(words[C_VYXTranslatorSymbols::FunctionNameCount - 1], u"SQRT"_s);
    EXPECT_EQ(words[C_VYXTranslatorSymbols::FunctionNameCount], u"^"_s);
    EXPECT_EQ(words.last(), u"//"_s);
    EXPECT_EQ(words.count(u"EXP"_s), 2) << "EXP is both a function name and a symbol";
}

TEST(Translator, SymbolMapSurvivesSerialization) {
    C_VYXTokenTables tables;
    QByteArray bytes;
    C_VYXArchive store = C_VYXArchive::ForStoring(&bytes);
    tables.Translator().Serialize(store);

    C_VYXUnicodeTranslatorContainer loaded;
    EXPECT_EQ(loaded.ReplaceSymbols(u"\u221A4"_s), u"\u221A4"_s) << "no map before loading";
    C_VYXArchive load = C_VYXArchive::ForLoading(bytes);
    loaded.Serialize(load);
    EXPECT_EQ(loaded.SymbolMap(), tables.Translator().SymbolMap());
    EXPECT_EQ(loaded.ReplaceSymbols(u"\u00B3\u221A8\u00D7\u221A4"_s), u"(3)~8*SQRT4"_s);
}

// The symbol map applied the plain way: every entry over the whole text, one after another in
// the order of the translation table, then "PI".
QString ReplaceSymbolsOneByOne(const QString& text) {
    QString result = C_VYXTranslatorSymbols::ToUpperAscii(text);
    const std::vector<std::pair<QString, QString>> order = {
        {u"\u00B3\u221A"_s, u"(3)~"_s}, {u"\u207F\u221A"_s, u"~"_s},  {u"\u00B2"_s, u"^2"_s},
        {u"\u00B3"_s, u"^3"_s},         {u"\u221A"_s, u"SQRT"_s},     {u"EXP"_s, u"E"_s},
        {u"\u00D7"_s, u"*"_s},          {u"\u02C9\u00B9"_s, u"^-1"_s}};
    for (const auto& [display, engine] : order)
        result.replace(display, engine);
    return result.replace(u"PI"_s, u"(PI)"_s);
}

TEST(Translator, OnePassGivesTheSameTextAsReplacingOneByOne) {
    const QList<QString> pieces = {u"\u00B3"_s, u"\u221A"_s, u"\u207F"_s, u"\u00B2"_s,
                                   u"\u02C9"_s, u"\u00B9"_s, u"\u00D7"_s, u"E"_s,
                                   u"X"_s,      u"P"_s,      u"I"_s,      u"e"_s,
                                   u"x"_s,      u"p"_s,      u"i"_s,      u"1"_s};
    C_VYXTokenTables tables;
    QRandomGenerator random(20240601);
    for (int round = 0; round < 5000; ++round) {
        QString text;
        const int length = random.bounded(12);
        for (int i = 0; i < length; ++i)
            text += pieces[random.bounded(int(pieces.size()))];
        ASSERT_EQ(tables.Translator().ReplaceSymbols(text), ReplaceSymbolsOneByOne(text))
            << text.toStdString();
    }
}

// Occurrence-by-occurrence substitution as plainly as it can be written: every function name is
// searched from the current start in the current text; the search resumes after an inserted
// value.
QString ReplaceOutsidePlainly(QString text, const QString& name, const QString& replacement) {
    const QStringList functions = C_VYXTranslatorSymbols::FunctionNames();
    qsizetype from = 0;
    qsizetype pos = text.indexOf(name);
    while (pos >= 0) {
        bool inside = false;
        for (const QString& function : functions) {
            const qsizetype start = std::max<qsizetype>(0, from - function.size() + 1);
            const qsizetype found = text.indexOf(function, start, Qt::CaseInsensitive);
            if (found >= 0 && found <= pos && pos < found + function.size()) {
                inside = true;
                from = found + function.size();
                break;
            }
        }
        if (!inside) {
            text.replace(pos, name.size(), replacement);
            from = pos + replacement.size();
        }
        pos = text.indexOf(name, from);
    }
    return text;
}

TEST(Translator, ReplaceOutsideFunctionNamesMatchesThePlainAlgorithm) {
    const QList<QString> pieces = {u"s"_s,   u"i"_s,   u"n"_s, u"h"_s, u"a"_s,
                                   u"S"_s,   u"N"_s,   u"c"_s, u"o"_s, u"l"_s,
                                   u"sin"_s, u"cos"_s, u"("_s, u"+"_s, u"2"_s};
    const QList<QString> names = {u"s"_s, u"n"_s, u"sh"_s, u"in"_s, u"N"_s, u"ns"_s};
    C_VYXTokenTables tables;
    QRandomGenerator random(7);
    for (int round = 0; round < 20000; ++round) {
        QString text;
        const int length = random.bounded(16);
        for (int i = 0; i < length; ++i)
            text += pieces[random.bounded(int(pieces.size()))];
        const QString& name = names[random.bounded(int(names.size()))];
        // Values that hold the name or a function name must not be searched again.
        const QString replacement = round % 3 == 0 ? u"(1)"_s : u"(s"_s + name + u")"_s;
        ASSERT_EQ(tables.Translator().ReplaceOutsideFunctionNames(text, name, replacement),
                  ReplaceOutsidePlainly(text, name, replacement))
            << text.toStdString() << " name " << name.toStdString();
    }
}

TEST(Translator, MegabyteLineWithManyVariablesIsTranslatedWhole) {
    // One occurrence every few characters and a function name at the far end: the substitution
    // must still visit every occurrence once.
    QString line;
    for (int i = 0; i < 100000; ++i)
        line += u"s+s*2\u00B2 "_s;
    line += u"sin(s)"_s;
    C_VYXTokenTables tables;
    const Variables values = {{u"s"_s, u"3"_s}};
    tables.Translator().SetVariableMaps(&values, &values);
    const QString translated = tables.Translator().Translate(line);
    EXPECT_EQ(translated.count(u"(3)"_s), 200001);
    EXPECT_TRUE(translated.endsWith(u"SIN((3))"_s));
    EXPECT_EQ(translated.count(u"^2"_s), 100000);
}

} // namespace
