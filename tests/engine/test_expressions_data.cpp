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

struct ExpressionCase {
    int line;
    std::string expression;
    std::string unit;
    Outcome expected;
};

// "\n" in the table stands for a line break of a message.
std::string Unescape(const std::string& text) {
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            result += '\n';
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream stream(line);
    while (std::getline(stream, field, '\t')) {
        fields.push_back(field);
    }
    return fields;
}

std::vector<ExpressionCase> LoadCases() {
    std::ifstream file(std::string(VYX_TEST_DATA_DIR) + "/expressions.tsv");
    std::vector<ExpressionCase> cases;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::vector<std::string> fields = SplitTabs(line);
        if (fields.size() != 4 || fields[3].size() != 1) {
            ADD_FAILURE() << "expressions.tsv line " << number << " is malformed: " << line;
            continue;
        }
        cases.push_back({number, fields[0], fields[1], {Unescape(fields[2]), fields[3][0]}});
    }
    return cases;
}

TEST(ExpressionTableTest, TableIsPresentAndLarge) {
    EXPECT_GE(LoadCases().size(), 100u);
}

TEST(ExpressionTableTest, EveryRowGivesItsTextAndKind) {
    for (const ExpressionCase& row : LoadCases()) {
        SCOPED_TRACE("expressions.tsv line " + std::to_string(row.line) + ": " + row.expression +
                     " (" + row.unit + ")");
        EXPECT_EQ(Evaluate(row.expression, "ANGLE_" + row.unit), row.expected);
    }
}

} // namespace
