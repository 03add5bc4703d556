// SPDX-License-Identifier: MIT
// libFuzzer target: bytes loaded as a document file, then saved, reloaded and used.
#include "DocumentFuzzing.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DocumentFuzzing::LoadDocument(data, size);
    return 0;
}
