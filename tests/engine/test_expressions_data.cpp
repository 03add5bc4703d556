// SPDX-License-Identifier: MIT
// Runs the expression table tests/data/expressions.tsv through the calculator facade.
#include "expression_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace expression_tests;

namespace {

// "\n" in the table stands for a line break of a message.
std::string Unescape(std::string text) {
    for (size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 1)) {
        text.replace(at, 2, "\n");
    }
    return text;
}

TEST(ExpressionTableTest, EveryRowGivesItsTextAndKind) {
    std::ifstream file(std::string(VYX_TEST_DATA_DIR) + "/expressions.tsv");
    std::string line;
    int rows = 0;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::vector<std::string> fields;
        std::istringstream stream(line);
        for (std::string field; std::getline(stream, field, '\t');) {
            fields.push_back(field);
        }
        SCOPED_TRACE("expressions.tsv line " + std::to_string(number) + ": " + line);
        ASSERT_TRUE(fields.size() == 4 && fields[3].size() == 1) << "malformed row";
        EXPECT_EQ(Evaluate(fields[0], "ANGLE_" + fields[1]),
                  (Outcome{Unescape(fields[2]), fields[3][0]}));
        ++rows;
    }
    // A wrong data path must not pass silently with no row at all.
    EXPECT_GE(rows, 100);
}

} // namespace
