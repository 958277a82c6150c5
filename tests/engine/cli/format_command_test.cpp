#include <gtest/gtest.h>

#include "support/calc_runner.h"

#include <cstdio>
#include <string>

namespace {

using quillux::test_support::CalcRun;
using quillux::test_support::RunCalc;

struct Case {
    const char* name;
    const char* arguments;
    int status;
    const char* out;
};

const Case kCases[] = {
    {"fixed_overflow", "format --value 1234.5 --format fixed --precision 3 --digits 1", 0,
     "{\"text\":\"1.23E3\"}\n"},
    {"general_tiny", "format --value 0.00005 --format general --precision 15 --digits 0", 0,
     "{\"text\":\"5E-5\"}\n"},
    {"exponent", "format --value 12 --format exponent --precision 4 --digits 2", 0,
     "{\"text\":\"1.200E+01\"}\n"},
    {"negative_infinity", "format --value -inf --format general --precision 15 --digits 0", 0,
     "{\"text\":\"-INF\"}\n"},
    {"not_a_number", "format --value 12,5 --format fixed --precision 15 --digits 2", 2, ""},
    {"unknown_option", "format --value 1 --format fixed --precision 15 --digits 2 --colour red",
     2, ""},
    {"unknown_format", "format --value 1 --format money --precision 15 --digits 2", 2, ""},
    {"missing_digits", "format --value 1 --format fixed --precision 15", 2, ""},
};

class FormatCommandTest : public ::testing::TestWithParam<Case> {};

TEST_P(FormatCommandTest, PrintsOneJsonObjectOrFailsQuietly) {
    const Case& c = GetParam();
    const CalcRun run = RunCalc(c.arguments);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, c.out);
}

INSTANTIATE_TEST_SUITE_P(Runs, FormatCommandTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FormatCommand, BadUseSaysWhyOnStandardError) {
    const std::string command = std::string("'") + QUILLUX_CALC +
                                "' format --value x --format fixed --precision 1 --digits 1 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[256] = {};
    const bool got = std::fgets(buffer, sizeof(buffer), pipe) != nullptr;
    ::pclose(pipe);
    ASSERT_TRUE(got);
    EXPECT_EQ(std::string(buffer).rfind("quillux-calc: ", 0), 0u) << buffer;
}

}  // namespace
