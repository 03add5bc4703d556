// SPDX-License-Identifier: MIT
// C_VYXTokenTables: the translator's symbol map and the tokens of symbol-wise deletion.
#include "C_VYXTokenTables.h"

#include "C_VYXTranslatorSymbols.h"

#include <algorithm>

C_VYXTokenTables::C_VYXTokenTables()
    : translator(std::make_unique<C_VYXUnicodeTranslatorContainer>()) {
    for (const auto& seed : C_VYXTranslatorSymbols::SymbolMapSeeds()) {
        if (seed.stringId != 0)
            translator->AddSymbol(seed.display, seed.stringId);
        else
            translator->AddSymbol(seed.display, seed.engineText);
    }
    fourCharTokens =
        QStringList{QStringLiteral("asin"), QStringLiteral("acos"), QStringLiteral("atan"),
                    QStringLiteral("sinh"), QStringLiteral("cosh"), QStringLiteral("tanh")};
    threeCharTokens = QStringList{
        QStringLiteral("sin"), QStringLiteral("cos"), QStringLiteral("tan"), QStringLiteral("EXP"),
        QStringLiteral("log"), QStringLiteral("ABS"), QStringLiteral("ARG"), QStringLiteral("CNJ"),
        QStringLiteral("REP"), QStringLiteral("IMP")};
    twoCharTokens = QStringList{QStringLiteral("ln"),           QStringLiteral("\u207F\u221A"),
                                QStringLiteral("e+"),           QStringLiteral("e-"),
                                QStringLiteral("\u00B3\u221A"), QStringLiteral("\u02C9\u00B9")};
}

C_VYXTokenTables::~C_VYXTokenTables() = default;

int C_VYXTokenTables::TrailingTokenLength(QStringView text) const {
    const qsizetype length = text.size();
    if (length <= 1)
        return int(length);
    // Two-character symbols are checked first, then the longer names before the shorter ones.
    const auto endsWithOneOf = [&](const QStringList& tokens) {
        return std::any_of(tokens.cbegin(), tokens.cend(),
                           [&](const QString& token) { return text.endsWith(token); });
    };
    if (endsWithOneOf(twoCharTokens))
        return 2;
    if (endsWithOneOf(fourCharTokens))
        return 4;
    if (endsWithOneOf(threeCharTokens))
        return 3;
    return 1;
}
