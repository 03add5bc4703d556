// SPDX-License-Identifier: MIT
// C_VYXLineTokenizer: numbers, operators, names, comments and messages of one line.
#include "C_VYXLineTokenizer.h"

#include "C_VYXTranslatorSymbols.h"
#include "C_VYXUnicodeTranslatorContainer.h"

#include <algorithm>

using namespace C_VYXTranslatorSymbols;

namespace {

/// The characters the engine reads as operators and braces, and the "=" of a definition.
constexpr QStringView kOperatorCharacters = u"+-*/^~!%()=";
/// After the comment marker of a result: the approximation of an exact result.
constexpr char16_t kApproximationMark = u'\u2248';

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool IsAsciiUpper(QChar c) {
    return c >= u'A' && c <= u'Z';
}

bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool HasAsciiLetter(QStringView text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return IsAsciiUpper(c) || (c >= u'a' && c <= u'z'); });
}

/// A message of the engine as the document writes it: "//" and a shouted first sentence
/// ("//ERROR!! ...", "//SYNTAX ERROR!!", "//DIVISION BY ZERO!!").
bool IsMessageLine(QStringView line) {
    const QStringView marker(kCommentMarker);
    if (!line.startsWith(marker) || line.size() <= marker.size() ||
        !IsAsciiUpper(line[marker.size()]))
        return false;
    for (qsizetype pos = marker.size(); pos < line.size(); ++pos) {
        if (line[pos] == u'!')
            return true;
        if (!IsAsciiUpper(line[pos]) && line[pos] != u' ')
            return false;
    }
    return false;
}

/// A further line of a message that runs over several ("NUMBER OF LEFTBRACES=1", "ATLEAST NOT
/// IN ..."): upper-case words with blanks between them and nothing in lower case. No line the
/// user calculates with starts with two capitals and holds a blank without a lower-case letter
/// in it, except by chance right below a message.
bool IsMessageContinuation(QStringView line) {
    if (line.size() < 2 || !IsAsciiUpper(line[0]) || !IsAsciiUpper(line[1]) || !line.contains(u' '))
        return false;
    return std::none_of(line.begin(), line.end(), [](QChar c) { return c >= u'a' && c <= u'z'; });
}

} // namespace

C_VYXLineTokenizer::C_VYXLineTokenizer(const C_VYXUnicodeTranslatorContainer& translator) {
    for (const QString& name : FunctionNames())
        AddWord(m_knownWords, ToUpperAscii(name), Kind::Function);
    // One-letter constants count only as a whole name (the engine reads "IE" as one operand);
    // longer ones are found anywhere, as the translator brackets every "PI".
    for (const QString& name : ConstantNames())
        if (name.size() > 1)
            AddWord(m_knownWords, name, Kind::Function);
    for (auto symbol = translator.SymbolMap().cbegin(); symbol != translator.SymbolMap().cend();
         ++symbol)
        AddWord(m_knownWords, ToUpperAscii(symbol.key()),
                HasAsciiLetter(symbol.key()) ? Kind::Function : Kind::Operator);
    for (const C_VYXSymbolPair& symbol : NumericSymbols())
        AddWord(m_knownWords, symbol.display,
                HasAsciiLetter(symbol.engineText) ? Kind::Function : Kind::Number);
    if (const auto* values = translator.Values()) {
        for (auto variable = values->cbegin(); variable != values->cend(); ++variable) {
            AddWord(m_variables, variable.key(), Kind::Variable);
            m_variableNames.append(variable.key());
        }
    }
}

void C_VYXLineTokenizer::AddWord(QHash<char16_t, QList<Word>>& words, const QString& text,
                                 Kind kind) {
    if (text.isEmpty())
        return;
    QList<Word>& list = words[text.front().unicode()];
    // Longest first, so the first match is the longest.
    const auto at = std::find_if(list.begin(), list.end(),
                                 [&](const Word& word) { return word.text.size() < text.size(); });
    list.insert(at, Word{text, kind});
}

int C_VYXLineTokenizer::MatchAt(const QHash<char16_t, QList<Word>>& words, QStringView text,
                                qsizetype pos, Kind* kind) {
    const auto found = words.constFind(text[pos].unicode());
    if (found == words.cend())
        return 0;
    const QStringView rest = text.mid(pos);
    for (const Word& word : *found) {
        if (rest.startsWith(word.text)) {
            *kind = word.kind;
            return int(word.text.size());
        }
    }
    return 0;
}

