// SPDX-License-Identifier: MIT
// Rewrites an expression before tokenizing: brace checks and implicit multiplication signs.
#pragma once

#include <string>

class VYXFunctionNameTable;

/// Completes missing closing braces, refuses surplus ones and "()", and inserts the "*" that
/// the user left out (2(3), (2)3, 2SIN30, 5!2).
class VYXPreprocessor {
public:
    explicit VYXPreprocessor(const VYXFunctionNameTable& names) : m_names(names) {}

    /// The rewritten text; throws VYXExceptionFunction for unbalanced braces or "()".
    std::string Preprocess(std::string text) const;

private:
    std::string InsertImplicitProducts(const std::string& text) const;

    const VYXFunctionNameTable& m_names;
};
