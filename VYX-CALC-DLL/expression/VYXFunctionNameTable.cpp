// SPDX-License-Identifier: MIT
// Text matching against the names of the function table.
#include "VYXFunctionNameTable.h"

#include "VYXFunctCalc.h"

#include <algorithm>

namespace {
// The two operator-functions that take a right operand as well; "!" and "%" are postfix.
bool IsInfixName(const std::string& name) {
    return name == "^" || name == "~";
}

size_t CharIndex(char c) {
    return static_cast<unsigned char>(c);
}
} // namespace

VYXOperatorToken ArithmeticToken(char c) {
    switch (c) {
    case '*':
        return {"*", VYXOperatorKind::Arithmetic};
    case '/':
        return {"/", VYXOperatorKind::Arithmetic};
    case '+':
        return {"+", VYXOperatorKind::Arithmetic};
    default:
        return {"-", VYXOperatorKind::Arithmetic};
    }
}

VYXFunctionNameTable::VYXFunctionNameTable(const VYXFunctCalc& functCalc)
    : m_names(functCalc.FunctionNames()), m_operatorNames(functCalc.OperatorFunctionNames()) {
    for (const std::string& name : m_names) {
        if (!name.empty()) {
            m_firstChars.set(CharIndex(name.front()));
            m_lastChars.set(CharIndex(name.back()));
        }
    }
}

const std::string* VYXFunctionNameTable::SearchAt(std::string_view text, size_t pos) const {
    const std::string_view rest = text.substr(pos);
    for (const std::string& name : m_names) {
        if (!name.empty() && rest.starts_with(name)) {
            return &name;
        }
    }
    return nullptr;
}

bool VYXFunctionNameTable::AnyEndsAt(std::string_view text, size_t pos) const {
    const std::string_view before = text.substr(0, std::min(pos, text.size()));
    if (before.empty() || !m_lastChars.test(CharIndex(before.back()))) {
        return false;
    }
    return std::any_of(m_names.begin(), m_names.end(), [&](const std::string& name) {
        return !name.empty() && before.ends_with(name);
    });
}

bool VYXFunctionNameTable::ContainsAnyName(std::string_view text) const {
    return std::any_of(m_names.begin(), m_names.end(), [&](const std::string& name) {
        return text.find(name) != std::string_view::npos;
    });
}

bool VYXFunctionNameTable::IsOperatorFunctionChar(char c) const {
    return std::any_of(m_operatorNames.begin(), m_operatorNames.end(),
                       [c](const std::string& name) { return name.size() == 1 && name[0] == c; });
}

VYXOperatorToken VYXFunctionNameTable::TokenFor(const std::string& name) const {
    const bool isOperatorFunction =
        std::find(m_operatorNames.begin(), m_operatorNames.end(), name) != m_operatorNames.end();
    if (!isOperatorFunction) {
        return {name, VYXOperatorKind::NamedFunction};
    }
    return {name, IsInfixName(name) ? VYXOperatorKind::Infix : VYXOperatorKind::Postfix};
}