QList<C_VYXLineToken> C_VYXLineTokenizer::Tokenize(QStringView line, int previousState,
                                                   int* nextState) const {
    QList<C_VYXLineToken> tokens;
    int state = kPlainLine;
    const int length = int(line.size());
    const bool goesOn = previousState == kMessageGoesOn && IsMessageContinuation(line);
    if (goesOn || IsMessageLine(line)) {
        tokens.append({0, length, Kind::Error});
        state = kMessageGoesOn;
    } else {
        const QString upper = ToUpperAscii(line);
        qsizetype commentStart = line.indexOf(QStringView(kCommentMarker));
        if (commentStart < 0)
            commentStart = length;
        // The argument after a result reads as part of the result's explanation.
        qsizetype expressionEnd = line.left(commentStart).indexOf(kArgumentLabel);
        if (expressionEnd < 0)
            expressionEnd = commentStart;
        TokenizeExpression(line.left(expressionEnd), QStringView(upper).left(expressionEnd),
                           tokens);
        if (expressionEnd < commentStart)
            tokens.append(
                {int(expressionEnd), int(commentStart - expressionEnd), Kind::Approximation});
        if (commentStart < length) {
            const qsizetype markEnd = commentStart + QStringView(kCommentMarker).size();
            const bool approximation = markEnd < length && line[markEnd] == kApproximationMark;
            tokens.append({int(commentStart), int(length - commentStart),
                           approximation ? Kind::Approximation : Kind::Comment});
        }
    }
    if (nextState != nullptr)
        *nextState = state;
    return tokens;
}

void C_VYXLineTokenizer::TokenizeExpression(QStringView line, QStringView upper,
                                            QList<C_VYXLineToken>& tokens) const {
    const qsizetype length = line.size();
    qsizetype pos = 0;
    while (pos < length) {
        const QChar c = line[pos];
        if (IsBlank(c)) {
            ++pos;
            continue;
        }
        Kind kind = Kind::Number;
        int tokenLength = KnownWordAt(line, upper, pos, &kind);
        if (tokenLength == 0 &&
            (IsAsciiDigit(c) || (c == u'.' && pos + 1 < length && IsAsciiDigit(line[pos + 1])))) {
            tokenLength = NumberLength(upper, pos);
            kind = Kind::Number;
        } else if (tokenLength == 0 && kOperatorCharacters.contains(c)) {
            tokenLength = 1;
            kind = Kind::Operator;
        } else if (tokenLength == 0) {
            // A name the tables do not know: it runs up to the next blank, operator or known
            // word, digits included (the engine reads "AB2" as one operand).
            qsizetype end = pos + 1;
            Kind ignored = Kind::Number;
            while (end < length && !IsBlank(line[end]) &&
                   !kOperatorCharacters.contains(line[end]) &&
                   KnownWordAt(line, upper, end, &ignored) == 0)
                ++end;
            tokenLength = int(end - pos);
            const bool constant = tokenLength == 1 && ConstantNames().contains(upper.mid(pos, 1));
            kind = constant ? Kind::Function : Kind::Undefined;
        }
        tokens.append({int(pos), tokenLength, kind});
        pos += tokenLength;
    }
}

int C_VYXLineTokenizer::KnownWordAt(QStringView line, QStringView upper, qsizetype pos,
                                    Kind* kind) const {
    Kind variableKind = Kind::Variable;
    const int variable = MatchAt(m_variables, line, pos, &variableKind);
    // The translator puts the values of short names in only outside function names, while a
    // name longer than any function name goes in wherever it stands.
    constexpr int kLongestGuardedName = 4;
    if (variable > kLongestGuardedName) {
        *kind = Kind::Variable;
        return variable;
    }
    const int known = MatchAt(m_knownWords, upper, pos, kind);
    if (known > 0)
        return known;
    if (variable > 0)
        *kind = Kind::Variable;
    return variable;
}

int C_VYXLineTokenizer::NumberLength(QStringView upper, qsizetype pos) {
    const qsizetype length = upper.size();
    qsizetype end = pos;
    while (end < length && IsAsciiDigit(upper[end]))
        ++end;
    if (end < length && upper[end] == u'.') {
        ++end;
        while (end < length && IsAsciiDigit(upper[end]))
            ++end;
    }
    // An exponent only when digits follow: "2E" alone is 2 and Euler's number.
    if (end < length && upper[end] == u'E') {
        qsizetype exponent = end + 1;
        if (exponent < length && (upper[exponent] == u'+' || upper[exponent] == u'-'))
            ++exponent;
        if (exponent < length && IsAsciiDigit(upper[exponent])) {
            end = exponent;
            while (end < length && IsAsciiDigit(upper[end]))
                ++end;
        }
    }
    // "3I" is one imaginary literal; "3IN" is 3 and a name.
    if (end < length && (upper[end] == u'I' || upper[end] == u'J') &&
        (end + 1 == length || !upper[end + 1].isLetterOrNumber()))
        ++end;
    return int(end - pos);
}
