#include "engine/electrical/phase_load.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace quillux::engine {
namespace {

ThreePhaseInputs Three(std::string volts, double maxAmps) {
    ThreePhaseInputs in;
    in.voltageText = std::move(volts);
    in.maxAmpsPhase = maxAmps;
    return in;
}

TEST(PhaseLoadConstants, SinglePrecisionQuarterTurnsEnterThePhasors) {
    EXPECT_EQ(static_cast<double>(kRad120), 2.0943951606750488);
    // A lone Z-X load: X gets -cos120 × I and -sin120 × I.
    const LineToLineConductorCurrents c = ThreePhaseConductorCurrents(0, 0, 1);
    EXPECT_EQ(c.ax, 0.5000000504735648);
    EXPECT_EQ(c.bx, -0.8660253746435105);
}

TEST(PhaseLoadConstants, NeutralOfOneLoadIsThatLoad) {
    EXPECT_EQ(CalcNC(12, 0, 0), 12.0);
    EXPECT_NEAR(CalcNC(0, 12, 0), 12.0, 1e-12);
    EXPECT_NEAR(CalcNC(0, 0, 12), 12.0, 1e-12);
}

TEST(PhaseLoadConstants, NeutralMatchesClosedForm) {
    const struct {
        double x, y, z;
    } rows[] = {{10, 20, 30}, {100, 0, 50}, {5, 5, 80}, {99.9, 99.9, 99.9}};
    for (const auto& r : rows) {
        const double closed =
            std::sqrt(r.x * r.x + r.y * r.y + r.z * r.z - r.x * r.y - r.y * r.z - r.z * r.x);
        EXPECT_NEAR(CalcNC(r.x, r.y, r.z), closed, 1e-6) << r.x << " " << r.y << " " << r.z;
    }
}

TEST(PhaseLoadConstants, WorkingVoltageRoundsHalvesToEven) {
    EXPECT_EQ(RoundWorkingVoltage(120.5), 120);
    EXPECT_EQ(RoundWorkingVoltage(121.5), 122);
    EXPECT_EQ(RoundWorkingVoltage(120.088), 120);
    EXPECT_EQ(RoundWorkingVoltage(119.5), 120);
}

struct ColourCase {
    const char* name;
    double percent;
    WarningLevel level;
};

void PrintTo(const ColourCase& c, std::ostream* os) { *os << c.name; }

class WarningColourTest : public testing::TestWithParam<ColourCase> {};

TEST_P(WarningColourTest, Level) {
    EXPECT_EQ(PhaseWarningLevel(GetParam().percent), GetParam().level);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, WarningColourTest,
                         testing::Values(ColourCase{"Below80", 79.99, WarningLevel::SkyBlue},
                                         ColourCase{"Exactly80", 80, WarningLevel::Yellow},
                                         ColourCase{"Below99", 98.99, WarningLevel::Yellow},
                                         ColourCase{"Exactly99", 99, WarningLevel::Red},
                                         ColourCase{"Over100", 150, WarningLevel::Red},
                                         ColourCase{"Zero", 0, WarningLevel::SkyBlue}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ThreePhaseLoad, SupplyAt208Volts100Amps) {
    ThreePhaseLoad calc;
    const ThreePhaseResult& r = calc.PhaseLoadCalculation(Three("208", 100));
    EXPECT_NEAR(r.voltagePhaseNeutral, 120.0889, 1e-4);
    EXPECT_EQ(r.voltageNeutralText, "120.0");
    EXPECT_NEAR(r.maxAvailableKVA, 36.027, 5e-4);
    EXPECT_EQ(r.percentAvailableDisplay.text, "100.0%");
    EXPECT_EQ(calc.WorkingVoltageTexts()[0], "208");
    EXPECT_EQ(calc.WorkingVoltageTexts()[1], "120");
}

TEST(ThreePhaseLoad, BalancedLineToNeutralLoads) {
    ThreePhaseLoad calc;
    ThreePhaseInputs in = Three("208", 100);
    in.loadKvaXN = in.loadKvaYN = in.loadKvaZN = 12;
    const ThreePhaseResult& r = calc.PhaseLoadCalculation(in);
    EXPECT_EQ(r.ampsXNText, "99.9");
    EXPECT_EQ(r.ampsXText, "99.9");
    EXPECT_EQ(r.ampsYText, "99.9");
    EXPECT_EQ(r.ampsZText, "99.9");
    EXPECT_EQ(r.ampsNText, "0.0");
    EXPECT_EQ(r.percentXDisplay.text, "99.9%");
    EXPECT_EQ(r.percentXDisplay.level, WarningLevel::Red);
    EXPECT_EQ(r.totalLoadText, "36.0");
    // 36 of 36.027 kVA used: 0.1% left, red.
    EXPECT_EQ(r.percentAvailableDisplay.text, "0.1%");
    EXPECT_EQ(r.percentAvailableDisplay.level, WarningLevel::Red);
}

TEST(ThreePhaseLoad, LoneLineToNeutralLoadIsTheNeutralCurrent) {
    ThreePhaseLoad calc;
    ThreePhaseInputs in = Three("208", 100);
    in.loadKvaXN = 12;
    const ThreePhaseResult& r = calc.PhaseLoadCalculation(in);
    EXPECT_EQ(r.ampsN, r.ampsXN);
}

TEST(ThreePhaseLoad, LoneLineToLineLoad) {
    ThreePhaseLoad calc;
    ThreePhaseInputs in = Three("208", 100);
    in.loadKvaXY = 10;
    const ThreePhaseResult& r = calc.PhaseLoadCalculation(in);
    EXPECT_EQ(r.ampsXYText, "48.1");
    EXPECT_EQ(r.ampsX, r.ampsXY);  // B = 0 rule
    EXPECT_EQ(r.ampsXText, "48.1");
    EXPECT_EQ(r.ampsYText, "48.1");
    EXPECT_EQ(r.ampsZText, "0.0");
    EXPECT_EQ(r.ampsNText, "0.0");  // line-to-line loads do not reach the neutral
}

TEST(ThreePhaseLoad, UnreadableVoltageComputesWith208) {
    ThreePhaseLoad calc;
    for (const char* text : {"", "abc", "2O8", "inf"}) {
        EXPECT_EQ(calc.PhaseLoadCalculation(Three(text, 100)).voltagePhaseToPhase, 208) << text;
    }
}

TEST(ThreePhaseLoad, ZeroMaxAmpsShowsZeroPercentages) {
    ThreePhaseLoad calc;
    ThreePhaseInputs in = Three("208", 0);
    in.loadKvaXY = 10;
    in.loadKvaXN = 5;
    const ThreePhaseResult& r = calc.PhaseLoadCalculation(in);
    EXPECT_EQ(r.percentXDisplay.text, "0.0%");
    EXPECT_EQ(r.percentXDisplay.level, WarningLevel::SkyBlue);
    EXPECT_EQ(r.percentNDisplay.text, "0.0%");
    EXPECT_EQ(r.percentAvailableDisplay.text, "100.0%");
    EXPECT_EQ(r.percentAvailableDisplay.level, WarningLevel::SkyBlue);
}

TEST(ThreePhaseLoad, ZeroVoltageGivesZeroCurrents) {
    ThreePhaseLoad calc;
    ThreePhaseInputs in = Three("0", 100);
    in.loadKvaXY = 10;
    in.loadKvaXN = 10;
    const ThreePhaseResult& r = calc.PhaseLoadCalculation(in);
    EXPECT_EQ(r.ampsXY, 0);
    EXPECT_EQ(r.ampsXN, 0);
    EXPECT_EQ(r.ampsXText, "0.0");
}

TEST(ThreePhaseLoad, LargeCurrentTurnsScientific) {
    ThreePhaseLoad calc;
    ThreePhaseInputs in = Three("208", 100);
    in.loadKvaXY = 256.776;  // 1234.5 A
    EXPECT_EQ(calc.PhaseLoadCalculation(in).ampsXYText, "1.23E3");
}

TEST(ThreePhaseLoad, MaxAmpsFromKva) {
    EXPECT_NEAR(MaxAmpsFromKva(36.027, 208), 100.0, 1e-3);
    EXPECT_EQ(MaxAmpsFromKva(36, 0), 0);
    EXPECT_EQ(MaxAmpsFromKvaSingle(24, 240), 100);
    EXPECT_EQ(MaxAmpsFromKvaSingle(24, 0), 0);
}

struct AddCase {
    const char* name;
    const char* count;
    bool phaseToPhase;  // else phase to neutral
    double first, second, third;
};

void PrintTo(const AddCase& c, std::ostream* os) { *os << c.name; }

class ThreePhaseAddTest : public testing::TestWithParam<AddCase> {};

TEST_P(ThreePhaseAddTest, DealsDevicesRoundRobin) {
    const AddCase& c = GetParam();
    ThreePhaseLoad calc;
    ThreePhaseInputs in = Three("208", 100);
    calc.PhaseLoadCalculation(in);
    const double working = calc.WorkingVoltages()[c.phaseToPhase ? 0 : 1];
    ASSERT_EQ(calc.ButtonApplyClick(working, c.count, "1000", in), AddDevicesStatus::Added);
    const double lineToLine[] = {in.loadKvaXY, in.loadKvaYZ, in.loadKvaZX};
    const double lineToNeutral[] = {in.loadKvaXN, in.loadKvaYN, in.loadKvaZN};
    const double* changed = c.phaseToPhase ? lineToLine : lineToNeutral;
    const double* untouched = c.phaseToPhase ? lineToNeutral : lineToLine;
    EXPECT_EQ(changed[0], c.first);
    EXPECT_EQ(changed[1], c.second);
    EXPECT_EQ(changed[2], c.third);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(untouched[i], 0);
    EXPECT_EQ(calc.Result().totalLoadKVA, c.first + c.second + c.third);
}

INSTANTIATE_TEST_SUITE_P(Counts, ThreePhaseAddTest,
                         testing::Values(AddCase{"FourLineToLine", "4", true, 2, 1, 1},
                                         AddCase{"FiveLineToLine", "5", true, 2, 2, 1},
                                         AddCase{"SixLineToLine", "6", true, 2, 2, 2},
                                         AddCase{"OneLineToNeutral", "1", false, 1, 0, 0},
                                         AddCase{"FiveLineToNeutral", "5", false, 2, 2, 1},
                                         AddCase{"UnreadableCountAddsNothing", "x", true, 0, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ThreePhaseLoad, AddWithoutWorkingVoltageChangesNothing) {
    ThreePhaseLoad calc;
    ThreePhaseInputs in = Three("208", 100);
    calc.PhaseLoadCalculation(in);
    EXPECT_EQ(calc.ButtonApplyClick(std::nullopt, "3", "1000", in),
              AddDevicesStatus::NoWorkingVoltage);
    EXPECT_EQ(in.loadKvaXY + in.loadKvaXN, 0);
}

TEST(ThreePhaseLoad, AddComparesVoltagesOfThePreviousCalculation) {
    ThreePhaseLoad calc;
    ThreePhaseInputs in = Three("208", 100);
    calc.PhaseLoadCalculation(in);
    in.voltageText = "400";  // typed, not yet calculated: 208 still matches
    calc.ButtonApplyClick(208, "3", "1000", in);
    EXPECT_EQ(in.loadKvaXY, 1);
    EXPECT_EQ(calc.Result().voltagePhaseToPhase, 400);
    // Now neither 400 nor 231 is 208.
    calc.ButtonApplyClick(208, "3", "1000", in);
    EXPECT_EQ(in.loadKvaXY, 1);
    EXPECT_EQ(in.loadKvaXN, 0);
}

TEST(SinglePhaseLoad, SplitPhase240) {
    SinglePhaseLoad calc;
    SinglePhaseInputs in{"240", 100, 12, 6, 0};
    const SinglePhaseResult& r = calc.PhaseLoadCalculationSingle(in);
    EXPECT_EQ(r.voltageNeutralText, "120.0");
    EXPECT_EQ(r.ampsXNText, "100.0");
    EXPECT_EQ(r.ampsYNText, "50.0");
    EXPECT_EQ(r.ampsXText, "100.0");
    EXPECT_EQ(r.ampsYText, "50.0");
    EXPECT_EQ(r.ampsNText, "50.0");
    EXPECT_EQ(r.maxAvailableKVA1, 24);
    EXPECT_EQ(r.percentXDisplay.level, WarningLevel::Red);
    EXPECT_EQ(r.percentYDisplay.level, WarningLevel::SkyBlue);
    EXPECT_EQ(r.percentAvailableDisplay.text, "25.0%");  // 18 of 24 kVA used
    EXPECT_EQ(r.percentAvailableDisplay.level, WarningLevel::SkyBlue);
}

TEST(SinglePhaseLoad, LineToLineLoadLoadsBothConductorsNotTheNeutral) {
    SinglePhaseLoad calc;
    SinglePhaseInputs in{"240", 100, 0, 0, 24};
    const SinglePhaseResult& r = calc.PhaseLoadCalculationSingle(in);
    EXPECT_EQ(r.ampsXText, "100.0");
    EXPECT_EQ(r.ampsYText, "100.0");
    EXPECT_EQ(r.ampsNText, "0.0");
}

TEST(SinglePhaseLoad, UnreadableVoltageKeepsTheLastGoodOne) {
    SinglePhaseLoad calc;
    SinglePhaseInputs in{"240", 100, 12, 0, 0};
    calc.PhaseLoadCalculationSingle(in);
    in.voltageText = "24x";
    const SinglePhaseResult& r = calc.PhaseLoadCalculationSingle(in);
    EXPECT_EQ(r.voltagePhaseToPhase1, 240);
    EXPECT_EQ(r.ampsXNText, "100.0");
    // A fresh calculator has no good voltage yet: everything divides by 0 and reads 0.
    SinglePhaseLoad fresh;
    EXPECT_EQ(fresh.PhaseLoadCalculationSingle(in).ampsXN1, 0);
}

TEST(SinglePhaseLoad, AddAtPhaseToNeutralPutsOddDeviceOnX) {
    SinglePhaseLoad calc;
    SinglePhaseInputs in{"240", 100, 0, 0, 0};
    calc.PhaseLoadCalculationSingle(in);
    EXPECT_EQ(calc.WorkingVoltageTexts()[1], "120");
    calc.ButtonApply1Click(120, "3", "1000", in);
    EXPECT_EQ(in.loadKvaXN1, 2);
    EXPECT_EQ(in.loadKvaYN1, 1);
    EXPECT_EQ(in.loadKvaXY1, 0);
    calc.ButtonApply1Click(240, "3", "1000", in);
    EXPECT_EQ(in.loadKvaXY1, 3);
    EXPECT_EQ(calc.Result().totalLoadKVA1, 6);
}

TEST(SinglePhaseLoad, AddAtUnmatchedVoltageChangesNoLoad) {
    SinglePhaseLoad calc;
    SinglePhaseInputs in{"240", 100, 1, 1, 1};
    calc.PhaseLoadCalculationSingle(in);
    EXPECT_EQ(calc.ButtonApply1Click(230, "3", "1000", in), AddDevicesStatus::Added);
    EXPECT_EQ(in.loadKvaXN1 + in.loadKvaYN1 + in.loadKvaXY1, 3);
}

}  // namespace
}  // namespace quillux::engine
