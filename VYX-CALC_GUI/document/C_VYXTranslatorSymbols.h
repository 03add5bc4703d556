// SPDX-License-Identifier: MIT
// C_VYXTranslatorSymbols: the fixed tables of the display-symbol translator.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace C_VYXTranslatorSymbols {

/// Reserved words and symbols a variable name may not equal, in their fixed order. The first
/// kFunctionNameCount entries are the engine's function names.
const QStringList& ReservedWords();
constexpr qsizetype kReservedWordCount = 97;
constexpr qsizetype kFunctionNameCount = 19;

/// The function names (the first entries of ReservedWords), in that order.
QStringList FunctionNames();

/// The engine's constants as it reads them after upper-casing: pi, Euler's number and the
/// imaginary unit in its two spellings. Each is a reserved word.
const QStringList& ConstantNames();

/// A display symbol and the engine text it stands for.
struct C_VYXSymbolPair {
    QString display;
    QString engineText;
};

/// Symbols turned into bracketed numbers while variables are substituted (π, ‰, vulgar
/// fractions), in the order they are applied.
const QList<C_VYXSymbolPair>& NumericSymbols();

/// An initial symbol-map entry: its engine text is either given or the string resource
/// `stringId` (when that is not 0).
struct C_VYXSymbolMapSeed {
    QString display;
    int stringId;
    QString engineText;
};

/// The symbol map's initial entries, in the order they are added.
const QList<C_VYXSymbolMapSeed>& SymbolMapSeeds();

/// The marker that starts a comment.
inline constexpr char16_t kCommentMarker[] = u"//";

/// Upper-cases a to z only; every other character stays as it is.
QString ToUpperAscii(QStringView text);

} // namespace C_VYXTranslatorSymbols
