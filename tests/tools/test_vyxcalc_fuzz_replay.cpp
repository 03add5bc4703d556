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
#include <ostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

enum class Target { DocumentLoad, CalculateLine };

struct ReplayInput {
    Target target;
    fs::path file;
};

void PrintTo(const ReplayInput& input, std::ostream* out) {
    *out << input.file.string();
}

void AddFiles(Target target, const fs::path& directory, std::vector<ReplayInput>& inputs) {
    std::error_code error;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(directory, error))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files)
        inputs.push_back({target, file});
}

std::vector<ReplayInput> ReplayInputs() {
    const fs::path fuzz(VYX_FUZZ_DIR);
    const fs::path regressions = fs::path(VYX_TEST_DATA_DIR) / "fuzz-regressions";
    std::vector<ReplayInput> inputs;
    AddFiles(Target::DocumentLoad, fuzz / "seeds-document-load", inputs);
    AddFiles(Target::DocumentLoad, regressions / "fuzz_document_load", inputs);
    AddFiles(Target::CalculateLine, fuzz / "seeds-calculate-line", inputs);
    AddFiles(Target::CalculateLine, regressions / "fuzz_calculate_line", inputs);
    return inputs;
}

std::string TestNameOf(const testing::TestParamInfo<ReplayInput>& info) {
    std::string name = (info.param.target == Target::DocumentLoad ? "Load_" : "Lines_") +
                       info.param.file.parent_path().filename().string() + "_" +
                       info.param.file.filename().string();
    std::replace_if(
        name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
    return name;
}

class DocumentFuzzReplay : public testing::TestWithParam<ReplayInput> {};

TEST_P(DocumentFuzzReplay, RunsThroughKeepingTheDocumentsPromises) {
    std::ifstream in(GetParam().file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    // A broken promise aborts the run, as it does under the fuzzer.
    if (GetParam().target == Target::DocumentLoad)
        DocumentFuzzing::LoadDocument(bytes.data(), bytes.size());
    else
        DocumentFuzzing::EnterLines(bytes.data(), bytes.size());
}

INSTANTIATE_TEST_SUITE_P(Vyxcalc, DocumentFuzzReplay, testing::ValuesIn(ReplayInputs()),
                         TestNameOf);

// A wrong directory would leave a target with nothing to replay, and the replay proving nothing.
TEST(DocumentFuzzReplaySeeds, EveryTargetHasSeeds) {
    int load = 0, lines = 0;
    for (const ReplayInput& input : ReplayInputs())
        ++(input.target == Target::DocumentLoad ? load : lines);
    EXPECT_GT(load, 0);
    EXPECT_GT(lines, 0);
}

} // namespace
