#include "engine/number/pocket_calculator.h"

#include <gtest/gtest.h>

#include <string>

namespace quillux::engine {
namespace {

using Operation = PocketCalculator::Operation;

// Keys: digits, "." point, + - * / =, "n" negate, "b" backspace, "c" clear, "e" clear entry.
void Press(PocketCalculator& calculator, const std::string& keys) {
    for (char key : keys) {
        switch (key) {
            case '.': calculator.Point(); break;
            case '+': calculator.Apply(Operation::Add); break;
            case '-': calculator.Apply(Operation::Subtract); break;
            case '*': calculator.Apply(Operation::Multiply); break;
            case '/': calculator.Apply(Operation::Divide); break;
            case '=': calculator.Equals(); break;
            case 'n': calculator.Negate(); break;
            case 'b': calculator.Backspace(); break;
            case 'c': calculator.Clear(); break;
            case 'e': calculator.ClearEntry(); break;
            default: calculator.Digit(key - '0'); break;
        }
    }
}

struct Case {
    const char* name;
    double start;
    const char* keys;
    const char* display;  // with "," as the separator, to see it is used
    double value;
};

const Case kCases[] = {
    {"starts_from_the_box_value", 12.5, "", "12,5", 12.5},
    {"typing_replaces_the_start_value", 12.5, "7", "7", 7},
    {"start_value_takes_part", 12.5, "*2=", "25", 25},
    {"left_to_right", 0, "2+3*4=", "20", 20},
    {"decimal_entry", 0, "1.5+1.25=", "2,75", 2.75},
    {"entry_shown_as_typed", 0, "1.50", "1,50", 1.5},
    {"second_point_ignored", 0, "1.2.3", "1,23", 1.23},
    {"leading_point", 0, ".5", "0,5", 0.5},
    {"second_operator_replaces_first", 0, "8+-3=", "5", 5},
    {"divide_by_zero_is_error", 0, "1/0=", "Error", 0},
    {"digit_after_error_starts_over", 0, "1/0=4", "4", 4},
    {"negate_entry", 0, "5n", "-5", -5},
    {"negate_result", 0, "2+3=n", "-5", -5},
    {"backspace", 0, "123b", "12", 12},
    {"backspace_to_zero", 0, "1b", "0", 0},
    {"clear_entry_keeps_pending", 0, "2+9e3=", "5", 5},
    {"clear", 0, "2+9c", "0", 0},
    {"no_leading_zeros", 0, "007", "7", 7},
    {"equals_alone", 4, "=", "4", 4},
    {"third_is_general_format", 0, "1/3=", "0,333333333333333", 1.0 / 3.0},
};

class PocketCalculatorTest : public ::testing::TestWithParam<Case> {};

TEST_P(PocketCalculatorTest, ShowsAndGivesTheResult) {
    const Case& c = GetParam();
    PocketCalculator calculator;
    calculator.Start(c.start);
    Press(calculator, c.keys);
    EXPECT_EQ(calculator.DisplayText(","), c.display);
    EXPECT_DOUBLE_EQ(calculator.Value(), c.value);
}

INSTANTIATE_TEST_SUITE_P(Keys, PocketCalculatorTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PocketCalculator, EntryIsLimitedToWhatADoubleHolds) {
    PocketCalculator calculator;
    Press(calculator, std::string(25, '9'));
    EXPECT_EQ(calculator.DisplayText("."), std::string(17, '9'));
}

}  // namespace
}  // namespace quillux::engine
