// SPDX-License-Identifier: MIT
// Reading on strtod_l and printing on snprintf under a thread-local "C" numeric locale.
#include "VYXClassicNumbers.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace {

locale_t ClassicLocale() {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return classic;
}

/// Switches the calling thread to the "C" conventions while it lives: snprintf has no variant
/// that takes a locale.
class ClassicLocaleScope {
public:
    ClassicLocaleScope() {
        if (ClassicLocale() != static_cast<locale_t>(nullptr))
            m_previous = uselocale(ClassicLocale());
    }
    ~ClassicLocaleScope() {
        if (m_previous != static_cast<locale_t>(nullptr))
            uselocale(m_previous);
    }
    ClassicLocaleScope(const ClassicLocaleScope&) = delete;
    ClassicLocaleScope& operator=(const ClassicLocaleScope&) = delete;

private:
    locale_t m_previous = static_cast<locale_t>(nullptr);
};

// Texts up to this length are copied to the stack for strtod, which needs a terminated string.
constexpr size_t kStackCopyLength = 64;

bool ReadWholeTerminated(const char* begin, size_t size, double& value) {
    char* end = nullptr;
    const double read = strtod_l(begin, &end, ClassicLocale());
    if (end != begin + size)
        return false;
    value = read;
    return true;
}

/// snprintf into a string of the right size (huge values print hundreds of digits).
template <typename... Args> std::string PrintArgs(const char* pattern, Args... args) {
    const ClassicLocaleScope classic;
    const int length = std::snprintf(nullptr, 0, pattern, args...);
    if (length <= 0)
        return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), pattern, args...);
    text.resize(static_cast<size_t>(length));
    return text;
}

} // namespace

namespace vyx_classic {

double ReadLeading(const char* text, char** end) {
    return strtod_l(text, end, ClassicLocale());
}

bool ReadWhole(std::string_view text, double& value) {
    if (text.empty())
        return false;
    if (text.size() < kStackCopyLength) {
        char buffer[kStackCopyLength];
        std::memcpy(buffer, text.data(), text.size());
        buffer[text.size()] = '\0';
        return ReadWholeTerminated(buffer, text.size(), value);
    }
    const std::string copy(text);
    return ReadWholeTerminated(copy.c_str(), copy.size(), value);
}

std::string Print(const char* pattern, double value) {
    return PrintArgs(pattern, value);
}

std::string Print(const char* pattern, int precision, double value) {
    return PrintArgs(pattern, precision, value);
}

} // namespace vyx_classic
