#include "engine/photometric/photometric_calculator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "engine/number/format_float_value.h"

namespace quillux::engine {
namespace {

using Q = PhotometricQuantity;

std::string TwoDecimals(double value) { return FormatFloatValue(value, FloatFormat::Fixed, 15, 2); }

struct Written {
    Q quantity;
    double value;
};

struct Case {
    const char* name;
    Q target;
    int choice;
    double a, b, c;
    const char* shownA;  // result A at two decimals
    const char* shownB;
    bool invalid;
    std::vector<Written> written;  // exactly these, nothing else
};

const double kQuarterTurnDegrees = 90.0000025044782;

const std::vector<Case> kCases = {
    {"h_from_d_and_v",
     Q::H,
     0,
     10,
     6,
     0,
     "8.00",
     "0.00",
     false,
     {{Q::D, 10}, {Q::V, 6}, {Q::H, 8}}},
    {"h_from_d_and_v_negative_root", Q::H, 0, 6, 10, 0, "0.00", "0.00", true, {}},
    {"h_from_v_and_c_45",
     Q::H,
     1,
     5,
     45,
     0,
     "5.00",
     "0.00",
     false,
     {{Q::V, 5}, {Q::C, 45}, {Q::H, 5}}},
    {"h_from_v_and_c_zero_divides", Q::H, 1, 5, 0, 0, "0.00", "0.00", true, {}},
    {"h_from_v_and_c_90_is_near_zero",
     Q::H,
     1,
     5,
     90,
     0,
     "0.00",
     "0.00",
     false,
     {{Q::V, 5}, {Q::C, 90}, {Q::H, 0}}},
    {"h_from_d_and_c_above_90_is_negative",
     Q::H,
     2,
     10,
     120,
     0,
     "-5.00",
     "0.00",
     false,
     {{Q::D, 10}, {Q::C, 120}, {Q::H, -5}}},
    {"h_from_d_and_k",
     Q::H,
     3,
     10,
     30,
     0,
     "5.00",
     "0.00",
     false,
     {{Q::D, 10}, {Q::K, 30}, {Q::H, 5}}},
    {"h_from_v_and_k",
     Q::H,
     4,
     10,
     45,
     0,
     "10.00",
     "0.00",
     false,
     {{Q::V, 10}, {Q::K, 45}, {Q::H, 10}}},
    {"v_from_d_and_h",
     Q::V,
     0,
     10,
     8,
     0,
     "6.00",
     "0.00",
     false,
     {{Q::D, 10}, {Q::H, 8}, {Q::V, 6}}},
    {"v_from_h_and_c",
     Q::V,
     1,
     10,
     45,
     0,
     "10.00",
     "0.00",
     false,
     {{Q::H, 10}, {Q::C, 45}, {Q::V, 10}}},
    {"v_from_d_and_c",
     Q::V,
     2,
     10,
     30,
     0,
     "5.00",
     "0.00",
     false,
     {{Q::D, 10}, {Q::C, 30}, {Q::V, 5}}},
    {"v_from_d_and_k",
     Q::V,
     3,
     10,
     60,
     0,
     "5.00",
     "0.00",
     false,
     {{Q::D, 10}, {Q::K, 60}, {Q::V, 5}}},
    {"v_from_h_and_k_zero_divides", Q::V, 4, 10, 0, 0, "0.00", "0.00", true, {}},
    {"d_from_x_and_f_90",
     Q::D,
     0,
     10,
     90,
     0,
     "5.00",
     "0.00",
     false,
     {{Q::X, 10}, {Q::F, 90}, {Q::D, 5}}},
    {"d_from_x_and_f_zero_divides", Q::D, 0, 10, 0, 0, "0.00", "0.00", true, {}},
    {"d_from_x_and_mf",
     Q::D,
     1,
     10,
     0.5,
     0,
     "20.00",
     "0.00",
     false,
     {{Q::X, 10}, {Q::Mf, 0.5}, {Q::D, 20}}},
    {"d_from_x_and_mf_zero_over_zero", Q::D, 1, 0, 0, 0, "0.00", "0.00", true, {}},
    {"d_from_v_and_h",
     Q::D,
     2,
     6,
     8,
     0,
     "10.00",
     "0.00",
     false,
     {{Q::V, 6}, {Q::H, 8}, {Q::D, 10}}},
    {"d_from_h_and_c",
     Q::D,
     3,
     5,
     60,
     0,
     "10.00",
     "0.00",
     false,
     {{Q::H, 5}, {Q::C, 60}, {Q::D, 10}}},
    {"d_from_v_and_c",
     Q::D,
     4,
     5,
     30,
     0,
     "10.00",
     "0.00",
     false,
     {{Q::V, 5}, {Q::C, 30}, {Q::D, 10}}},
    {"d_from_v_and_c_zero_divides", Q::D, 4, 5, 0, 0, "0.00", "0.00", true, {}},
    {"d_from_h_and_k",
     Q::D,
     5,
     5,
     30,
     0,
     "10.00",
     "0.00",
     false,
     {{Q::H, 5}, {Q::K, 30}, {Q::D, 10}}},
    {"d_from_v_and_k",
     Q::D,
     6,
     5,
     60,
     0,
     "10.00",
     "0.00",
     false,
     {{Q::V, 5}, {Q::K, 60}, {Q::D, 10}}},
    {"d_from_cd_and_fc",
     Q::D,
     7,
     1000,
     10,
     0,
     "10.00",
     "0.00",
     false,
     {{Q::Cd, 1000}, {Q::Fc, 10}, {Q::D, 10}}},
    {"d_from_zero_cd_remembers_zero",
     Q::D,
     7,
     0,
     5,
     0,
     "0.00",
     "0.00",
     true,
     {{Q::Cd, 0}, {Q::Fc, 5}, {Q::D, 0}}},
    {"d_from_zero_fc_faults", Q::D, 7, 100, 0, 0, "0.00", "0.00", true, {}},
    {"f_from_mf",
     Q::F,
     0,
     1,
     0,
     0,
     "53.13",
     "0.00",
     false,
     {{Q::Mf, 1}, {Q::F, 53.13010235415598}}},
    {"f_from_x_and_d",
     Q::F,
     1,
     10,
     5,
     0,
     "90.00",
     "0.00",
     false,
     {{Q::X, 10}, {Q::D, 5}, {Q::F, 90}}},
    {"f_from_x_and_zero_d_divides", Q::F, 1, 10, 0, 0, "0.00", "0.00", true, {}},
    {"c_from_v_and_h",
     Q::C,
     0,
     5,
     5,
     0,
     "45.00",
     "0.00",
     false,
     {{Q::V, 5}, {Q::H, 5}, {Q::C, 45}}},
    {"c_from_v_and_d",
     Q::C,
     1,
     5,
     10,
     0,
     "30.00",
     "0.00",
     false,
     {{Q::V, 5}, {Q::D, 10}, {Q::C, 30}}},
    {"c_from_v_and_d_arcsin_above_one", Q::C, 1, 10, 5, 0, "0.00", "0.00", true, {}},
    {"c_from_h_and_d",
     Q::C,
     2,
     5,
     10,
     0,
     "60.00",
     "0.00",
     false,
     {{Q::H, 5}, {Q::D, 10}, {Q::C, kQuarterTurnDegrees - 30}}},
    {"c_from_k",
     Q::C,
     3,
     30,
     0,
     0,
     "60.00",
     "0.00",
     false,
     {{Q::K, 30}, {Q::C, kQuarterTurnDegrees - 30}}},
    {"k_from_h_and_v",
     Q::K,
     0,
     5,
     5,
     0,
     "45.00",
     "0.00",
     false,
     {{Q::H, 5}, {Q::V, 5}, {Q::K, 45}}},
    {"k_from_d_and_v",
     Q::K,
     1,
     10,
     5,
     0,
     "60.00",
     "0.00",
     false,
     {{Q::D, 10}, {Q::V, 5}, {Q::K, kQuarterTurnDegrees - 30}}},
    {"k_from_d_and_v_zero_d_divides", Q::K, 1, 0, 5, 0, "0.00", "0.00", true, {}},
    {"k_from_h_and_d",
     Q::K,
     2,
     5,
     10,
     0,
     "30.00",
     "0.00",
     false,
     {{Q::H, 5}, {Q::D, 10}, {Q::K, 30}}},
    {"k_from_c",
     Q::K,
     3,
     60,
     0,
     0,
     "30.00",
     "0.00",
     false,
     {{Q::C, 60}, {Q::K, kQuarterTurnDegrees - 60}}},
    {"x_from_d_and_f",
     Q::X,
     0,
     5,
     90,
     0,
     "10.00",
     "0.00",
     false,
     {{Q::D, 5}, {Q::F, 90}, {Q::X, 10}}},
    {"x_from_d_and_mf",
     Q::X,
     1,
     20,
     0.5,
     0,
     "10.00",
     "0.00",
     false,
     {{Q::D, 20}, {Q::Mf, 0.5}, {Q::X, 10}}},
    {"y_from_v_f_and_k",
     Q::Y,
     0,
     10,
     20,
     30,
     "4.75",
     "0.00",
     false,
     {{Q::V, 10}, {Q::F, 20}, {Q::K, 30}, {Q::Y, 4.751293969110776}}},
    {"fc_from_feet_and_cd",
     Q::Fc,
     0,
     10,
     1000,
     0,
     "10.00",
     "107.64",
     false,
     {{Q::D, 10}, {Q::Cd, 1000}, {Q::Fc, 10}}},
    {"fc_from_metres_and_cd",
     Q::Fc,
     1,
     10,
     1000,
     0,
     "0.93",
     "10.00",
     false,
     {{Q::D, 10}, {Q::Cd, 1000}, {Q::Fc, 0.9290304}}},
    {"fc_from_zero_feet_faults_with_zero_lux", Q::Fc, 0, 0, 1000, 0, "0.00", "0.00", true, {}},
    {"fc_from_lux_remembers_nothing", Q::Fc, 2, 107.639104, 0, 0, "10.00", "0.00", false, {}},
    {"lux_from_fc_remembers_nothing", Q::Fc, 3, 10, 0, 0, "107.64", "0.00", false, {}},
    {"cd_from_feet_and_fc",
     Q::Cd,
     0,
     20,
     50,
     0,
     "20000.00",
     "0.00",
     false,
     {{Q::D, 20}, {Q::Fc, 50}, {Q::Cd, 20000}}},
    {"cd_from_metres_and_fc",
     Q::Cd,
     1,
     10,
     1,
     0,
     "1076.39",
     "0.00",
     false,
     {{Q::D, 10}, {Q::Fc, 1}, {Q::Cd, 1076.391041670972}}},
    {"mf_from_f", Q::Mf, 0, 90, 0, 0, "2.00", "0.00", false, {{Q::F, 90}, {Q::Mf, 2}}},
    {"mf_from_x_and_d",
     Q::Mf,
     1,
     10,
     20,
     0,
     "0.50",
     "0.00",
     false,
     {{Q::X, 10}, {Q::D, 20}, {Q::Mf, 0.5}}},
    {"mf_from_x_and_zero_d_divides", Q::Mf, 1, 10, 0, 0, "0.00", "0.00", true, {}},
    {"choice_beyond_list_gives_nothing", Q::F, 2, 10, 5, 0, "0.00", "0.00", false, {}},
    {"unused_field_may_be_infinite",
     Q::C,
     3,
     30,
     std::numeric_limits<double>::infinity(),
     0,
     "60.00",
     "0.00",
     false,
     {{Q::K, 30}, {Q::C, kQuarterTurnDegrees - 30}}},
    {"infinite_input_faults",
     Q::X,
     1,
     std::numeric_limits<double>::infinity(),
     2,
     0,
     "0.00",
     "0.00",
     true,
     {}},
    {"overflow_to_infinity_faults", Q::Cd, 0, 1e200, 1, 0, "0.00", "0.00", true, {}},
};

class PhotometricRowTest : public ::testing::TestWithParam<Case> {};

TEST_P(PhotometricRowTest, GivesTheResultAndWritesOnlyItsRememberedValues) {
    const Case& c = GetParam();
    PhotometricCalculator calculator;
    // Every remembered value starts at a sentinel, so an unexpected write shows.
    for (int i = 0; i < kPhotometricQuantityCount; ++i)
        calculator.Remembered()[static_cast<Q>(i)] = -777;

    const PhotometricResult result =
        calculator.PhotoMetricCalculation(c.target, c.choice, c.a, c.b, c.c);

    EXPECT_EQ(TwoDecimals(result.resultA), c.shownA);
    EXPECT_EQ(TwoDecimals(result.resultB), c.shownB);
    EXPECT_EQ(result.invalid, c.invalid);
    for (int i = 0; i < kPhotometricQuantityCount; ++i) {
        const Q q = static_cast<Q>(i);
        std::optional<double> expected;
        for (const Written& w : c.written) {
            if (w.quantity == q) expected = w.value;
        }
        SCOPED_TRACE(std::string(PhotometricLetter(q)));
        if (expected) {
            ASSERT_TRUE(result.written[static_cast<std::size_t>(i)].has_value());
            EXPECT_NEAR(*result.written[static_cast<std::size_t>(i)], *expected,
                        1e-9 * std::max(1.0, std::abs(*expected)));
            EXPECT_DOUBLE_EQ(calculator.Remembered()[q],
                             *result.written[static_cast<std::size_t>(i)]);
        } else {
            EXPECT_FALSE(result.written[static_cast<std::size_t>(i)].has_value());
            EXPECT_EQ(calculator.Remembered()[q], -777);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, PhotometricRowTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PhotometricCalculatorTest, QuarterTurnIsTheSinglePrecisionValue) {
    // C from K = 30 shows 60 but keeps the single-precision quarter turn in its last digits.
    PhotometricCalculator calculator;
    calculator.PhotoMetricCalculation(Q::C, 3, 30, 0, 0);
    EXPECT_NE(calculator.Remembered().Ph_C, 60.0);
    EXPECT_EQ(FormatFloatValue(calculator.Remembered().Ph_C, FloatFormat::General, 15, 0),
              "60.0000025044782");
}

TEST(PhotometricCalculatorTest, NoChoiceGivesZeroAndWritesNothing) {
    PhotometricCalculator calculator;
    calculator.Remembered().Ph_H = 3;
    const PhotometricResult result =
        calculator.PhotoMetricCalculation(Q::H, std::nullopt, 10, 6, 0);
    EXPECT_EQ(result.resultA, 0);
    EXPECT_FALSE(result.invalid);
    EXPECT_EQ(calculator.Remembered().Ph_H, 3);
}

TEST(PhotometricCalculatorTest, EveryListedChoiceEvaluatesAndNoOtherDoes) {
    // Every (target, choice) of the selector lists is a formula that evaluates for one of two
    // plain input orders (an arc sine needs its smaller side first); an index just past each
    // list is not a formula.
    for (int t = 0; t < kPhotometricQuantityCount; ++t) {
        const Q target = static_cast<Q>(t);
        const int count = static_cast<int>(PhotometricChoiceTexts(target).size());
        for (int choice = 0; choice < count; ++choice) {
            const PhotometricResult r1 = PhotometricCalculator::Evaluate(target, choice, 4, 3, 10);
            const PhotometricResult r2 = PhotometricCalculator::Evaluate(target, choice, 3, 4, 10);
            SCOPED_TRACE(std::string(PhotometricLetter(target)) + " " + std::to_string(choice));
            EXPECT_TRUE((!r1.invalid && r1.resultA != 0) || (!r2.invalid && r2.resultA != 0));
        }
        const PhotometricResult past = PhotometricCalculator::Evaluate(target, count, 4, 3, 10);
        EXPECT_EQ(past.resultA, 0);
        EXPECT_FALSE(past.written[static_cast<std::size_t>(t)].has_value());
    }
}

TEST(PhotometricQuantityTest, SelectorAndChoiceTextsKeepTheirBlanks) {
    EXPECT_EQ(PhotometricSelectorText(Q::Fc), "Fc:  FootCandle  or Lx: Lux ");
    EXPECT_EQ(PhotometricSelectorText(Q::Mf), "mF:  Magnification factor");
    EXPECT_EQ(PhotometricChoiceTexts(Q::D)[7], "Cd and Fc");
    EXPECT_EQ(PhotometricChoiceTexts(Q::Y)[0], "V, F and K");
    EXPECT_EQ(PhotometricQuantityFromLetter("Fc"), Q::Fc);
    EXPECT_FALSE(PhotometricQuantityFromLetter("Z").has_value());
}

}  // namespace
}  // namespace quillux::engine
