// SPDX-License-Identifier: MIT
// The two exception classes the engine throws; each carries one complete message.
#pragma once

#include "VYXExport.h"

#include <string>
#include <utility>

/// Raised by the function library and the parser (domain errors, syntax, names).
class VYX_API VYXExceptionFunction {
public:
    explicit VYXExceptionFunction(std::string message) : m_strMessage(std::move(message)) {}
    virtual ~VYXExceptionFunction() = default;
    /// The complete, user-readable message.
    const std::string& GetMessage() const { return m_strMessage; }

private:
    std::string m_strMessage;
};

/// Raised by the number classes and the number-text routines (formats, division by zero, powers).
class VYX_API VYXExceptionNumberFormat {
public:
    explicit VYXExceptionNumberFormat(std::string message) : m_strMessage(std::move(message)) {}
    /// The complete, user-readable message (may be empty).
    const std::string& GetMessage() const { return m_strMessage; }

private:
    std::string m_strMessage;
};
