#include <gtest/gtest.h>

#include "support/calc_runner.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Json = nlohmann::json;

using quillux::test_support::CalcRun;
using quillux::test_support::RunCalc;

struct Case {
    const char* name;
    const char* arguments;
    int status;
    const char* out;  // exact standard output
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

const Case kCases[] = {
    {"basic", "basic --formula 7 --a 3 --b 10", 0, "{\"text\":\"30.00 Volts\"}\n"},
    {"basic_error", "basic --formula 4 --a 100 --b 0", 0, "{\"text\":\"Error\"}\n"},
    {"basic_formula_13", "basic --formula 13 --a 1 --b 1", 2, ""},
    {"basic_missing_b", "basic --formula 1 --a 1", 2, ""},
    {"vdrop_drop", "vdrop drop --phase three --volts 208 --amps 24.2 --distance 150 --gauge 11", 0,
     "{\"drop\":\"4.92 volt\",\"percent\":\"2.36 %\"}\n"},
    {"vdrop_size_percent",
     "vdrop size --phase single --volts 120 --amps 20 --distance 100 --drop-percent 3", 0,
     "{\"cmils\":\"14333.33 Cmils\",\"wireSize\":\"8 AWG - 10mm\"}\n"},
    {"vdrop_distance_metres",
     "vdrop distance --phase single --unit meter --volts 120 --amps 20 --drop-volts 3.6 "
     "--gauge 15",
     0, "{\"distance\":\"13.89 Meter\"}\n"},
    {"vdrop_both_drops",
     "vdrop size --phase single --volts 120 --amps 20 --distance 100 --drop-volts 3 "
     "--drop-percent 3",
     2, ""},
    {"vdrop_gauge_44", "vdrop drop --phase single --volts 1 --amps 1 --distance 1 --gauge 44", 2,
     ""},
    {"vdrop_no_phase", "vdrop drop --volts 1 --amps 1 --distance 1 --gauge 4", 2, ""},
    {"resistor_value", "resistor value --value 4.7 --unit kiloohms --tolerance Gold", 0,
     "{\"bands\":[\"Yellow\",\"Purple\",\"Red\",\"Gold\"],"
     "\"ohms\":\"4700.0 Ohms (+/- 5% tolerance)\","
     "\"kiloohms\":\"4.7 Kilo Ohms (+/- 5% tolerance)\","
     "\"megaohms\":\"0.0 Mega Ohms (+/- 5% tolerance)\",\"entry\":4.7}\n"},
    {"resistor_bands_wrong_band", "resistor bands --bands Gold,Black,Black,Brown", 2, ""},
    {"resistor_unknown_colour", "resistor value --value 1 --unit ohms --tolerance Pink", 2, ""},
    {"units_temperature", "units --category temperature", 0,
     "{\"units\":[\"Celcius\",\"Fahrenheit\",\"Kelvin\"]}\n"},
    {"convert_fixed_factor", "convert --category mass --from 2 --to 4 --value 100", 0,
     "{\"value\":3.527,\"text\":\"3.527\"}\n"},
    {"convert_outside_list", "convert --category light --from 0 --to 7 --value 1", 0,
     "{\"value\":null,\"text\":null}\n"},
    {"convert_fractional_index", "convert --category mass --from 1.5 --to 2 --value 1", 2, ""},
    {"units_unknown_category", "units --category energy", 2, ""},
};

class ElectricalCommandsTest : public testing::TestWithParam<Case> {};

TEST_P(ElectricalCommandsTest, OutputAndStatus) {
    const Case& c = GetParam();
    const CalcRun run = RunCalc(c.arguments);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, c.out);
}

INSTANTIATE_TEST_SUITE_P(Runs, ElectricalCommandsTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PhaseCommands, ThreePhaseKeysAndAdd) {
    const CalcRun run =
        RunCalc("phase3 --voltage 208 --max-amps 100 --add 5 --watts 1000 --working phase-phase");
    ASSERT_EQ(run.status, 0);
    const Json out = Json::parse(run.out);
    const std::vector<std::string> keys = {
        "voltageNeutral", "maxAvailableKVA", "loads",        "ampsXY",           "ampsYZ",
        "ampsZX",         "ampsXN",          "ampsYN",       "ampsZN",           "ampsX",
        "ampsY",          "ampsZ",           "ampsN",        "percentX",         "percentY",
        "percentZ",       "percentN",        "totalLoadKVA", "percentAvailable", "colours"};
    for (const auto& key : keys) EXPECT_TRUE(out.contains(key)) << key;
    EXPECT_EQ(out.size(), keys.size());
    EXPECT_EQ(out["loads"]["xy"], 2.0);
    EXPECT_EQ(out["loads"]["yz"], 2.0);
    EXPECT_EQ(out["loads"]["zx"], 1.0);
    EXPECT_EQ(out["voltageNeutral"], "120.0");
    EXPECT_EQ(out["colours"]["percentAvailable"], "skyblue");
    EXPECT_EQ(out["colours"].size(), 5u);
}

TEST(PhaseCommands, SinglePhaseLeavesOutZ) {
    const CalcRun run = RunCalc("phase1 --voltage 240 --max-amps 100 --xn 12 --yn 6");
    ASSERT_EQ(run.status, 0);
    const Json out = Json::parse(run.out);
    for (const char* key : {"ampsYZ", "ampsZX", "ampsZN", "ampsZ", "percentZ"}) {
        EXPECT_FALSE(out.contains(key)) << key;
    }
    EXPECT_FALSE(out["loads"].contains("zn"));
    EXPECT_EQ(out["ampsN"], "50.0");
    EXPECT_EQ(out["percentX"], "100.0%");
    EXPECT_EQ(out["colours"]["percentX"], "red");
    EXPECT_EQ(out["maxAvailableKVA"], 24.0);
}

TEST(PhaseCommands, AddNeedsAllItsOptions) {
    EXPECT_EQ(RunCalc("phase3 --voltage 208 --max-amps 100 --add 3 --watts 100").status, 2);
    EXPECT_EQ(RunCalc("phase1 --voltage 240 --max-amps 100 --watts 100").status, 2);
    EXPECT_EQ(
        RunCalc("phase3 --voltage 208 --max-amps 100 --add 3 --watts 100 --working hot").status, 2);
}

TEST(PhaseCommands, VoltageTextThatIsNotANumber) {
    const CalcRun run = RunCalc("phase3 --voltage abc --max-amps 100");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(Json::parse(run.out)["voltageNeutral"], "120.0");  // 208 V assumed
}

}  // namespace
