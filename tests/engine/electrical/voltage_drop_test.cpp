#include "engine/electrical/voltage_drop.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace quillux::engine {
namespace {

constexpr int k8Awg = 11;
constexpr int k12Awg = 15;

struct CmilCase {
    const char* name;
    double cmils;
    const char* text;
};

void PrintTo(const CmilCase& c, std::ostream* os) { *os << c.name; }

class CmilCalculateTest : public testing::TestWithParam<CmilCase> {};

TEST_P(CmilCalculateTest, WireSizeText) {
    EXPECT_EQ(CmilCalculate(GetParam().cmils), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, CmilCalculateTest,
                         testing::Values(CmilCase{"EqualToTableValue", 16500, "8 AWG - 10mm"},
                                         CmilCase{"JustAboveTableValue", 16500.01, "7 AWG"},
                                         CmilCase{"WorkedExample", 14333.33, "8 AWG - 10mm"},
                                         CmilCase{"Thinnest", 9.9, "40 AWG"},
                                         CmilCase{"BelowThinnest", 9.89, "Out of Range"},
                                         CmilCase{"JustAboveThinnest", 9.91, "39 AWG"},
                                         CmilCase{"UpTo39", 12.5, "39 AWG"},
                                         CmilCase{"Thickest", 212000, "#0000 - 120mm"},
                                         CmilCase{"AboveThickest", 212000.01, "Out of Range"},
                                         CmilCase{"Five", 5, "Out of Range"},
                                         CmilCase{"ThreeHundredThousand", 300000, "Out of Range"},
                                         CmilCase{"FailedComputation", 0, "Out of Range"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WireGaugeTable, ThickestFirstAndStrictlyThinner) {
    const auto& table = WireGaugeTable();
    EXPECT_STREQ(table.front().listEntry, "0000awg - 120mm");
    EXPECT_STREQ(table.back().listEntry, "40awg");
    for (std::size_t i = 1; i < table.size(); ++i) {
        EXPECT_LT(table[i].circularMils, table[i - 1].circularMils) << table[i].listEntry;
    }
}

VoltageDropInputs DropBand(WirePhase phase, double volts, double amps, double distance, int gauge) {
    VoltageDropInputs in;
    in.dropPhase = phase;
    in.dropInputVolt = volts;
    in.dropAmps = amps;
    in.dropDistance = distance;
    in.dropGauge = gauge;
    return in;
}

struct DropCase {
    const char* name;
    VoltageDropInputs inputs;
    const char* drop;
    const char* percent;
};

VoltageDropInputs InMetres(VoltageDropInputs in) {
    in.unit = DistanceUnit::Meter;
    return in;
}

VoltageDropInputs InAluminium(VoltageDropInputs in) {
    in.material = WireMaterial::Aluminium;
    return in;
}

void PrintTo(const DropCase& c, std::ostream* os) { *os << c.name; }

class VoltageDropBandTest : public testing::TestWithParam<DropCase> {};

TEST_P(VoltageDropBandTest, Texts) {
    VoltageDrop calc;
    const VoltageDropResult& r = calc.VoltageDropCalculate(GetParam().inputs);
    EXPECT_EQ(r.dropText, GetParam().drop);
    EXPECT_EQ(r.dropPercentText, GetParam().percent);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VoltageDropBandTest,
    testing::Values(
        DropCase{"ReportExampleThreePhase", DropBand(WirePhase::Three, 208, 24.2, 150, k8Awg),
                 "4.92 volt", "2.36 %"},
        DropCase{"SinglePhaseFeet", DropBand(WirePhase::Single, 120, 20, 100, k12Awg), "7.90 volt",
                 "6.58 %"},
        DropCase{"SinglePhaseMetres", InMetres(DropBand(WirePhase::Single, 120, 20, 100, k12Awg)),
                 "25.93 volt", "21.60 %"},
        DropCase{"Aluminium", InAluminium(DropBand(WirePhase::Single, 120, 20, 100, k12Awg)),
                 "12.99 volt", "10.82 %"},
        DropCase{"DropAboveSupply", DropBand(WirePhase::Single, 5, 20, 100, k12Awg), "Out of Range",
                 "Out of Range"},
        DropCase{"NoGauge", DropBand(WirePhase::Single, 120, 20, 100, kNoGauge), "0.00 volt",
                 "0.00 %"},
        DropCase{"ZeroVoltsZeroDrop", DropBand(WirePhase::Single, 0, 0, 100, k12Awg), "0.00 volt",
                 "0 %"},
        DropCase{"ZeroVoltsPositiveDrop", DropBand(WirePhase::Single, 0, 20, 100, k12Awg),
                 "Out of Range", "Out of Range"},
        DropCase{"NoPhaseKeepsFreshZero", DropBand(WirePhase::None, 120, 20, 100, k12Awg),
                 "0.00 volt", "0.00 %"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VoltageDrop, NoPhaseOrGaugeKeepsThePreviousValues) {
    VoltageDrop calc;
    VoltageDropInputs in = DropBand(WirePhase::Single, 120, 20, 100, k12Awg);
    calc.VoltageDropCalculate(in);
    in.dropGauge = kNoGauge;  // the list keeps its circular mils
    EXPECT_EQ(calc.VoltageDropCalculate(in).dropText, "7.90 volt");
    in.dropPhase = WirePhase::None;
    in.dropAmps = 40;  // no phase: the drop is not recomputed
    EXPECT_EQ(calc.VoltageDropCalculate(in).dropText, "7.90 volt");
}

TEST(VoltageDrop, WireSizeFromPercent) {
    VoltageDrop calc;
    VoltageDropInputs in;
    in.sizePhase = WirePhase::Single;
    in.sizeInputVolt = 120;
    in.sizeAmps = 20;
    in.sizeDistance = 100;
    in.sizeDropPercent = 3;
    in.focus = DropFocus::WireSizePercent;
    const VoltageDropResult& r = calc.VoltageDropCalculate(in);
    EXPECT_DOUBLE_EQ(r.sizeDropVolts, 3.6);
    EXPECT_EQ(r.sizeDropPercent, 3);
    EXPECT_EQ(r.cmilText, "14333.33 Cmils");
    EXPECT_EQ(r.wireSizeText, "8 AWG - 10mm");
}

TEST(VoltageDrop, WireSizeFromVoltsThreePhase) {
    VoltageDrop calc;
    VoltageDropInputs in;
    in.sizePhase = WirePhase::Three;
    in.sizeInputVolt = 120;
    in.sizeAmps = 20;
    in.sizeDistance = 100;
    in.sizeDropVolts = 3.6;
    in.sizeDropPercent = 50;  // stale: recomputed from the volts being typed
    in.focus = DropFocus::WireSizeVolts;
    const VoltageDropResult& r = calc.VoltageDropCalculate(in);
    EXPECT_DOUBLE_EQ(r.sizeDropPercent, 3);
    EXPECT_EQ(r.cmilText, "12412.67 Cmils");
    EXPECT_EQ(r.wireSizeText, "9 AWG");
}

TEST(VoltageDrop, ZeroDropIsOutOfRange) {
    VoltageDrop calc;
    VoltageDropInputs in;
    in.sizePhase = WirePhase::Single;
    in.sizeDropVolts = 0;
    in.sizeDropPercent = 0;
    const VoltageDropResult& r = calc.VoltageDropCalculate(in);
    EXPECT_EQ(r.cmilText, "0.00 Cmils");
    EXPECT_EQ(r.wireSizeText, "Out of Range");
}

TEST(VoltageDrop, ZeroInputVoltageKeepsTheTypedDrops) {
    VoltageDrop calc;
    VoltageDropInputs in;
    in.sizePhase = WirePhase::Single;
    in.sizeInputVolt = 0;  // being retyped
    in.sizeDropVolts = 3.6;
    in.sizeDropPercent = 3;
    in.distanceInputVolt = 0;
    in.distanceDropVolts = 3.6;
    in.distanceDropPercent = 3;
    const VoltageDropResult& r = calc.VoltageDropCalculate(in);
    EXPECT_EQ(r.sizeDropVolts, 3.6);
    EXPECT_EQ(r.sizeDropPercent, 3);
    EXPECT_EQ(r.distanceDropVolts, 3.6);
    EXPECT_EQ(r.distanceDropPercent, 3);
}

struct DistanceCase {
    const char* name;
    WirePhase phase;
    DistanceUnit unit;
    double amps;
    int gauge;
    const char* text;
};

void PrintTo(const DistanceCase& c, std::ostream* os) { *os << c.name; }

class DistanceBandTest : public testing::TestWithParam<DistanceCase> {};

TEST_P(DistanceBandTest, Text) {
    const DistanceCase& c = GetParam();
    VoltageDrop calc;
    VoltageDropInputs in;
    in.unit = c.unit;
    in.distancePhase = c.phase;
    in.distanceInputVolt = 120;
    in.distanceAmps = c.amps;
    in.distanceDropVolts = 3.6;
    in.distanceGauge = c.gauge;
    in.focus = DropFocus::DistanceVolts;
    EXPECT_EQ(calc.VoltageDropCalculate(in).distanceText, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DistanceBandTest,
    testing::Values(
        DistanceCase{"SinglePhaseFeet", WirePhase::Single, DistanceUnit::Feet, 20, k12Awg,
                     "45.56 feet"},
        DistanceCase{"SinglePhaseMetres", WirePhase::Single, DistanceUnit::Meter, 20, k12Awg,
                     "13.89 Meter"},
        DistanceCase{"ThreePhaseFeet", WirePhase::Three, DistanceUnit::Feet, 20, k12Awg,
                     "52.61 feet"},
        DistanceCase{"ZeroAmps", WirePhase::Single, DistanceUnit::Feet, 0, k12Awg, "Out of Range"},
        DistanceCase{"NoGauge", WirePhase::Single, DistanceUnit::Feet, 20, kNoGauge,
                     "Out of Range"},
        DistanceCase{"NoPhase", WirePhase::None, DistanceUnit::Feet, 20, k12Awg, "Out of Range"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VoltageDrop, PercentTypedAtZeroVoltageMeansNoDrop) {
    VoltageDrop calc;
    VoltageDropInputs in;
    in.sizePhase = WirePhase::Single;
    in.sizeInputVolt = 0;
    in.sizeDropVolts = 3.6;
    in.sizeDropPercent = 3;
    in.focus = DropFocus::WireSizePercent;
    const VoltageDropResult& r = calc.VoltageDropCalculate(in);
    EXPECT_EQ(r.sizeDropVolts, 0);
    EXPECT_EQ(r.wireSizeText, "Out of Range");
}

TEST(VoltageDrop, DistancePercentDrivesVolts) {
    VoltageDrop calc;
    VoltageDropInputs in;
    in.distanceInputVolt = 120;
    in.distanceDropPercent = 3;
    in.focus = DropFocus::DistancePercent;
    EXPECT_DOUBLE_EQ(calc.VoltageDropCalculate(in).distanceDropVolts, 3.6);
}

TEST(VoltageDrop, RegionalSeparator) {
    VoltageDrop calc;
    calc.SetDecimalSeparator(",");
    const VoltageDropResult& r =
        calc.VoltageDropCalculate(DropBand(WirePhase::Single, 120, 20, 100, k12Awg));
    EXPECT_EQ(r.dropText, "7,90 volt");
}

}  // namespace
}  // namespace quillux::engine
