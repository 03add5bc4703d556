// SPDX-License-Identifier: MIT
// C_VYXTranslatorSymbols: the reserved words, numeric symbols and initial symbol map.
#include "C_VYXTranslatorSymbols.h"

#include "C_VYXResourceIds.h"

#include <initializer_list>

namespace C_VYXTranslatorSymbols {

namespace {
QStringList FromUtf16(std::initializer_list<const char16_t*> texts) {
    QStringList list;
    list.reserve(qsizetype(texts.size()));
    for (const char16_t* text : texts)
        list.append(QString::fromUtf16(text));
    return list;
}
} // namespace

const QStringList& ReservedWords() {
    static const QStringList words = FromUtf16(
        {// The function names come first: they guard variable substitution.
         u"asin", u"sinh", u"sin", u"acos", u"cosh", u"cos", u"atan", u"tanh", u"tan", u"log",
         u"ln", u"ABS", u"ARG", u"CNJ", u"REP", u"IMP", u"EXP", u"SQR", u"SQRT",
         // Operators, brackets and other symbols.
         u"^", u"~", u"+", u"-", u"*", u"\u00D7", u"/", u"\\", u"!", u"?", u"=", u"\u2248",
         u"\u2261", u"\u2260", u"(", u")", u"()", u"{", u"}", u"{}", u"[", u"]", u"[]", u"\"", u"#",
         u"\u00A4", u"$", u"\u00A3", u"@", u"|", u"%", u"\u2030", u"&",
         // Constants and the imaginary unit.
         u"PI", u"Pi", u"pI", u"pi", u"I", u"i", u"J", u"j", u"E", u"e", u"\u03C0", u"e+", u"e-",
         u"E+", u"E-", u"exp", u"EXP",
         // Vulgar fractions, relations, arrows and other mathematical signs.
         u"\u00BD", u"\u00BC", u"\u00BE", u"\u215B", u"\u215C", u"\u215D", u"\u215E", u"\u2265",
         u"\u2264", u"<", u">", u"\u2194", u"\u2193", u"\u2190", u"\u2192", u"\u2191", u"\u2195",
         u"\u21A8", u"\u2211", u"\u220F", u"\u2229", u"\u221F", u"\u221E", u"\u222B", u"\u2219",
         u"\u03B4", u"\u2202", u"//"});
    return words;
}

QStringList FunctionNames() {
    return ReservedWords().mid(0, kFunctionNameCount);
}

const QStringList& ConstantNames() {
    static const QStringList names = {QStringLiteral("PI"), QStringLiteral("E"),
                                      QStringLiteral("I"), QStringLiteral("J")};
    return names;
}

const QList<C_VYXSymbolPair>& NumericSymbols() {
    static const QList<C_VYXSymbolPair> symbols = {
        {QStringLiteral("\u03C0"), QStringLiteral("(PI)")},
        {QStringLiteral("\u2030"), QStringLiteral("(1/1000)")},
        {QStringLiteral("\u00BD"), QStringLiteral("(1/2)")},
        {QStringLiteral("\u00BC"), QStringLiteral("(1/4)")},
        {QStringLiteral("\u00BE"), QStringLiteral("(3/4)")},
        {QStringLiteral("\u215B"), QStringLiteral("(1/8)")},
        {QStringLiteral("\u215C"), QStringLiteral("(3/8)")},
        {QStringLiteral("\u215D"), QStringLiteral("(5/8)")},
        {QStringLiteral("\u215E"), QStringLiteral("(7/8)")}};
    return symbols;
}

const QList<C_VYXSymbolMapSeed>& SymbolMapSeeds() {
    using namespace C_VYXResourceIds;
    static const QList<C_VYXSymbolMapSeed> seeds = {
        {QStringLiteral("\u00B2"), kStrSymbolSquare, QString()},
        {QStringLiteral("\u221A"), kStrSymbolSquareRoot, QString()},
        {QStringLiteral("\u207F\u221A"), kStrSymbolNthRoot, QString()},
        {QStringLiteral("\u00B3"), kStrSymbolCube, QString()},
        {QStringLiteral("\u00B3\u221A"), kStrSymbolCubeRoot, QString()},
        {QStringLiteral("\u02C9\u00B9"), kStrSymbolInverse, QString()},
        {QStringLiteral("\u00D7"), 0, QStringLiteral("*")},
        {QStringLiteral("EXP"), 0, QStringLiteral("E")}};
    return seeds;
}

QString ToUpperAscii(QStringView text) {
    QString upper(text.size(), Qt::Uninitialized);
    QChar* out = upper.data();
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        *out++ = (unit >= u'a' && unit <= u'z') ? QChar(char16_t(unit - u'a' + u'A')) : c;
    }
    return upper;
}

} // namespace C_VYXTranslatorSymbols
