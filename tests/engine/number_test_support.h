// SPDX-License-Identifier: MIT
// Shared helpers for the number tests: messages of refused calls, in-place operators.
#pragma once

#include "VYXExceptions.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace number_tests {

inline const double kNaN = std::numeric_limits<double>::quiet_NaN();
inline const double kInf = std::numeric_limits<double>::infinity();
inline const double kTwo53 = 9007199254740992.0;

/// The message of the engine exception a call raises, or "no error".
template <typename Call> std::string MessageOf(Call call) {
    try {
        call();
    } catch (const VYXExceptionNumberFormat& e) {
        return e.GetMessage();
    } catch (const VYXExceptionFunction& e) {
        return e.GetMessage();
    }
    return "no error";
}

/// Runs a call that may change `number`: the number's new text, or the message of the refusal,
/// after checking that a refused call left the number as it was.
template <typename Number, typename Call> std::string TextOrMessage(Number& number, Call call) {
    const std::string before = number.GetValue();
    const std::string message = MessageOf(call);
    if (message == "no error")
        return number.GetValue();
    EXPECT_EQ(number.GetValue(), before) << "a refused call changes nothing";
    return message;
}

/// Applies the compound operator named by `op` ("+-*/^") in place.
template <typename Number> void Apply(char op, Number& left, const Number& right) {
    if (op == '+')
        left += right;
    else if (op == '-')
        left -= right;
    else if (op == '*')
        left *= right;
    else if (op == '/')
        left /= right;
    else
        left ^= right;
}

} // namespace number_tests
