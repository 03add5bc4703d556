// SPDX-License-Identifier: MIT
// vyxcalc: the command-line calculator on the engine library and the calculator document.
#include "EngineModeRunner.h"
#include "VyxcalcOptions.h"

#if VYXCALC_DOCUMENT_MODE
#include "C_VYXStreamMessageBoxes.h"
#include "DocumentModeRunner.h"

#include <cstdio>
#endif

#if VYXCALC_LINE_EDITING
#include "EditLineReader.h"

#include <clocale>
#endif

#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

/// Whether a person types the input: then every result is written through at once.
bool InputIsTyped() {
    return isatty(STDIN_FILENO) == 1;
}

bool ResultsGoToTerminal() {
    return isatty(STDOUT_FILENO) == 1;
}

/// A prompt with line editing and history when a person types at a terminal; plain lines of
/// standard input otherwise, so pipes and files read exactly as they always did.
std::unique_ptr<LineReader> MakeInputReader() {
#if VYXCALC_LINE_EDITING
    if (InputIsTyped()) {
        const bool toTerminal = ResultsGoToTerminal();
        if (toTerminal || isatty(STDERR_FILENO) == 1) {
            // Multibyte characters (√, π) are edited as one character each; numbers keep the
            // "C" locale.
            std::setlocale(LC_CTYPE, "");
            // With the results redirected, prompt and echo go to the terminal on stderr.
            return std::make_unique<EditLineReader>("vyxcalc> ", stdin,
                                                    toTerminal ? stdout : stderr, stderr);
        }
    }
#endif
    return std::make_unique<StreamLineReader>(std::cin);
}

int RunEngineMode(const VyxcalcOptions& options) {
    // Results are flushed line by line only for a person at a terminal; a pipe gets fully
    // buffered output, which is what makes large batches fast.
    const bool interactive = ResultsGoToTerminal() || InputIsTyped();
    EngineModeRunner runner(options, std::cout, interactive);
    if (options.inputs.empty()) {
        const std::unique_ptr<LineReader> reader = MakeInputReader();
        runner.EvaluateLines(*reader);
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

#if VYXCALC_DOCUMENT_MODE
int RunDocumentMode(const VyxcalcOptions& options) {
    const bool interactive = ResultsGoToTerminal() || InputIsTyped();
    C_VYXStreamMessageBoxes messageBoxes(stderr);
    DocumentModeRunner runner(options, messageBoxes, std::cout, interactive);
    if (!runner.Open()) {
        return kExitFailure;
    }
    if (options.inputs.empty()) {
        const std::unique_ptr<LineReader> reader = MakeInputReader();
        runner.EnterLines(*reader);
    } else {
        runner.EnterAll(options.inputs);
    }
    const bool saved = runner.Finish();
    if (options.dump) {
        std::cout << runner.DumpJson() << '\n';
    }
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "vyxcalc: cannot write the results\n";
        return kExitFailure;
    }
    return saved ? kExitOk : kExitFailure;
}
#else
int RunDocumentMode(const VyxcalcOptions&) {
    std::cerr << "vyxcalc: this build has no document mode (it needs Qt 6); use --engine\n";
    return kExitUsage;
}
#endif

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
    try {
        if (parsed.options.mode == VyxcalcMode::Engine) {
            return RunEngineMode(parsed.options);
        }
        return RunDocumentMode(parsed.options);
    } catch (const std::exception& error) {
        // The engine reports its own errors as results; this is only for the unforeseen.
        std::cout.flush();
        std::cerr << "vyxcalc: " << error.what() << '\n';
        return kExitFailure;
    }
}
