// SPDX-License-Identifier: MIT
// Engine mode of vyxcalc: each expression straight to the engine, one result per line.
#pragma once

#include "LineReader.h"
#include "VYXCalculator.h"
#include "VyxcalcOptions.h"

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

/// Owns one calculator for the whole run, so settings stay as the options set them.
class EngineModeRunner {
public:
    /// flushEachResult: write every result through at once (an interactive terminal).
    EngineModeRunner(const VyxcalcOptions& options, std::ostream& out, bool flushEachResult);

    /// Evaluates one expression and writes its value, or "//" and the engine's message.
    void EvaluateLine(std::string expression);
    void EvaluateAll(const std::vector<std::string>& expressions);
    /// Evaluates every line of the stream; a trailing carriage return is not part of the line.
    void EvaluateStream(std::istream& in);
    /// Evaluates every line the reader gives until its input ends.
    void EvaluateLines(LineReader& reader);

    std::size_t EvaluatedCount() const { return m_evaluated; }

private:
    VYXCalculator m_calculator;
    std::ostream& m_out;
    bool m_flushEachResult;
    std::size_t m_evaluated = 0;
};
