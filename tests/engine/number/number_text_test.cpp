#include "engine/number/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace quillux::engine {
namespace {

struct FloatCase {
    const char* name;
    const char* text;
    const char* separator;
    double expected;
};

const FloatCase kFloatCases[] = {
    {"empty_reads_zero", "", ".", 0},
    {"blanks_only_read_zero", "   ", ".", 0},
    {"letters_read_zero", "abc", ".", 0},
    {"number_then_letters_reads_zero", "12V", ".", 0},
    {"lone_minus_reads_zero", "-", ".", 0},
    {"lone_separator_reads_zero", ".", ".", 0},
    {"point_decimal", "12.75", ".", 12.75},
    {"comma_decimal", "12,75", ",", 12.75},
    {"point_where_comma_is_the_separator", "12.75", ",", 0},
    {"comma_where_point_is_the_separator", "12,75", ".", 0},
    {"two_separators_read_zero", "1.2.3", ".", 0},
    {"leading_plus", "+3.5", ".", 3.5},
    {"double_sign_reads_zero", "+-3", ".", 0},
    {"negative", "-0.125", ".", -0.125},
    {"blanks_around", " 42 ", ".", 42},
    {"starts_with_separator", ",5", ",", 0.5},
    {"ends_with_separator", "5,", ",", 5},
    {"zero_padded", "007", ".", 7},
    {"exponent", "1.5E3", ".", 1500},
    {"infinity_text_reads_zero", "inf", ".", 0},
    {"nan_text_reads_zero", "nan", ".", 0},
    {"overflow_reads_zero", "1e400", ".", 0},
    {"nearest_double", "0.1", ".", 0.1},
};

class ParseFloatTextTest : public ::testing::TestWithParam<FloatCase> {};

TEST_P(ParseFloatTextTest, ReadsTheBoxText) {
    const FloatCase& c = GetParam();
    EXPECT_EQ(ParseFloatText(c.text, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseFloatTextTest, ::testing::ValuesIn(kFloatCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct IntegerCase {
    const char* name;
    const char* text;
    std::int32_t expected;
};

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

const IntegerCase kIntegerCases[] = {
    {"empty_reads_zero", "", 0},
    {"digits", "512", 512},
    {"zero_padded", "001", 1},
    {"typed_beyond_a_bound_is_kept", "999", 999},
    {"blanks_around", " 12 ", 12},
    {"plus_sign", "+5", 5},
    {"minus_sign", "-5", -5},
    {"decimal_reads_zero", "1.5", 0},
    {"letters_read_zero", "12a", 0},
    {"lone_sign_reads_zero", "-", 0},
    {"double_sign_reads_zero", "+-5", 0},
    {"above_32_bits_saturates", "99999999999", kMax},
    {"below_32_bits_saturates", "-99999999999", kMin},
    {"largest", "2147483647", kMax},
    {"one_past_largest", "2147483648", kMax},
};

class ParseIntegerTextTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ParseIntegerTextTest, ReadsTheBoxText) {
    const IntegerCase& c = GetParam();
    EXPECT_EQ(ParseIntegerText(c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseIntegerTextTest, ::testing::ValuesIn(kIntegerCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillux::engine
