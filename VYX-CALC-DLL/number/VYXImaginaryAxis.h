// SPDX-License-Identifier: MIT
// The arguments of the imaginary axis as the number model stores them.
#pragma once

namespace vyx_angle {

/// The argument of a positive imaginary number: exactly as written, which is not the double
/// nearest to π/2; the function tables compare against the same value.
inline constexpr double kPositiveImaginaryAxis = 1.5707963267949;
/// The argument of a negative imaginary number (3π/2), exactly as written.
inline constexpr double kNegativeImaginaryAxis = 4.712388980384693;

} // namespace vyx_angle
