#include "engine/electrical/basic_formula.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace quillux::engine {
namespace {

struct Case {
    const char* name;
    int formula;  // report number
    double a;
    double b;
    const char* text;
};

const Case kCases[] = {
    {"CurrentTimesResistance", 7, 3, 10, "30.00 Volts"},
    {"CurrentSquaredTimesResistance", 1, 3, 10, "90.00 Watts"},
    {"VoltsSquaredOverOhms", 2, 12, 4, "36.00 Watts"},
    {"VoltsOverOhms", 6, 12, 4, "3.00 Amps"},
    {"RootOfWattsOverOhms", 4, 100, 4, "5.00 Amps"},
    {"RootOfWattsTimesOhms", 9, 100, 4, "20.00 Volts"},
    {"VoltsTimesAmps", 3, 120, 2.5, "300.00 Watts"},
    {"WattsOverVolts", 5, 1000, 120, "8.33 Amps"},
    {"WattsOverAmps", 8, 500, 4, "125.00 Volts"},
    {"VoltsOverAmps", 10, 120, 8, "15.00 Ohms"},
    {"VoltsSquaredOverWatts", 11, 120, 1000, "14.40 Ohms"},
    {"WattsOverAmpsSquared", 12, 1000, 10, "10.00 Ohms"},
    // Only the operand named is squared: E²/P, not (E/P)², and P/I², not (P/I)².
    {"SquareOnlyFirstOperand", 11, 10, 4, "25.00 Ohms"},
    {"SquareOnlySecondOperand", 12, 100, 5, "4.00 Ohms"},
    {"ZeroResistanceUnderRoot", 4, 100, 0, "Error"},
    {"ZeroUnderRootBothZero", 4, 0, 0, "Error"},
    {"QuotientByZero", 6, 12, 0, "Error"},
    {"ZeroOverZero", 10, 0, 0, "Error"},
    {"SquaredDivisorZero", 12, 100, 0, "Error"},
    {"ClearedProduct", 1, 0, 0, "0.00 Watts"},
    {"ClearedRootOfProduct", 9, 0, 0, "0.00 Volts"},
    // An integer part of 19 digits or more is written in short scientific form.
    {"NineteenDigitResult", 3, 1e9, 1e9, "1E18 Watts"},
    {"EighteenDigitResult", 3, 1e9, 1e8, "100000000000000000.00 Watts"},
    // The extended intermediate does not overflow, but no double holds the result.
    {"OverflowIsError", 1, 1e200, 1e200, "Error"},
    {"QuotientOverflowIsError", 5, 1e300, 1e-300, "Error"},
    {"HalfCentRoundsUp", 7, 0.125, 1, "0.13 Volts"},
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class BasicFormulaTest : public testing::TestWithParam<Case> {};

TEST_P(BasicFormulaTest, ResultText) {
    const Case& c = GetParam();
    EXPECT_EQ(BasicFormulaResultText(c.formula, c.a, c.b), c.text);
}

INSTANTIATE_TEST_SUITE_P(Formulas, BasicFormulaTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BasicFormula, UndefinedInputIsError) {
    EXPECT_EQ(BasicFormulaResultText(7, std::numeric_limits<double>::quiet_NaN(), 1), "Error");
    EXPECT_EQ(BasicFormulaResultText(7, std::numeric_limits<double>::infinity(), 1), "Error");
}

TEST(BasicFormula, RegionalSeparator) {
    EXPECT_EQ(BasicFormulaResultText(7, 1.5, 3, ","), "4,50 Volts");
}

TEST(BasicFormula, OneFailureLeavesTheOthers) {
    BasicLawInputs inputs{};
    for (auto& pair : inputs) pair = {3, 10};
    inputs[5] = {12, 0};  // I = E / R with R = 0
    const BasicLawResults results = ElectricalBasicLawCalculation(inputs);
    EXPECT_EQ(results[5], "Error");
    EXPECT_EQ(results[6], "30.00 Volts");
    EXPECT_EQ(results[0], "90.00 Watts");
}

TEST(BasicFormula, TableRowsMatchTheirReportNumbersAndSlots) {
    bool slotSeen[25] = {};
    for (std::size_t i = 0; i < BasicFormulaTable().size(); ++i) {
        const BasicFormulaInfo& info = BasicFormulaTable()[i];
        EXPECT_EQ(info.reportNumber, static_cast<int>(i) + 1);
        for (int slot : {info.slotA, info.slotB}) {
            ASSERT_GE(slot, 1);
            ASSERT_LE(slot, 24);
            EXPECT_FALSE(slotSeen[slot]) << "slot " << slot << " used twice";
            slotSeen[slot] = true;
        }
    }
}

}  // namespace
}  // namespace quillux::engine
