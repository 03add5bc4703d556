// SPDX-License-Identifier: MIT
// C_VYXTextConversion: the one place where GUI text (UTF-16) meets narrow engine text.
#pragma once

#include <QString>

#include <string>

/// The engine works on narrow 8-bit text; the GUI on UTF-16. Latin-1 serves as the narrow code
/// page: ASCII passes unchanged, and every character outside Latin-1 becomes '?', which the
/// engine then reports as an unknown symbol instead of misreading it.
class C_VYXTextConversion {
public:
    /// UTF-16 to narrow Latin-1; a character outside Latin-1 (a surrogate pair counts as one
    /// character) becomes a single '?'.
    static std::string ToNarrow(const QString& text);
    /// Narrow Latin-1 to UTF-16; every byte maps to the character of the same code.
    static QString FromNarrow(const std::string& text);
    /// UTF-16 to UTF-8, for terminals and file names.
    static std::string ToUtf8(const QString& text);
    /// UTF-8 to UTF-16; malformed sequences become U+FFFD.
    static QString FromUtf8(const std::string& text);
};
