// SPDX-License-Identifier: MIT
// Parsing of the vyxcalc command line.
#include "VyxcalcOptions.h"

#include <array>
#include <charconv>
#include <optional>
#include <string_view>
#include <utility>

namespace {

constexpr int kMinDecimals = 1;
constexpr int kMaxDecimals = 10;

struct NamedChoice {
    std::string_view name;
    std::string_view value;
};

constexpr std::array<NamedChoice, 3> kAngleChoices{{
    {"rad", "ANGLE_RAD"},
    {"deg", "ANGLE_DEG"},
    {"gra", "ANGLE_GRA"},
}};

std::optional<int> ParseDecimals(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [stop, status] = std::from_chars(text.data(), end, value);
    if (status != std::errc() || stop != end || value < kMinDecimals || value > kMaxDecimals) {
        return std::nullopt;
    }
    return value;
}

std::optional<VyxcalcDisplay> ParseDisplay(std::string_view text) {
    if (text == "both") {
        return VyxcalcDisplay::Both;
    }
    if (text == "rational") {
        return VyxcalcDisplay::Rational;
    }
    if (text == "real") {
        return VyxcalcDisplay::Real;
    }
    return std::nullopt;
}

std::optional<std::string> ParseAngle(std::string_view text) {
    for (const NamedChoice& choice : kAngleChoices) {
        if (text == choice.name) {
            return std::string(choice.value);
        }
    }
    return std::nullopt;
}

/// Walks the arguments once; each option handler reports a refusal by its message.
class OptionReader {
public:
    explicit OptionReader(const std::vector<std::string>& args) : m_args(args) {}

    VyxcalcParseResult Read() {
        VyxcalcParseResult result;
        VyxcalcOptions& options = result.options;
        bool optionsEnded = false;
        while (m_next < m_args.size() && result.Ok()) {
            const std::string& arg = m_args[m_next++];
            if (optionsEnded || !IsOption(arg)) {
                options.inputs.push_back(arg);
            } else if (arg == "--") {
                optionsEnded = true;
            } else if (arg == "--help" || arg == "-h") {
                options.showHelp = true;
                return result; // help wins over whatever follows
            } else {
                result.error = ReadOption(arg, options);
            }
        }
        if (result.Ok()) {
            result.error = CheckModeFits(options);
        }
        return result;
    }

private:
    // Expressions may begin with a sign ("-2^2"), so only "--word" and "-h" are options.
    static bool IsOption(const std::string& arg) { return arg.rfind("--", 0) == 0 || arg == "-h"; }

    std::string ReadOption(const std::string& arg, VyxcalcOptions& options) {
        std::string name = arg;
        std::optional<std::string> inlineValue;
        if (auto equals = arg.find('='); equals != std::string::npos) {
            name = arg.substr(0, equals);
            inlineValue = arg.substr(equals + 1);
        }

        if (const std::optional<VyxcalcMode> mode = ModeOf(name)) {
            if (inlineValue) {
                return "option " + name + " takes no value";
            }
            if (!m_modeOption.empty() && m_modeOption != name) {
                return "option " + name + " is not used with " + m_modeOption;
            }
            m_modeOption = name;
            options.mode = *mode;
            return {};
        }
        if (name == "--argument" || name == "--dump") {
            if (inlineValue) {
                return "option " + name + " takes no value";
            }
            m_documentOnly.push_back(name);
            m_resultLayout.push_back(name);
            if (name == "--argument") {
                options.showArgument = true;
            } else {
                options.dump = true;
            }
            return {};
        }

        if (name != "--decimals" && name != "--angle" && name != "--display" && name != "--file") {
            return "unknown option " + arg;
        }
        std::optional<std::string> value = inlineValue ? inlineValue : TakeValue();
        if (!value) {
            return "option " + name + " needs a value";
        }
        if (name == "--decimals") {
            std::optional<int> decimals = ParseDecimals(*value);
            if (!decimals) {
                return "--decimals must be an integer from 1 to 10, not '" + *value + "'";
            }
            options.decimals = *decimals;
            options.decimalsGiven = true;
        } else if (name == "--angle") {
            std::optional<std::string> key = ParseAngle(*value);
            if (!key) {
                return "--angle must be rad, deg or gra, not '" + *value + "'";
            }
            options.angleKey = std::move(*key);
            options.angleGiven = true;
        } else if (name == "--display") {
            std::optional<VyxcalcDisplay> display = ParseDisplay(*value);
            if (!display) {
                return "--display must be both, rational or real, not '" + *value + "'";
            }
            options.display = *display;
            options.displayGiven = true;
            m_documentOnly.push_back(name);
            m_resultLayout.push_back(name);
        } else {
            if (value->empty()) {
                return "option --file needs a file name";
            }
            options.documentFile = std::move(*value);
            m_documentOnly.push_back(name);
        }
        return {};
    }

