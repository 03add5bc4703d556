// SPDX-License-Identifier: MIT
// vyxcalc: the command-line calculator on the engine library.
#include "EngineModeRunner.h"
#include "VyxcalcOptions.h"

#include <exception>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int RunEngineMode(const VyxcalcOptions& options) {
    // Results are flushed line by line only for a person watching a terminal; a pipe gets
    // fully buffered output, which is what makes large batches fast.
    const bool interactive = isatty(STDOUT_FILENO) == 1;
    EngineModeRunner runner(options, std::cout, interactive);
    if (options.inputs.empty()) {
        runner.EvaluateStream(std::cin);
    } else {
        runner.EvaluateAll(options.inputs);
    }
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "vyxcalc: cannot write the results\n";
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);

    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const VyxcalcParseResult parsed = ParseVyxcalcOptions(args);
    if (!parsed.Ok()) {
        std::cerr << "vyxcalc: " << parsed.error << "\n\n" << VyxcalcUsage();
        return kExitUsage;
    }
    if (parsed.options.showHelp) {
        std::cout << VyxcalcUsage();
        return kExitOk;
    }
    if (parsed.options.mode != VyxcalcMode::Engine) {
        std::cerr << "vyxcalc: the document mode is not available yet; use --engine\n\n"
                  << VyxcalcUsage();
        return kExitUsage;
    }

    try {
        return RunEngineMode(parsed.options);
    } catch (const std::exception& error) {
        // The engine reports its own errors as results; this is only for the unforeseen.
        std::cout.flush();
        std::cerr << "vyxcalc: " << error.what() << '\n';
        return kExitFailure;
    }
}
