// SPDX-License-Identifier: MIT
// Shared helpers for the number tests: messages of refused calls, in-place operators, case names.
#pragma once

#include "VYXExceptions.h"

#include <gtest/gtest.h>

#include <string>

namespace number_tests {

/// The message of the number-format exception a call raises, or "no error".
template <typename Call> std::string MessageOf(Call call) {
    try {
        call();
    } catch (const VYXExceptionNumberFormat& e) {
        return e.GetMessage();
    }
    return "no error";
}

enum class Op { Add, Sub, Mul, Div, Pow };

/// Applies one compound operator in place; the message it raised, or "no error".
template <typename Number> std::string Apply(Op op, Number& left, const Number& right) {
    return MessageOf([&] {
        switch (op) {
        case Op::Add:
            left += right;
            break;
        case Op::Sub:
            left -= right;
            break;
        case Op::Mul:
            left *= right;
            break;
        case Op::Div:
            left /= right;
            break;
        case Op::Pow:
            left ^= right;
            break;
        }
    });
}

/// Names a parameterised case after the `name` field of its row.
struct CaseName {
    template <typename Row> std::string operator()(const testing::TestParamInfo<Row>& info) const {
        return info.param.name;
    }
};

} // namespace number_tests
