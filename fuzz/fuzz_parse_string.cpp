// SPDX-License-Identifier: MIT
// libFuzzer target: one line through VYXCalculator::ParseString, then a check that it still works.
#include "FuzzLine.h"
#include "VYXCalculator.h"
#include "VYXNum.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzLine line = DecodeFuzzLine(data, size);

    // A fresh calculator per input keeps every crash reproducible from its file alone.
    VYXCalculator calculator;
    calculator.SetAngle(line.angleKey);
    calculator.SetDecimals(line.decimals);

    std::unique_ptr<VYXNum> result(calculator.ParseString(line.expression));
    if (result) {
        (void)result->GetValue(); // rendering the text is part of every evaluation
    }
    (void)calculator.GetExceptionMessage();

    // Whatever the line did, the next evaluation on the same calculator must work.
    std::unique_ptr<VYXNum> after(calculator.ParseString("2*3"));
    if (!after || after->GetValue() != "6") {
        std::abort();
    }
    return 0;
}
