// SPDX-License-Identifier: MIT
// C_VYXTokenTables: multi-character tokens that Backspace removes whole, and the translator.
#pragma once

#include "C_VYXUnicodeTranslatorContainer.h"

#include <QStringList>
#include <QStringView>

#include <memory>

/// Owned by the document: the display-symbol translator with its symbol map, and the lists of
/// function names and two-character symbols that one Backspace deletes at once.
class C_VYXTokenTables {
public:
    /// Creates the translator with its symbol map, then the token lists.
    C_VYXTokenTables();
    ~C_VYXTokenTables();

    C_VYXTokenTables(const C_VYXTokenTables&) = delete;
    C_VYXTokenTables& operator=(const C_VYXTokenTables&) = delete;

    /// How many characters Backspace removes when the caret stands right after `text`.
    int TrailingTokenLength(QStringView text) const;

    C_VYXUnicodeTranslatorContainer& Translator() { return *translator; }
    const C_VYXUnicodeTranslatorContainer& Translator() const { return *translator; }

private:
    std::unique_ptr<C_VYXUnicodeTranslatorContainer> translator;
    QStringList fourCharTokens;
    QStringList threeCharTokens;
    QStringList twoCharTokens;
};
