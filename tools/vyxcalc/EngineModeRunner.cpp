// SPDX-License-Identifier: MIT
// Engine mode of vyxcalc: evaluation and output of one expression per line.
#include "EngineModeRunner.h"

#include "VYXNum.h"

#include <memory>
#include <utility>

EngineModeRunner::EngineModeRunner(const VyxcalcOptions& options, std::ostream& out,
                                   bool flushEachResult)
    : m_out(out), m_flushEachResult(flushEachResult) {
    m_calculator.SetDecimals(options.decimals);
    m_calculator.SetAngle(options.angleKey);
}

void EngineModeRunner::EvaluateLine(std::string expression) {
    std::unique_ptr<VYXNum> result(m_calculator.ParseString(std::move(expression)));
    if (result) {
        m_out << result->GetValue() << '\n';
    } else {
        // The message keeps its own line breaks, as the calculation area shows them.
        m_out << "//" << m_calculator.GetExceptionMessage() << '\n';
    }
    if (m_flushEachResult) {
        m_out.flush();
    }
    ++m_evaluated;
}

void EngineModeRunner::EvaluateAll(const std::vector<std::string>& expressions) {
    for (const std::string& expression : expressions) {
        EvaluateLine(expression);
    }
}

void EngineModeRunner::EvaluateStream(std::istream& in) {
    StreamLineReader reader(in);
    EvaluateLines(reader);
}

void EngineModeRunner::EvaluateLines(LineReader& reader) {
    while (std::optional<std::string> line = reader.ReadLine())
        EvaluateLine(std::move(*line));
}
