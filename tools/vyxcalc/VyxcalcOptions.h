// SPDX-License-Identifier: MIT
// Command-line options of vyxcalc, shared by the engine mode and the document mode.
#pragma once

#include <string>
#include <vector>

/// Which runner handles the inputs.
enum class VyxcalcMode {
    Document, ///< lines of a calculator document (the default)
    Engine,   ///< expressions straight to the engine
};

/// How a document shows a result: the fraction, the decimal form or both.
enum class VyxcalcDisplay { Both, Rational, Real };

/// Everything the command line can say. Defaults are those of a new document.
struct VyxcalcOptions {
    VyxcalcMode mode = VyxcalcMode::Document;
    bool showHelp = false;
    int decimals = 6;
    /// The key the engine's SetAngle accepts: "ANGLE_RAD", "ANGLE_DEG" or "ANGLE_GRA".
    std::string angleKey = "ANGLE_RAD";
    VyxcalcDisplay display = VyxcalcDisplay::Both;
    bool showArgument = false;
    bool dump = false;
    /// Which settings the command line named: with --file only these replace the loaded ones.
    bool decimalsGiven = false;
    bool angleGiven = false;
    bool displayGiven = false;
    std::string documentFile;
    /// Expressions (engine mode) or document lines; empty means read standard input.
    std::vector<std::string> inputs;
};

/// The options, or the reason the command line was refused.
struct VyxcalcParseResult {
    VyxcalcOptions options;
    std::string error;
    bool Ok() const { return error.empty(); }
};

/// Parses the arguments after the program name. Options may stand anywhere; "--" ends them, so
/// that an expression may start with "--". A lone "-5+3" is an expression, not an option.
VyxcalcParseResult ParseVyxcalcOptions(const std::vector<std::string>& args);

/// The usage text printed by --help and after a refused command line.
std::string VyxcalcUsage();
