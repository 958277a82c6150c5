#include "engine/number/format_float_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quillux::engine {
namespace {

struct Case {
    const char* name;
    double value;
    FloatFormat format;
    int precision;
    int digits;
    const char* expected;
};

const Case kCases[] = {
    {"fixed_overflows_to_general", 1234.5, FloatFormat::Fixed, 3, 1, "1.23E3"},
    {"fixed_keeps_three_digits", 999.4, FloatFormat::Fixed, 3, 1, "999.0"},
    {"fixed_carry_into_fourth_digit", 999.94, FloatFormat::Fixed, 3, 1, "1E3"},
    {"fixed_half_rounds_up", 2.5, FloatFormat::Fixed, 15, 0, "3"},
    {"fixed_negative_half", -0.125, FloatFormat::Fixed, 15, 2, "-0.13"},
    {"fixed_negative_vanishes", -0.001, FloatFormat::Fixed, 15, 2, "0.00"},
    {"fixed_precision_limits_decimals", 1.23456, FloatFormat::Fixed, 3, 2, "1.23"},
    {"fixed_pads_after_short_significand", 1.23456, FloatFormat::Fixed, 3, 4, "1.2300"},
    {"fixed_small_rounds_up_to_unit", 0.006, FloatFormat::Fixed, 15, 2, "0.01"},
    {"fixed_small_below_half_unit", 0.004, FloatFormat::Fixed, 15, 2, "0.00"},
    {"fixed_two_decimals", 30, FloatFormat::Fixed, 18, 2, "30.00"},
    {"fixed_zero", 0, FloatFormat::Fixed, 15, 2, "0.00"},
    {"fixed_negative_zero", -0.0, FloatFormat::Fixed, 15, 1, "0.0"},
    {"fixed_binary_half_below", 1.005, FloatFormat::Fixed, 15, 2, "1.00"},
    {"fixed_digits_above_18", 1.5, FloatFormat::Fixed, 18, 30, "1.500000000000000000"},
    {"general_tiny", 0.00005, FloatFormat::General, 15, 0, "5E-5"},
    {"general_large", 1e20, FloatFormat::General, 15, 0, "1E20"},
    {"general_smallest_fixed", 0.0001, FloatFormat::General, 15, 0, "0.0001"},
    {"general_third", 1.0 / 3.0, FloatFormat::General, 15, 0, "0.333333333333333"},
    {"general_tenth_sum", 0.1 + 0.2, FloatFormat::General, 15, 0, "0.3"},
    {"general_integer", 120, FloatFormat::General, 15, 0, "120"},
    {"general_exponent_digits", 1.5e-7, FloatFormat::General, 15, 3, "1.5E-007"},
    {"general_exponent_digits_five_is_zero", 1.5e-7, FloatFormat::General, 15, 5, "1.5E-7"},
    {"general_precision_clamped_low", 123.456, FloatFormat::General, 0, 0, "1.2E2"},
    {"general_negative", -2.75, FloatFormat::General, 15, 0, "-2.75"},
    {"general_zero", 0, FloatFormat::General, 15, 0, "0"},
    {"general_max_double", 1.7976931348623157e308, FloatFormat::General, 15, 0, "1.79769313486232E308"},
    {"general_min_subnormal", 4.9406564584124654e-324, FloatFormat::General, 15, 0, "4.94065645841247E-324"},
    {"general_precision_18", 0.1, FloatFormat::General, 18, 0, "0.100000000000000006"},
    {"exponent_basic", 12, FloatFormat::Exponent, 4, 2, "1.200E+01"},
    {"exponent_negative_exp", -0.00123, FloatFormat::Exponent, 3, 0, "-1.23E-3"},
    {"exponent_carry", 9.9996, FloatFormat::Exponent, 4, 2, "1.000E+01"},
};

class FormatFloatValueTest : public ::testing::TestWithParam<Case> {};

TEST_P(FormatFloatValueTest, FormatsAsTheRulesSay) {
    const Case& c = GetParam();
    EXPECT_EQ(FormatFloatValue(c.value, c.format, c.precision, c.digits), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, FormatFloatValueTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FormatFloatValue, SpecialValues) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatFloatValue(inf, FloatFormat::Fixed, 15, 2), "INF");
    EXPECT_EQ(FormatFloatValue(-inf, FloatFormat::General, 15, 2), "-INF");
    EXPECT_EQ(FormatFloatValue(std::nan(""), FloatFormat::Exponent, 15, 2), "NAN");
}

TEST(FormatFloatValue, UsesTheSeparatorPassedIn) {
    EXPECT_EQ(FormatFloatValue(-0.125, FloatFormat::Fixed, 15, 2, ","), "-0,13");
    EXPECT_EQ(FormatFloatValue(1.5e-7, FloatFormat::General, 15, 0, ","), "1,5E-7");
    EXPECT_EQ(FormatFloatValue(12, FloatFormat::Exponent, 4, 2, ","), "1,200E+01");
}

}  // namespace
}  // namespace quillux::engine
