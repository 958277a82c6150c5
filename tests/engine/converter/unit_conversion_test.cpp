#include "engine/converter/unit_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>
#include <string>

#include "engine/number/format_float_value.h"

namespace quillux::engine {
namespace {

using U = UnitCategory;

struct ConversionCase {
    const char* name;
    UnitCategory category;
    int from;
    int to;
    double value;
    double expected;
    double relativeTolerance;  // 0: exact
};

void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.name; }

class UnitConversionTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(UnitConversionTest, Converts) {
    const ConversionCase& c = GetParam();
    const auto result = ConvertUnit(c.category, c.from, c.to, c.value);
    ASSERT_TRUE(result);
    if (c.relativeTolerance == 0) {
        EXPECT_EQ(*result, c.expected);
    } else {
        EXPECT_NEAR(*result, c.expected, std::fabs(c.expected) * c.relativeTolerance);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Checks, UnitConversionTest,
    testing::Values(
        ConversionCase{"KilogramsToPounds", U::Mass, 3, 5, 1, 2.20462262, 1e-9},
        ConversionCase{"PoundsToOunces", U::Mass, 5, 4, 1, 16, 1e-15},
        ConversionCase{"FixedGramsToOunces", U::Mass, 2, 4, 100, 3.527, 1e-15},
        ConversionCase{"FixedGramsToPounds", U::Mass, 2, 5, 100, 0.2205, 1e-15},
        ConversionCase{"FixedCentigramsToOunces", U::Mass, 1, 4, 1, 0.00035274, 1e-15},
        ConversionCase{"FixedCentigramsToPounds", U::Mass, 1, 5, 1, 0.000022046, 1e-15},
        ConversionCase{"FixedCentigramsToShortTons", U::Mass, 1, 8, 1, 0.000000011, 1e-15},
        ConversionCase{"OuncesToGramsFullPrecision", U::Mass, 4, 2, 1, 28.349523125, 1e-15},
        ConversionCase{"KilogramsToOuncesFullPrecision", U::Mass, 3, 4, 0.1, 3.52739619, 1e-8},
        ConversionCase{"CentigramsToLongTons", U::Mass, 1, 6, 1, 9.84206528e-9, 1e-9},
        ConversionCase{"GallonsToLiters", U::Volume, 7, 1, 1, 3.785411784, 1e-15},
        ConversionCase{"MachToKmh", U::Speed, 7, 0, 1, 1193.256, 1e-12},
        ConversionCase{"AcresToSquareFeet", U::Area, 8, 5, 1, 43560.1742, 1e-9},
        ConversionCase{"SquareMilesToAcres", U::Area, 7, 8, 1, 639.99744, 1e-8},
        ConversionCase{"SquareKmToSquareMeters", U::Area, 3, 2, 1, 1e6, 0},
        ConversionCase{"LightYearToKm", U::Length, 9, 4, 1, 9460528400000.0, 1e-15},
        ConversionCase{"StilbToLambert", U::Light, 6, 3, 1, std::numbers::pi, 1e-15},
        ConversionCase{"LambertToLux", U::Light, 3, 4, 1, 40000, 0},
        ConversionCase{"FlameToFootCandle", U::Light, 0, 1, 1, 4, 1e-15},
        ConversionCase{"MillenniumToCentury", U::Time, 13, 12, 1, 10, 0},
        ConversionCase{"MinuteToDay", U::Time, 4, 6, 1, 1.0 / 1440, 1e-15},
        ConversionCase{"DayToLeapYear", U::Time, 6, 10, 1, 1.0 / 366, 1e-15},
        ConversionCase{"MonthToDays", U::Time, 8, 6, 1, 30, 0},
        ConversionCase{"YearToDays", U::Time, 9, 6, 1, 365, 0},
        ConversionCase{"LeapYearToDays", U::Time, 10, 6, 1, 366, 0},
        ConversionCase{"SameUnitExactly", U::Volume, 6, 6, 0.1, 0.1, 0},
        ConversionCase{"NegativeConvertsAlike", U::Length, 6, 5, -1, -12, 1e-15},
        ConversionCase{"BoilingPoint", U::Temperature, 0, 1, 100, 212, 0},
        ConversionCase{"MinusForty", U::Temperature, 0, 1, -40, -40, 0},
        ConversionCase{"AbsoluteZeroCelsius", U::Temperature, 2, 0, 0, -273.15, 0},
        ConversionCase{"AbsoluteZeroFahrenheit", U::Temperature, 2, 1, 0, -459.67, 1e-15},
        ConversionCase{"FahrenheitToKelvin", U::Temperature, 1, 2, 32, 273.15, 0},
        ConversionCase{"CelsiusToKelvin", U::Temperature, 0, 2, 0, 273.15, 0},
        ConversionCase{"FahrenheitToCelsius", U::Temperature, 1, 0, 212, 100, 0},
        ConversionCase{"BelowAbsoluteZeroNotChecked", U::Temperature, 2, 0, -10, -283.15, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UnitConversion, IndexOutsideTheListGivesNoResult) {
    for (UnitCategory category : kUnitCategories) {
        const int count = UnitCount(category);
        EXPECT_FALSE(ConvertUnit(category, count, 0, 1)) << UnitCategoryKey(category);
        EXPECT_FALSE(ConvertUnit(category, 0, count, 1)) << UnitCategoryKey(category);
        EXPECT_FALSE(ConvertUnit(category, -1, 0, 1)) << UnitCategoryKey(category);
        EXPECT_TRUE(ConvertUnit(category, count - 1, 0, 1)) << UnitCategoryKey(category);
    }
}

TEST(UnitConversion, EveryPairButTheFixedOnesRoundTrips) {
    for (UnitCategory category : kUnitCategories) {
        const int count = UnitCount(category);
        for (int a = 0; a < count; ++a) {
            for (int b = 0; b < count; ++b) {
                const auto isFixed = [category](int from, int to) {
                    return category == U::Mass && ((from == 1 && (to == 4 || to == 5 || to == 8)) ||
                                                   (from == 2 && (to == 4 || to == 5)));
                };
                if (isFixed(a, b) || isFixed(b, a)) continue;
                const double there = *ConvertUnit(category, a, b, 7.25);
                const auto back = ConvertUnit(category, b, a, there);
                EXPECT_NEAR(*back, 7.25, 7.25 * 1e-12) << UnitCategoryKey(category) << a << b;
            }
        }
    }
}

TEST(UnitConversion, NamesInListOrder) {
    EXPECT_EQ(UnitNames(U::Temperature),
              (std::vector<std::string>{"Celcius", "Fahrenheit", "Kelvin"}));
    EXPECT_EQ(UnitNames(U::Area).front(), "Square Milimimeters");
    EXPECT_EQ(UnitNames(U::Time)[8], "Month (30days)");
    EXPECT_EQ(UnitNames(U::Light).back(), "sb");
    EXPECT_EQ(UnitNames(U::Mass)[6], "Tons, Long");
    for (UnitCategory category : kUnitCategories) {
        EXPECT_EQ(UnitCategoryFromKey(UnitCategoryKey(category)), category);
    }
    EXPECT_FALSE(UnitCategoryFromKey("energy"));
}

TEST(UnitConversion, ShownTexts) {
    const auto text = [](double v) { return FormatFloatValue(v, FloatFormat::General, 15, 0); };
    EXPECT_EQ(text(*ConvertUnit(U::Mass, 2, 4, 100)), "3.527");
    EXPECT_EQ(text(*ConvertUnit(U::Mass, 5, 4, 1)), "16");
    EXPECT_EQ(text(*ConvertUnit(U::Temperature, 2, 1, 0)), "-459.67");
}

}  // namespace
}  // namespace quillux::engine
