// SPDX-License-Identifier: MIT
// libFuzzer target: text lines entered at the end of a document (assignments, symbols, cls).
#include "DocumentFuzzing.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DocumentFuzzing::EnterLines(data, size);
    return 0;
}
