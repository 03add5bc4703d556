// SPDX-License-Identifier: MIT
// C_VYXLineTokenizer: splits one line of the calculation area into the pieces it is coloured by.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

class C_VYXUnicodeTranslatorContainer;

/// A piece of a line: where it starts, how long it is and what it is.
struct C_VYXLineToken {
    enum class Kind {
        Number,        ///< a literal, a vulgar fraction or per mille
        Operator,      ///< an operator, brace, power or root symbol, or the "=" of a definition
        Function,      ///< a function name or a constant (pi, e, i, j)
        Variable,      ///< a defined variable
        Undefined,     ///< a name that is neither defined nor known to the engine
        Comment,       ///< "//" and what follows, written by the user
        Approximation, ///< the "//≈" part of a result and the argument after a result
        Error,         ///< a message the program wrote below a line that failed
    };

    int start = 0;
    int length = 0;
    Kind kind = Kind::Number;

    bool operator==(const C_VYXLineToken&) const = default;
};

/// Reads a line the way the translator and the engine will: the function names, constants and
/// symbols come from the translator's own tables, the variables from its value map, so what is
/// coloured as known is what Enter can evaluate. Takes a snapshot: make a new tokenizer when the
/// variables or the document change.
class C_VYXLineTokenizer {
public:
    /// What one line hands to the next: a message of the engine may run over several lines.
    enum LineState : int { kPlainLine = 0, kMessageGoesOn = 1 };

    /// The text the document writes before the argument of a complex result.
    static inline const QString kArgumentLabel = QStringLiteral("ARGUMENT:");

    explicit C_VYXLineTokenizer(const C_VYXUnicodeTranslatorContainer& translator);

    /// The tokens of `line` in order; blanks belong to none. `previousState` is what the line
    /// before handed on; `nextState`, when given, receives what this line hands on.
    QList<C_VYXLineToken> Tokenize(QStringView line, int previousState = kPlainLine,
                                   int* nextState = nullptr) const;

    /// The defined variable names the tokenizer knows, sorted.
    const QStringList& VariableNames() const { return m_variableNames; }

private:
    using Kind = C_VYXLineToken::Kind;
    struct Word {
        QString text; ///< upper case for names matched in any case, as typed for variables
        Kind kind;
    };
    /// The longest word of `words` at `pos`, compared with `text`; its length, or 0.
    static int MatchAt(const QHash<char16_t, QList<Word>>& words, QStringView text, qsizetype pos,
                       Kind* kind);
    static void AddWord(QHash<char16_t, QList<Word>>& words, const QString& text, Kind kind);
    /// The expression part of a line (before any comment).
    void TokenizeExpression(QStringView line, QStringView upper,
                            QList<C_VYXLineToken>& tokens) const;
    /// The length of the number at `pos` (digits, decimals, exponent, imaginary suffix).
    static int NumberLength(QStringView upper, qsizetype pos);
    /// The length and kind of the name or symbol at `pos`; 0 when none starts there.
    int KnownWordAt(QStringView line, QStringView upper, qsizetype pos, Kind* kind) const;

    /// Function names, constants and symbols, keyed by their first (upper-case) unit.
    QHash<char16_t, QList<Word>> m_knownWords;
    /// Defined variables, keyed by their first unit, matched as typed (the translator does).
    QHash<char16_t, QList<Word>> m_variables;
    QStringList m_variableNames;
};
