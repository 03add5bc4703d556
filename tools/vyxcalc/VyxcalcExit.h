// SPDX-License-Identifier: MIT
// VyxcalcExit: the exit statuses of vyxcalc.
#pragma once

namespace VyxcalcExit {

constexpr int kOk = 0;
/// The run did not do all it was asked (a message box said why, or the output failed).
constexpr int kFailure = 1;
/// The command line itself was wrong: an option, or a unit name.
constexpr int kUsage = 2;

} // namespace VyxcalcExit
