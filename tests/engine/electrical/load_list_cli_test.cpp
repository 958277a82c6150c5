#include <gtest/gtest.h>

#include "support/calc_runner.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

namespace {

using quillux::test_support::CalcRun;
using quillux::test_support::RunCalc;

TEST(LoadListCommand, RowsAndFootersOfABalancedList) {
    const CalcRun run = RunCalc(
        "loadlist --mode three --voltage 208 --balance phases"
        " --device 'Spot;480;120;1;X-N' --device 'Wash;1200;120;1;X-N'"
        " --device 'Fresnel;720;120;1;X-N' --device 'Profile;960;120;1;X-N'");
    ASSERT_EQ(run.status, 0);
    const auto json = nlohmann::json::parse(run.out);
    const auto& rows = json.at("rows");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].at("name"), "Wash");
    EXPECT_EQ(rows[0].at("phase"), "X-N");
    EXPECT_EQ(rows[1].at("phase"), "Z-N");
    EXPECT_EQ(rows[2].at("phase"), "Y-N");
    EXPECT_EQ(rows[3].at("phase"), "Y-N");
    EXPECT_EQ(rows[3].at("amperage"), 4.0);
    EXPECT_EQ(rows[3].at("ampYN"), 4.0);
    EXPECT_EQ(rows[3].at("pf"), 1.0);
    const auto& f = json.at("footers");
    EXPECT_EQ(f.at("count"), "Qty of Device: 4");
    EXPECT_EQ(f.at("watts"), "3360 W");
    EXPECT_EQ(f.at("voltage"), "120/208V");
    EXPECT_EQ(f.at("phase"), "3-Ph");
    EXPECT_EQ(f.at("ampXN"), "10 A");
    EXPECT_EQ(f.at("totalY"), "Total Amps Y: 10 A");
    EXPECT_EQ(f.at("totalZ"), "Total Amps Z: 8 A");
    EXPECT_EQ(f.at("ampN"), "2 A");
}

TEST(LoadListCommand, SinglePhaseNeutralFooter) {
    const CalcRun run = RunCalc(
        "loadlist --mode single --voltage 240 --device 'A;1000;120;1;X-N'"
        " --device 'B;500;120;1;Y-N'");
    ASSERT_EQ(run.status, 0);
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("footers").at("ampN"), "4.2 A");
    EXPECT_EQ(json.at("footers").at("ampZN"), "");
    EXPECT_EQ(json.at("footers").at("totalZ"), "");
}

TEST(LoadListCommand, BadUseFailsQuietly) {
    const char* const cases[] = {
        "loadlist --mode four --voltage 208",
        "loadlist --mode single",
        "loadlist --mode single --voltage two-forty",
        "loadlist --mode single --voltage 240 --device 'A;1000;120'",
        "loadlist --mode single --voltage 240 --device 'A;lots;120;1;X-N'",
        "loadlist --mode single --voltage 240 --device 'A;1000;120;1.5;X-N'",
        "loadlist --mode single --voltage 240 --balance evenly",
    };
    for (const char* arguments : cases) {
        const CalcRun run = RunCalc(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
    }
}

}  // namespace