    // The value of "--name VALUE"; a following option is not taken as the value.
    std::optional<std::string> TakeValue() {
        if (m_next >= m_args.size() || IsOption(m_args[m_next])) {
            return std::nullopt;
        }
        return m_args[m_next++];
    }

    static std::optional<VyxcalcMode> ModeOf(const std::string& name) {
        if (name == "--engine") {
            return VyxcalcMode::Engine;
        }
        if (name == "--convert") {
            return VyxcalcMode::Convert;
        }
        if (name == "--triangle") {
            return VyxcalcMode::Triangle;
        }
        return std::nullopt;
    }

    std::string CheckModeFits(VyxcalcOptions& options) const {
        switch (options.mode) {
        case VyxcalcMode::Document:
            return {};
        case VyxcalcMode::Engine:
            if (!m_documentOnly.empty()) {
                return "option " + m_documentOnly.front() + " is not used with --engine";
            }
            return {};
        case VyxcalcMode::Convert:
        case VyxcalcMode::Triangle:
            // A panel's one result: no result layout, no document to show; --file only lends
            // its variables and settings.
            if (!m_resultLayout.empty()) {
                return "option " + m_resultLayout.front() + " is not used with " + m_modeOption;
            }
            std::string error = options.mode == VyxcalcMode::Convert
                                    ? ReadConversion(options.inputs, options.conversion)
                                    : ReadTriangle(options.inputs, options.triangle);
            options.inputs.clear();
            return error;
        }
        return {};
    }

    static std::string ReadConversion(const std::vector<std::string>& args,
                                      VyxcalcConversion& conversion) {
        if (args.size() != 3) {
            return "--convert needs VALUE FROM TO, not " + std::to_string(args.size()) +
                   " argument(s)";
        }
        if (args[0].find_first_not_of(" \t") == std::string::npos) {
            return "--convert needs a VALUE";
        }
        conversion = {args[0], args[1], args[2]};
        return {};
    }

    static std::string ReadTriangle(const std::vector<std::string>& args,
                                    VyxcalcTriangle& triangle) {
        if (args.empty()) {
            return "--triangle needs NAME=EXPR for some of A B C (angles) and a b c (sides)";
        }
        for (const std::string& arg : args) {
            const std::size_t equals = arg.find('=');
            const std::string name = Trimmed(arg.substr(0, equals));
            const std::size_t field = kTriangleNames.find(name);
            if (equals == std::string::npos || name.size() != 1 || field == std::string::npos) {
                return "--triangle takes NAME=EXPR with NAME one of A B C (angles) and a b c "
                       "(sides), not '" +
                       arg + "'";
            }
            std::string expression = Trimmed(arg.substr(equals + 1));
            if (expression.empty()) {
                return "--triangle: " + name + "= needs an expression";
            }
            if (!triangle[field].empty()) {
                return "--triangle: " + name + " is given twice";
            }
            triangle[field] = std::move(expression);
        }
        return {};
    }

    static std::string Trimmed(const std::string& text) {
        const std::size_t first = text.find_first_not_of(" \t");
        if (first == std::string::npos) {
            return {};
        }
        return text.substr(first, text.find_last_not_of(" \t") - first + 1);
    }

