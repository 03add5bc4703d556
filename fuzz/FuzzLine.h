// SPDX-License-Identifier: MIT
// How a fuzz input becomes engine settings and one expression line (shared with the replay test).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

struct FuzzLine {
    std::string angleKey = "ANGLE_RAD";
    int decimals = 6;
    std::string expression;
};

/// A leading control byte (below 0x20) picks the angle unit and the decimals, so plain-text
/// seeds stay readable and still run with the defaults; everything after it is the line.
inline FuzzLine DecodeFuzzLine(const std::uint8_t* data, std::size_t size) {
    static constexpr std::array<const char*, 3> kAngleKeys{"ANGLE_RAD", "ANGLE_DEG", "ANGLE_GRA"};
    FuzzLine line;
    std::size_t start = 0;
    if (size > 0 && data[0] < 0x20) {
        line.angleKey = kAngleKeys[data[0] % kAngleKeys.size()];
        line.decimals = 1 + static_cast<int>((data[0] / kAngleKeys.size()) % 10);
        start = 1;
    }
    line.expression.assign(reinterpret_cast<const char*>(data) + start, size - start);
    return line;
}
