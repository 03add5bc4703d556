// SPDX-License-Identifier: MIT
// Command-line options of vyxcalc, shared by the engine mode and the document mode.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

/// Which runner handles the inputs.
enum class VyxcalcMode {
    Document, ///< lines of a calculator document (the default)
    Engine,   ///< expressions straight to the engine
    Convert,  ///< one conversion of the unit converter panel
    Triangle, ///< one triangle of the trigonometry panel's solver
};

/// --convert VALUE FROM TO: an expression and two unit names as the converter's boxes show them.
struct VyxcalcConversion {
    std::string value;
    std::string fromUnit;
    std::string toUnit;
};

/// The names --triangle takes, in the order of the solver's fields: the angles A, B, C and the
/// sides a, b, c opposite them.
inline constexpr std::string_view kTriangleNames = "ABCabc";
/// The expression typed into each triangle field (kTriangleNames order); empty: not given.
using VyxcalcTriangle = std::array<std::string, kTriangleNames.size()>;

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
    /// What --convert and --triangle read from the arguments (inputs stay empty then).
    VyxcalcConversion conversion;
    VyxcalcTriangle triangle;
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
