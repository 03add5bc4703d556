// SPDX-License-Identifier: MIT
// StreamLineReader: lines of a stream, with Windows line ends read as plain ones.
#include "LineReader.h"

std::optional<std::string> StreamLineReader::ReadLine() {
    std::string line;
    if (!std::getline(m_in, line))
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}
