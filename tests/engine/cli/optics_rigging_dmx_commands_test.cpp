#include <gtest/gtest.h>

#include "support/calc_runner.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

namespace {

using nlohmann::json;

using quillux::test_support::CalcRun;
using quillux::test_support::RunCalc;

json RunJson(const std::string& arguments) {
    const CalcRun run = RunCalc(arguments);
    EXPECT_EQ(run.status, 0) << arguments;
    EXPECT_FALSE(run.out.empty());
    EXPECT_EQ(run.out.back(), '\n');
    return json::parse(run.out);
}

TEST(PhotometricCommand, ResultAndExactlyTheWrittenValues) {
    const json k = RunJson("photometric --target K --choice 1 --a 10 --b 5");
    EXPECT_NEAR(k["resultA"].get<double>(), 60.0000025044782, 1e-12);
    EXPECT_EQ(k["invalid"], false);
    EXPECT_EQ(k["remembered"].size(), 3u);
    EXPECT_EQ(k["remembered"]["D"], 10.0);
    EXPECT_EQ(k["remembered"]["V"], 5.0);

    const json fc = RunJson("photometric --target Fc --choice 1 --a 10 --b 1000");
    EXPECT_NEAR(fc["resultB"].get<double>(), 10.0, 1e-6);  // shows 10.00 lux

    const json lux = RunJson("photometric --target Fc --choice 3 --a 10");
    EXPECT_TRUE(lux["remembered"].empty());

    const json fault = RunJson("photometric --target D --choice 7 --a 100 --b 0");
    EXPECT_EQ(fault["resultA"], 0.0);
    EXPECT_EQ(fault["invalid"], true);
    EXPECT_TRUE(fault["remembered"].empty());
}

TEST(BridleCommand, WindowTextsAndWarning) {
    const json r = RunJson("bridle --mode length --ax 20 --ay 30 --by 30 --ax1 10 --weight 1000");
    EXPECT_EQ(r["valid"], true);
    EXPECT_EQ(r["bx1"], "10.00");
    EXPECT_EQ(r["angle"], "36.9\u00B0");
    EXPECT_EQ(r["la"], "527.0");
    EXPECT_EQ(r["angleWarning"], false);

    const json na = RunJson("bridle --mode position --ax 20 --ay 30 --by 30 --leg-a 9 --leg-b 9");
    EXPECT_EQ(na["valid"], false);
    EXPECT_EQ(na["legA"], "N/A");
    EXPECT_EQ(na["angle"], "N/A");
}

TEST(DmxCommand, DipSwitchAndAddMultiple) {
    const json dip = RunJson("dmx dip --address 1 --offset");
    EXPECT_EQ(dip["text"], "1 = All Switches Off");
    EXPECT_EQ(dip["switches"], 0);

    const json added = RunJson(
        "dmx add-multiple --count 22 --channels 24 --start-address 1 --start-port 1 "
        "--start-id 1 --dip");
    ASSERT_EQ(added["rows"].size(), 22u);
    const json& last = added["rows"][21];
    EXPECT_EQ(last["id"], "0022");
    EXPECT_EQ(last["port"], 2);
    EXPECT_EQ(last["address"], 1);
    EXPECT_EQ(last["virtualAddress"], 513);
    EXPECT_EQ(last["range"], "1 to 24");
    EXPECT_EQ(last["dip"], "1 =Sw 1, ON");
    EXPECT_EQ(last["offset"], false);
    EXPECT_EQ(added["next"], json({{"id", 23}, {"address", 25}, {"port", 2}}));

    const json plain = RunJson(
        "dmx add-multiple --count 1 --channels 4 --start-address 9 --start-port 1 --start-id 0");
    EXPECT_EQ(plain["rows"][0]["dip"], "");  // not addressed by switches
}

TEST(DmxCommand, AutoAddressRows) {
    const json r = RunJson(
        "dmx auto-address --start-address 300 --start-port 1 --channels 200,16 --offsets 0,1");
    ASSERT_EQ(r["rows"].size(), 2u);
    EXPECT_EQ(r["rows"][0]["range"], "300 to 499");
    EXPECT_EQ(r["rows"][1]["port"], 2);
    EXPECT_EQ(r["rows"][1]["range"], "1 to 16");
    EXPECT_EQ(r["rows"][1]["dip"], "1 = All Switches Off");
    EXPECT_EQ(r["rows"][1]["offset"], true);
}

struct BadUse {
    const char* name;
    const char* arguments;
};

class BadUseTest : public ::testing::TestWithParam<BadUse> {};

TEST_P(BadUseTest, ExitsWithTwoAndPrintsNothing) {
    const CalcRun run = RunCalc(GetParam().arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Runs, BadUseTest,
    ::testing::Values(BadUse{"unknown_target", "photometric --target Q --choice 0 --a 1"},
                      BadUse{"choice_not_a_number", "photometric --target H --choice x --a 1"},
                      BadUse{"missing_a", "photometric --target H --choice 0"},
                      BadUse{"unknown_mode", "bridle --mode span --ax 1 --ay 1 --by 1"},
                      BadUse{"missing_ax", "bridle --mode length --ay 1 --by 1"},
                      BadUse{"unknown_bridle_option",
                             "bridle --mode length --ax 1 --ay 1 --by 1 --tilt 3"},
                      BadUse{"no_subcommand", "dmx --address 1"},
                      BadUse{"address_not_whole", "dmx dip --address 1.5"},
                      BadUse{"channels_list_broken",
                             "dmx auto-address --start-address 1 --start-port 1 "
                             "--channels 4,,8"},
                      BadUse{"offsets_count_differs",
                             "dmx auto-address --start-address 1 --start-port 1 "
                             "--channels 4,8 --offsets 1"},
                      BadUse{"count_too_large",
                             "dmx add-multiple --count 999999 --channels 1 "
                             "--start-address 1 --start-port 1 --start-id 1"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
