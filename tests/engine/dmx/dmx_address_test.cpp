#include "engine/dmx/dmx_address.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/dmx/dmx_current_entry.h"

namespace quillux::engine {
namespace {

struct DipCase {
    const char* name;
    int address;
    bool offset;
    const char* text;
    int switches;
};

const DipCase kDipCases[] = {
    {"one", 1, false, "1 =Sw 1, ON", 1},
    {"one_with_offset_all_off", 1, true, "1 = All Switches Off", 0},
    {"hundred", 100, false, "100 =Sw 3,6,7, ON", 100},
    {"switch_nine_has_no_comma", 256, false, "256 =Sw 9 ON", 256},
    {"nine_after_one", 257, false, "257 =Sw 1,9 ON", 257},
    {"all_nine", 511, false, "511 =Sw 1,2,3,4,5,6,7,8,9 ON", 511},
    {"ten_alone", 512, false, "512 =Sw 10, ON", 512},
    {"ten_drops_the_rest", 513, false, "513 =Sw 10, ON", 513},
    {"offset_below_ten", 512, true, "512 =Sw 1,2,3,4,5,6,7,8,9 ON", 511},
    {"offset_of_zero_is_negative", 0, true, "0 = All Switches Off", -1},
    {"zero", 0, false, "0 = All Switches Off", 0},
};

class DipSwitchTest : public ::testing::TestWithParam<DipCase> {};

TEST_P(DipSwitchTest, TextAndSwitchValue) {
    const DipCase& c = GetParam();
    const DipSwitchSetting setting = CalcDMXDipSwitch(c.address, c.offset);
    EXPECT_EQ(setting.text, c.text);
    EXPECT_EQ(setting.value, c.switches);
}

INSTANTIATE_TEST_SUITE_P(Addresses, DipSwitchTest, ::testing::ValuesIn(kDipCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DmxAddressTest, PortsAndAddresses) {
    struct Case {
        int virtualAddress, port, address;
    };
    for (const Case c : {Case{1, 1, 1}, Case{512, 1, 512}, Case{513, 2, 1}, Case{1024, 2, 512},
                         Case{65025, 128, 1}, Case{65536, 128, 512}, Case{0, 1, 0}}) {
        SCOPED_TRACE(c.virtualAddress);
        EXPECT_EQ(CalcPort(c.virtualAddress), c.port);
        EXPECT_EQ(CalcFixtureAddress(c.virtualAddress, c.port), c.address);
        EXPECT_EQ(CalcVirtualAddress(c.address, c.port), c.virtualAddress);
    }
    EXPECT_EQ(CalcAddressRangeString(1, 16), "1 to 16");
    EXPECT_EQ(CalcAddressRangeString(0, 4), "0 to 3");
}

TEST(DmxAddressTest, PaddedNumbers) {
    EXPECT_EQ(Int2Strpad0(1, 4), "0001");
    EXPECT_EQ(Int2Strpad0(0, 4), "0000");
    EXPECT_EQ(Int2Strpad0(12345, 4), "12345");
    EXPECT_EQ(DipSwitchPictureValue(-1), 0);
    EXPECT_EQ(DipSwitchPictureValue(2000), 1023);
}

struct EntryCase {
    const char* name;
    int address, port, channels;  // typed in this order: channels, port, address
    int expectAddress, expectPort, expectVirtual;
    const char* range;
};

const EntryCase kEntryCases[] = {
    {"last_address_one_channel_stays", 512, 1, 1, 512, 1, 512, "512 to 512"},
    {"last_address_two_channels_moves", 512, 1, 2, 1, 2, 513, "1 to 2"},
    {"full_port_fixture_above_one_moves", 2, 3, 512, 1, 4, 1537, "1 to 512"},
    {"full_port_fixture_at_one_stays", 1, 3, 512, 1, 3, 1025, "1 to 512"},
    {"port_128_moves_on_to_129", 500, 128, 24, 1, 129, 65537, "1 to 24"},
};

class CurrentEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(CurrentEntryTest, RangeCheckMovesToTheNextPort) {
    const EntryCase& c = GetParam();
    DmxCurrentEntry entry;
    entry.ShowFirstTime();
    entry.SetChannelsPerFixture(c.channels);
    entry.SetPort(c.port);
    entry.SetAddress(c.address);
    EXPECT_EQ(entry.FixtureAddress, c.expectAddress);
    EXPECT_EQ(entry.FixturePort, c.expectPort);
    EXPECT_EQ(entry.FixtureVirtualAddress, c.expectVirtual);
    EXPECT_EQ(entry.FixtureAddressRangeString, c.range);
    EXPECT_EQ(entry.DipSwitchString, CalcDMXDipSwitch(entry.FixtureAddress, false).text);
}

INSTANTIATE_TEST_SUITE_P(Entries, CurrentEntryTest, ::testing::ValuesIn(kEntryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CurrentEntrySettersTest, VirtualAddressSetsPortAndAddress) {
    DmxCurrentEntry entry;
    entry.ShowFirstTime();
    entry.SetVirtualAddress(513);
    EXPECT_EQ(entry.FixturePort, 2);
    EXPECT_EQ(entry.FixtureAddress, 1);
    entry.SetVirtualAddress(512);
    EXPECT_EQ(entry.FixturePort, 1);
    EXPECT_EQ(entry.FixtureAddress, 512);
    EXPECT_EQ(entry.DipSwitchString, "512 =Sw 10, ON");
}

TEST(CurrentEntrySettersTest, OffsetAndFixturePick) {
    DmxCurrentEntry entry;
    entry.ShowFirstTime();
    EXPECT_EQ(entry.DipSwitchString, "1 =Sw 1, ON");
    entry.SetOffset(true);
    EXPECT_EQ(entry.DipSwitchString, "1 = All Switches Off");
    EXPECT_EQ(entry.DipSwitchValue, 0);

    entry.SetAddress(500);
    entry.PickFixture(16, true, false);  // 500 + 15 passes 512
    EXPECT_EQ(entry.FixturePort, 2);
    EXPECT_EQ(entry.FixtureAddress, 1);
    EXPECT_EQ(entry.FixtureAddressRangeString, "1 to 16");
    EXPECT_TRUE(entry.SourceUseDipSwitch);
    EXPECT_FALSE(entry.AddressMinusOne);
    EXPECT_EQ(entry.DipSwitchString, "1 =Sw 1, ON");
}

TEST(CurrentEntrySettersTest, LoadRowDerivesPortAndAddressFromTheVirtualAddress) {
    DmxCurrentEntry entry;
    entry.ShowFirstTime();
    entry.LoadRow(true, 8, 1030);
    EXPECT_EQ(entry.FixturePort, 3);
    EXPECT_EQ(entry.FixtureAddress, 6);
    EXPECT_EQ(entry.FixtureAddressRangeString, "6 to 13");
    EXPECT_EQ(entry.DipSwitchString, "6 =Sw 1,3, ON");
}

}  // namespace
}  // namespace quillux::engine