    const std::vector<std::string>& m_args;
    std::size_t m_next = 0;
    /// The mode option given (--engine, --convert, --triangle); two different ones conflict.
    std::string m_modeOption;
    /// Options that need a document, which the engine mode has not.
    std::vector<std::string> m_documentOnly;
    /// Those of them that shape the results written into the text or print the document.
    std::vector<std::string> m_resultLayout;
};

} // namespace

VyxcalcParseResult ParseVyxcalcOptions(const std::vector<std::string>& args) {
    return OptionReader(args).Read();
}

std::string VyxcalcUsage() {
    return "Usage: vyxcalc [--file DOC.vyx] [--decimals N] [--angle rad|deg|gra]\n"
           "               [--display both|rational|real] [--argument] [--dump] [LINE ...]\n"
           "       vyxcalc --convert VALUE FROM TO [--decimals N] [--file DOC.vyx]\n"
           "       vyxcalc --triangle NAME=EXPR ... [--angle rad|deg|gra] [--decimals N]\n"
           "               [--file DOC.vyx]\n"
           "       vyxcalc --engine [--decimals N] [--angle rad|deg|gra] [EXPR ...]\n"
           "\n"
           "Document mode types each LINE, or else each line of standard input, at the end of a\n"
           "calculator document and presses Enter: assignments define variables, comment lines\n"
           "are kept, \"cls\" clears the text. It prints what Enter wrote below each line (an\n"
           "empty line when nothing); message boxes become \"caption: text\" lines on standard\n"
           "error, and their questions are answered Yes.\n"
           "\n"
           "  --file DOC.vyx    load the document first (a missing file starts a new one); a\n"
           "                    run that enters lines or changes a setting saves it back with\n"
           "                    the lines and their results, any other run leaves it untouched\n"
           "  --decimals N      digits after the point of decimal results, 1 to 10 (default\n"
           "                    6; significant digits in engine mode)\n"
           "  --angle UNIT      angle unit of the trigonometric functions (default rad)\n"
           "  --display FORM    results as both forms, the fraction only or the decimal only\n"
           "  --argument        complex results also show their argument\n"
           "  --dump            print the whole document afterwards as one JSON object\n"
           "\n"
           "With --file, only the settings named on the command line replace the loaded ones.\n"
           "\n"
           "Typed at a terminal, standard input shows the prompt \"vyxcalc> \" with line editing;\n"
           "Up and Down recall the lines of the session, Ctrl+D on an empty line ends it.\n"
           "Without --file the session is not saved.\n"
           "\n"
           "The converter and the triangle solver of the desktop program's panels:\n"
           "\n"
           "  --convert VALUE FROM TO\n"
           "                    convert VALUE (any expression) from the unit FROM to the unit\n"
           "                    TO of the same category, named as in the converter's lists\n"
           "                    (quote names with blanks: \"mm HG\"), and print the line that\n"
           "                    Use writes, without its \"//\": 1 miles = 1.609344 kilometer\n"
           "  --triangle NAME=EXPR ...\n"
           "                    solve the triangle of the given angles A, B, C and sides a, b,\n"
           "                    c (A=30 a=5 b=8; a value of 0 or below is not given) in the\n"
           "                    --angle unit, and print the text that USE writes; a second\n"
           "                    triangle follows a line \"Second solution:\"\n"
           "\n"
           "Both print to standard output only what succeeded. The panels' message boxes (the\n"
           "solver's errors, a value that is no number) go to standard error as \"caption:\n"
           "text\" lines, exit status 1; an unknown unit or units of two categories are named\n"
           "with the units to choose from, exit status 2. With --file the document's variables\n"
           "and settings are used, and the file is not changed.\n"
           "\n"
           "Engine mode evaluates each EXPR, or else each line of standard input, and prints\n"
           "the result, or \"//\" followed by the engine's message.\n"
           "\n"
           "  --engine          hand the expressions straight to the engine\n"
           "  --help, -h        show this text\n"
           "  --                end of the options (for a line starting with \"--\")\n"
           "\n"
           "Bad options exit with status 2.\n";
}
