// SPDX-License-Identifier: MIT
// Text matching against the names of the function table, shared by the preprocessor and tokenizer.
#pragma once

#include "VYXTokenList.h"

#include <bitset>
#include <string>
#include <string_view>
#include <vector>

class VYXFunctCalc;

/// Answers where function names begin and end in expression text, in table order.
class VYXFunctionNameTable {
public:
    /// Shares the function calculator's name lists, which must outlive this table.
    explicit VYXFunctionNameTable(const VYXFunctCalc& functCalc);

    /// The first name in table order that begins at `pos` of `text`, or null.
    const std::string* MatchAt(std::string_view text, size_t pos) const {
        // Most positions start no name at all; this inline test keeps long texts cheap.
        if (pos >= text.size() || !m_firstChars.test(static_cast<unsigned char>(text[pos]))) {
            return nullptr;
        }
        return SearchAt(text, pos);
    }
    /// True when some name occupies the characters just before `pos`.
    bool AnyEndsAt(std::string_view text, size_t pos) const;
    /// True when `text` contains some name anywhere.
    bool ContainsAnyName(std::string_view text) const;
    /// True for the one-character names of the operator-functions ("^", "~", "!", "%").
    bool IsOperatorFunctionChar(char c) const;
    /// The operator token of a name of this table (the token refers to the table's string).
    VYXOperatorToken TokenFor(const std::string& name) const;

private:
    /// MatchAt for a position whose character begins some name.
    const std::string* SearchAt(std::string_view text, size_t pos) const;

    const std::vector<std::string>& m_names;
    const std::vector<std::string>& m_operatorNames;
    std::bitset<256> m_firstChars;
    std::bitset<256> m_lastChars;
};
