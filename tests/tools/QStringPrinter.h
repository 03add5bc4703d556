// SPDX-License-Identifier: MIT
// QStringPrinter: GoogleTest shows QString values as their UTF-8 text.
#pragma once

#include <QString>

#include <ostream>

// Found by argument-dependent lookup, so it must live beside QString in the global namespace.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
