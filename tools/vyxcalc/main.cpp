// SPDX-License-Identifier: MIT
// vyxcalc: the command-line calculator on the engine library and the calculator document.
#include "EngineModeRunner.h"
#include "VyxcalcExit.h"
#include "VyxcalcOptions.h"

#if VYXCALC_DOCUMENT_MODE
#include "C_VYXStreamMessageBoxes.h"
#include "ConvertCommand.h"
#include "DocumentModeRunner.h"
#include "TriangleCommand.h"
#endif

#if VYXCALC_LINE_EDITING
#include "EditLineReader.h"

#include <clocale>
#endif

#include <cstdio>
#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

/// Whether a person types the input: then every result is written through at once.
bool InputIsTyped() {
    return isatty(STDIN_FILENO) == 1;
}

bool ResultsGoToTerminal() {
    return isatty(STDOUT_FILENO) == 1;
}

/// Where the prompt goes when a person types: the terminal on stdout, or on stderr when the
/// results are redirected; null when the input is no terminal or no terminal shows a prompt.
std::FILE* PromptStream() {
    if (!InputIsTyped())
        return nullptr;
    if (ResultsGoToTerminal())
        return stdout;
    return isatty(STDERR_FILENO) == 1 ? stderr : nullptr;
}

/// A prompt with line editing and history when a person types at a terminal; plain lines of
/// standard input otherwise, so pipes and files read exactly as they always did.
std::unique_ptr<LineReader> MakeInputReader() {
#if VYXCALC_LINE_EDITING
    if (std::FILE* prompt = PromptStream()) {
        // Multibyte characters (√, π) are edited as one character each; numbers keep the
        // "C" locale.
        std::setlocale(LC_CTYPE, "");
        return std::make_unique<EditLineReader>("vyxcalc> ", stdin, prompt, stderr);
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
        return VyxcalcExit::kFailure;
    }
    return VyxcalcExit::kOk;
}

#if VYXCALC_DOCUMENT_MODE
/// The first lines a person at the prompt sees: what to type, and whether the session is kept.
std::string SessionBanner(const VyxcalcOptions& options) {
    std::string banner =
        options.documentFile.empty()
            ? "vyxcalc: this session is not saved; start it with --file NAME.vyx to keep it.\n"
            : "vyxcalc: the lines of this session are saved to " + options.documentFile +
                  " when it ends.\n";
    banner += "Type a line as in the desktop program's calculation area (sin(pi/6), x=2, x*3, "
              "\u221a2)\nand press Enter; Up and Down recall earlier lines, Ctrl+D on an empty "
              "line ends the session.\n";
    return banner;
}

int RunDocumentMode(const VyxcalcOptions& options) {
    const bool interactive = ResultsGoToTerminal() || InputIsTyped();
    C_VYXStreamMessageBoxes messageBoxes(stderr);
    DocumentModeRunner runner(options, messageBoxes, std::cout, interactive);
    if (!runner.Open()) {
        return VyxcalcExit::kFailure;
    }
    if (options.inputs.empty()) {
        if (std::FILE* prompt = PromptStream()) {
            std::fputs(SessionBanner(options).c_str(), prompt);
            std::fflush(prompt);
        }
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
        return VyxcalcExit::kFailure;
    }
    return saved ? VyxcalcExit::kOk : VyxcalcExit::kFailure;
}

/// --convert and --triangle: a document lends the panel its variables and settings (those of
/// --file, if given); it is never saved.
int RunPanelCommand(const VyxcalcOptions& options) {
    C_VYXStreamMessageBoxes messageBoxes(stderr);
    DocumentModeRunner runner(options, messageBoxes, std::cout, false);
    if (!runner.Open()) {
        return VyxcalcExit::kFailure;
    }
    const int status =
        options.mode == VyxcalcMode::Convert
            ? RunConvertCommand(runner.Document(), options.conversion, std::cout, std::cerr)
            : RunTriangleCommand(runner.Document(), options.triangle, std::cout, std::cerr);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "vyxcalc: cannot write the results\n";
        return VyxcalcExit::kFailure;
    }
    return status;
}
#else
int RunDocumentMode(const VyxcalcOptions&) {
    std::cerr << "vyxcalc: this build has no document mode (it needs Qt 6); use --engine\n";
    return VyxcalcExit::kUsage;
}

int RunPanelCommand(const VyxcalcOptions& options) {
    return RunDocumentMode(options);
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
        return VyxcalcExit::kUsage;
    }
    if (parsed.options.showHelp) {
        std::cout << VyxcalcUsage();
        return VyxcalcExit::kOk;
    }
    try {
        switch (parsed.options.mode) {
        case VyxcalcMode::Engine:
            return RunEngineMode(parsed.options);
        case VyxcalcMode::Convert:
        case VyxcalcMode::Triangle:
            return RunPanelCommand(parsed.options);
        case VyxcalcMode::Document:
            break;
        }
        return RunDocumentMode(parsed.options);
    } catch (const std::exception& error) {
        // The engine reports its own errors as results; this is only for the unforeseen.
        std::cout.flush();
        std::cerr << "vyxcalc: " << error.what() << '\n';
        return VyxcalcExit::kFailure;
    }
}
