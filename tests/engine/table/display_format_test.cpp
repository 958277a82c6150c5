#include "engine/table/display_format.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/table/list_kinds.h"

using namespace quillux::engine;

namespace {

struct PatternCase {
    const char* name;
    double value;
    const char* pattern;
    const char* separator;
    const char* expected;
};

class DisplayPattern : public ::testing::TestWithParam<PatternCase> {};

TEST_P(DisplayPattern, Writes) {
    const PatternCase& c = GetParam();
    EXPECT_EQ(FormatDisplayPattern(c.value, c.pattern, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayPattern,
    ::testing::Values(
        PatternCase{"HashZeroShowsNothing", 0.0, "#.#", ".", ""},
        PatternCase{"HashWithSuffixZero", 0.0, "#.# W", ".", " W"},
        PatternCase{"HashRounds", 12.34, "#.# W", ".", "12.3 W"},
        PatternCase{"ZeroPlaceZero", 0.0, "0.# A", ".", "0 A"},
        PatternCase{"ZeroPlaceRoundsUp", 4.166, "0.# A", ".", "4.2 A"},
        PatternCase{"NoLeadingZero", 0.5, "#.##", ".", ".5"},
        PatternCase{"WholeHasNoSeparator", 575.0, "#.##' W'", ".", "575 W"},
        PatternCase{"QuotedSuffix", 1200.456, "#.##' W'", ".", "1200.46 W"},
        PatternCase{"LocaleSeparator", 21.5, "0.##' Kg'", ",", "21,5 Kg"},
        PatternCase{"ZeroWithZeroPlace", 0.0, "0.##' Kg'", ".", "0 Kg"},
        PatternCase{"HalfAwayFromZero", 0.125, "#.##", ".", ".13"},
        PatternCase{"DecimalTextHalf", 2.675, "#.##", ".", "2.68"},  // 2.67499999… in binary
        PatternCase{"CarryIntoInteger", 9.996, "#.##", ".", "10"},
        PatternCase{"Negative", -3.14159, "#.##", ".", "-3.14"},
        PatternCase{"NegativeRoundingToZeroHasNoSign", -0.001, "0.##", ".", "0"},
        PatternCase{"DegreeSign", 25.0, "#.##'°'", ".", "25°"},
        PatternCase{"KelvinNoDecimals", 3199.6, "#' K'", ".", "3200 K"},
        PatternCase{"PrefixText", 1234.25, "Total: #.# Kg", ".", "Total: 1234.3 Kg"},
        PatternCase{"TotalLine", 10.0, "Total Amps X: 0.# A", ".", "Total Amps X: 10 A"},
        PatternCase{"IntegerPattern", 16.0, "0", ".", "16"},
        PatternCase{"FixedDecimals", 1.5, "0.00", ".", "1.50"},
        PatternCase{"Large", 123456789.0, "#.##", ".", "123456789"},
        PatternCase{"Tiny", 0.004, "#.##", ".", ""},
        PatternCase{"Sections", -2.0, "#.#;(#.#);'zero'", ".", "(2)"},
        PatternCase{"ZeroSection", 0.0, "#.#;(#.#);'zero'", ".", "zero"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DisplayText, FieldFormatsAndPlainNumbers) {
    const auto fields = FieldsOf(TableKind::Fixture);
    const FieldDef& watts = fields[14];
    ASSERT_EQ(watts.name, "Watts");
    EXPECT_EQ(DisplayText(watts, 575.0), "575 W");
    EXPECT_EQ(DisplayText(watts, Value{}), "");
    EXPECT_EQ(EditText(watts, 0.5, ","), ",5");
    const FieldDef& name = fields[0];
    EXPECT_EQ(DisplayText(name, std::string("Spot")), "Spot");
    const FieldDef& channels = fields[5];
    EXPECT_EQ(DisplayText(channels, std::int32_t{0}), "0");
    FieldDef plain;
    plain.type = FieldType::Double;
    EXPECT_EQ(DisplayText(plain, 138.5, ","), "138,5");
    EXPECT_EQ(DisplayText(plain, 1e-5), "1E-5");
}

}  // namespace
