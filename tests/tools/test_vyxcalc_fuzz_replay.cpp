// SPDX-License-Identifier: MIT
// Replays the document fuzzers' seeds and kept findings: each must run through without a fault.
#include "DocumentFuzzing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

/// The seeds and kept findings of both document fuzzers, each folder in name order.
std::vector<fs::path> ReplayFiles() {
    const fs::path fuzz(VYX_FUZZ_DIR);
    const fs::path regressions = fs::path(VYX_TEST_DATA_DIR) / "fuzz-regressions";
    std::vector<fs::path> files;
    for (const fs::path& directory :
         {fuzz / "seeds-document-load", regressions / "fuzz_document_load",
          fuzz / "seeds-calculate-line", regressions / "fuzz_calculate_line"}) {
        std::error_code error;
        const auto first = files.size();
        for (const auto& entry : fs::directory_iterator(directory, error))
            if (entry.is_regular_file())
                files.push_back(entry.path());
        std::sort(files.begin() + std::ptrdiff_t(first), files.end());
    }
    return files;
}

/// The folder names the fuzzer an input is for: loading a document, or entering lines.
bool IsDocumentLoad(const fs::path& file) {
    return file.parent_path().filename().string().find("load") != std::string::npos;
}

std::string TestNameOf(const testing::TestParamInfo<fs::path>& info) {
    std::string name = (IsDocumentLoad(info.param) ? "Load_" : "Lines_") +
                       info.param.parent_path().filename().string() + "_" +
                       info.param.filename().string();
    std::ranges::replace_if(
        name, [](unsigned char c) { return !std::isalnum(c); }, '_');
    return name;
}

class DocumentFuzzReplay : public testing::TestWithParam<fs::path> {};

TEST_P(DocumentFuzzReplay, RunsThroughKeepingTheDocumentsPromises) {
    std::ifstream in(GetParam(), std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    // A broken promise aborts the run, as it does under the fuzzer.
    if (IsDocumentLoad(GetParam()))
        DocumentFuzzing::LoadDocument(bytes.data(), bytes.size());
    else
        DocumentFuzzing::EnterLines(bytes.data(), bytes.size());
}

INSTANTIATE_TEST_SUITE_P(Vyxcalc, DocumentFuzzReplay, testing::ValuesIn(ReplayFiles()), TestNameOf);

// A wrong directory would leave a fuzzer with nothing to replay, and the replay proving nothing.
TEST(DocumentFuzzReplaySeeds, EveryFuzzerHasSeeds) {
    const std::vector<fs::path> files = ReplayFiles();
    const auto load = std::count_if(files.begin(), files.end(), IsDocumentLoad);
    EXPECT_GT(load, 0);
    EXPECT_GT(std::ssize(files) - load, 0);
}

} // namespace
