// SPDX-License-Identifier: MIT
// LineReader: where vyxcalc takes its input lines from: a stream, or a terminal with editing.
#pragma once

#include <istream>
#include <optional>
#include <string>

/// One line at a time, without its line break; nothing once the input has ended.
class LineReader {
public:
    virtual ~LineReader() = default;
    virtual std::optional<std::string> ReadLine() = 0;
};

/// Lines of a stream (a pipe, a file): a trailing carriage return is not part of the line, and
/// a last line without a line break still counts.
class StreamLineReader : public LineReader {
public:
    explicit StreamLineReader(std::istream& in) : m_in(in) {}
    std::optional<std::string> ReadLine() override;

private:
    std::istream& m_in;
};
