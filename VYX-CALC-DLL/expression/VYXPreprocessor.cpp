// SPDX-License-Identifier: MIT
// Brace checks and the insertion of implicit multiplication signs, in linear time.
#include "VYXPreprocessor.h"

#include "VYXExceptions.h"
#include "VYXFunctionNameTable.h"

#include <algorithm>

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string VYXPreprocessor::Preprocess(std::string text) const {
    const auto left = std::count(text.begin(), text.end(), '(');
    const auto right = std::count(text.begin(), text.end(), ')');
    if (left > right) {
        text.append(static_cast<size_t>(left - right), ')');
    } else if (left < right) {
        throw VYXExceptionFunction(
            "ERROR!! NOT EQUAL NUMBER OF BRACES!!\nNUMBER OF LEFTBRACES=" + std::to_string(left) +
            "\nNUMBER OF RIGHTBRACES=" + std::to_string(right) + "\n");
    }
    if (text.find("()") != std::string::npos) {
        throw VYXExceptionFunction("ERROR!! SYNTAX ERROR '()'..");
    }
    // Adjacent groups ")(" need no pass of their own: rule (b) below puts the "*" between them.
    return InsertImplicitProducts(text);
}

// Every rule looks at the text as rewritten so far (`out`) plus the untouched rest of the input.
// An inserted "*" can only suppress, never create, an insertion at an earlier position, so one
// left-to-right pass gives the same text as rescanning from the start after each insertion.
std::string VYXPreprocessor::InsertImplicitProducts(const std::string& in) const {
    std::string out;
    out.reserve(in.size() + in.size() / 4);
    for (size_t i = 0; i < in.size(); ++i) {
        const char c = in[i];
        const bool hasNext = i + 1 < in.size();
        const char next = hasNext ? in[i + 1] : '\0';
        if (c == '(' && !out.empty()) {
            // (a) before a brace, unless an operator, a brace or a function name precedes it.
            const char previous = out.back();
            if (!IsArithmeticChar(previous) && previous != '(' &&
                !m_names.AnyEndsAt(out, out.size())) {
                out += '*';
            }
            out += c;
        } else if (c == ')' && hasNext) {
            // (b) after a closing brace, unless an operator, a brace or an operator-function
            // follows.
            out += c;
            if (!IsArithmeticChar(next) && next != ')' && !m_names.IsOperatorFunctionChar(next)) {
                out += '*';
            }
        } else if (IsDigit(c)) {
            // (c) between a digit and a function name (2SIN30), but not before "^" or "!".
            out += c;
            if (m_names.MatchAt(in, i + 1) && !m_names.IsOperatorFunctionChar(next)) {
                out += '*';
            }
        } else {
            // (d) after a postfix "!" or "%" that is followed by a function name or a digit.
            out += c;
            if (c == '!' || c == '%') {
                const bool nameFollows = m_names.MatchAt(in, i + 1) != nullptr;
                if (nameFollows ? !m_names.IsOperatorFunctionChar(next) : IsDigit(next)) {
                    out += '*';
                }
            }
        }
    }
    return out;
}
