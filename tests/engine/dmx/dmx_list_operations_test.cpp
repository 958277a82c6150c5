#include "engine/dmx/dmx_list_operations.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/table/list_kinds.h"

namespace quillux::engine {
namespace {

class RecordingMessenger : public Messenger {
public:
    MessageAnswer ShowMessage(MessageKind, const std::string&, const std::string& text,
                              MessageButtons) override {
        messages.push_back(text);
        return MessageAnswer::Ok;
    }
    std::vector<std::string> messages;
};

class DmxListTest : public ::testing::Test {
protected:
    void SetUp() override {
        table = MakeTable(TableKind::Dmx, "TableDMX");
        entry.ShowFirstTime();
    }

    std::string Text(int row, const char* field) const {
        return ValueToText(table->ValueAt(row, table->RequireField(field)));
    }
    int Number(int row, const char* field) const { return std::stoi(Text(row, field)); }

    // A plain list of `count` rows of `channels` channels each, added at address 1.
    void AddRows(int count, int channels) {
        entry.SetChannelsPerFixture(channels);
        for (int i = 0; i < count; ++i) operations().Add({"id", 0, "Spot", "Maker"});
    }

    DmxListOperations operations() { return DmxListOperations(*table, entry, &messenger); }

    std::unique_ptr<Table> table;
    DmxCurrentEntry entry;
    RecordingMessenger messenger;
};

TEST_F(DmxListTest, AddWritesTheCurrentEntry) {
    entry.SetChannelsPerFixture(16);
    entry.SetPort(2);
    entry.SetAddress(100);
    entry.PickFixture(16, true, true);
    operations().Add({"A1", 7, "Wash", "Maker"});
    ASSERT_EQ(table->RecordCount(), 1);
    EXPECT_EQ(Text(0, "Fixture ID"), "A1");
    EXPECT_EQ(Number(0, "Channel"), 7);
    EXPECT_EQ(Number(0, "Virtual Address"), 612);
    EXPECT_EQ(Text(0, "Address Range"), "100 to 115");
    EXPECT_EQ(Text(0, "DIP Switch Setting"), "100 =Sw 1,2,6,7, ON");
    EXPECT_EQ(Text(0, "AddressMinusOne"), "True");
    EXPECT_EQ(Text(0, "DipSwitchOffset"), "True");

    // Without DIP switches the row keeps no switch text.
    entry.PickFixture(16, false, false);
    operations().Add({"A2", 8, "Wash", "Maker"});
    EXPECT_EQ(Text(1, "DIP Switch Setting"), "");
}

TEST_F(DmxListTest, AddMultipleStartsTheNextPortWhenAFixtureDoesNotFit) {
    entry.SetChannelsPerFixture(24);
    entry.SourceUseDipSwitch = true;
    const DmxAddMultipleNext next = operations().AddMultiple({"", 5, "Spot", "Maker"}, 22, 1, 1, 1);
    ASSERT_EQ(table->RecordCount(), 22);
    EXPECT_EQ(Text(0, "Fixture ID"), "0001");
    EXPECT_EQ(Number(20, "Fixture Address"), 481);
    EXPECT_EQ(Number(20, "Port"), 1);
    EXPECT_EQ(Number(21, "Fixture Address"), 1);
    EXPECT_EQ(Number(21, "Port"), 2);
    EXPECT_EQ(Number(21, "Virtual Address"), 513);
    EXPECT_EQ(Text(21, "Fixture ID"), "0022");
    EXPECT_EQ(Text(21, "DIP Switch Setting"), "1 =Sw 1, ON");
    EXPECT_EQ(next.id, 23);
    EXPECT_EQ(next.address, 25);
    EXPECT_EQ(next.port, 2);
}

struct AddMultipleCase {
    const char* name;
    int count, channels, startAddress, startPort;
    std::vector<const char*> ranges;
    std::vector<int> ports;
};

class AddMultipleStartTest : public DmxListTest,
                             public ::testing::WithParamInterface<AddMultipleCase> {};

TEST_P(AddMultipleStartTest, FirstFixturePlacement) {
    const AddMultipleCase& c = GetParam();
    entry.SetChannelsPerFixture(c.channels);
    operations().AddMultiple({}, c.count, 0, c.startPort, c.startAddress);
    ASSERT_EQ(table->RecordCount(), static_cast<int>(c.ranges.size()));
    for (int row = 0; row < table->RecordCount(); ++row) {
        EXPECT_EQ(Text(row, "Address Range"), c.ranges[static_cast<std::size_t>(row)]);
        EXPECT_EQ(Number(row, "Port"), c.ports[static_cast<std::size_t>(row)]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Starts, AddMultipleStartTest,
    ::testing::Values(
        AddMultipleCase{"none", 0, 8, 1, 1, {}, {}},
        AddMultipleCase{"from_address_zero", 2, 8, 0, 3, {"0 to 7", "8 to 15"}, {3, 3}},
        AddMultipleCase{"start_that_does_not_fit", 2, 24, 500, 1, {"1 to 24", "25 to 48"}, {2, 2}},
        AddMultipleCase{"full_port_fixtures", 2, 512, 2, 1, {"1 to 512", "1 to 512"}, {2, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DmxListTest, AutoAddressStepsThroughTheSelectionInListOrder) {
    AddRows(4, 1);
    // Channel counts 200, 200, 200, 10; the third row would pass 512.
    const int channels[] = {200, 200, 200, 10};
    for (int row = 0; row < 4; ++row) {
        table->SetCurrentRow(row);
        table->Edit();
        table->SetValue("Channel Per Fixture", channels[row]);
        table->SetValue("AddressMinusOne", row == 3);
        table->Post();
    }
    table->SetCurrentRow(1);
    std::vector<RecordId> selected = DmxListOperations::AllRows(*table);
    std::reverse(selected.begin(), selected.end());  // a selection is visited in list order
    std::vector<std::pair<int, int>> progress;
    operations().AutoAddress(selected, 1, 1,
                             [&](int done, int total) { progress.emplace_back(done, total); });

    EXPECT_EQ(Text(0, "Address Range"), "1 to 200");
    EXPECT_EQ(Text(1, "Address Range"), "201 to 400");
    EXPECT_EQ(Text(2, "Address Range"), "1 to 200");
    EXPECT_EQ(Number(2, "Port"), 2);
    EXPECT_EQ(Number(2, "Virtual Address"), 513);
    EXPECT_EQ(Text(3, "Address Range"), "201 to 210");
    EXPECT_EQ(Number(3, "Port"), 2);
    // Switch text even for rows without DIP switches, offset as the row has it.
    EXPECT_EQ(Text(3, "DIP Switch Setting"), "201 =Sw 4,7,8, ON");
    EXPECT_EQ(table->CurrentRow(), 1);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), std::make_pair(0, 4));
    EXPECT_EQ(progress.back(), std::make_pair(4, 4));
}

TEST_F(DmxListTest, AutoChannelAndAutoIdNumberOnlyTheSelection) {
    AddRows(3, 1);
    std::vector<RecordId> all = DmxListOperations::AllRows(*table);
    operations().AutoChannel({all[0], all[2]}, 10, 5);
    EXPECT_EQ(Number(0, "Channel"), 10);
    EXPECT_EQ(Number(1, "Channel"), 0);
    EXPECT_EQ(Number(2, "Channel"), 15);

    operations().AutoID(all, 0, 1);
    EXPECT_EQ(Text(0, "Fixture ID"), "0000");
    EXPECT_EQ(Text(2, "Fixture ID"), "0002");
    operations().AutoID({all[1]}, 12345, 1);
    EXPECT_EQ(Text(1, "Fixture ID"), "12345");
    operations().AutoID({}, 1, 1);  // nothing selected: nothing happens
    EXPECT_EQ(Text(0, "Fixture ID"), "0000");
}

TEST_F(DmxListTest, PortChangeRewritesOnlyPortAndVirtualAddress) {
    entry.SourceUseDipSwitch = true;
    AddRows(2, 4);
    std::vector<RecordId> all = DmxListOperations::AllRows(*table);
    const std::string range = Text(0, "Address Range");
    const std::string dip = Text(0, "DIP Switch Setting");

    operations().SetPortOfSelected({all[0]}, 5);  // one row selected: not rewritten
    EXPECT_EQ(Number(0, "Port"), 1);

    operations().SetPortOfSelected(all, 3);
    EXPECT_EQ(Number(0, "Port"), 3);
    EXPECT_EQ(Number(0, "Virtual Address"), 1025);
    EXPECT_EQ(Text(0, "Address Range"), range);
    EXPECT_EQ(Text(0, "DIP Switch Setting"), dip);
}

TEST_F(DmxListTest, OffsetChangeRewritesSwitchTextOfEverySelectedRow) {
    AddRows(2, 4);  // rows without DIP switches
    operations().SetOffsetOfSelected(DmxListOperations::AllRows(*table), true);
    EXPECT_EQ(Text(0, "AddressMinusOne"), "True");
    EXPECT_EQ(Text(1, "DIP Switch Setting"), "1 = All Switches Off");
}

TEST_F(DmxListTest, DeletingTheCurrentRowKeepsTheDescriptionOnTheFirstRow) {
    EXPECT_TRUE(operations().DeleteCurrentRow("Rig"));
    ASSERT_EQ(messenger.messages.size(), 1u);
    EXPECT_EQ(messenger.messages[0], "List already empty");

    AddRows(3, 1);
    table->First();
    table->Edit();
    table->SetValue("ReportName", "Rig");
    table->Post();
    table->First();
    EXPECT_FALSE(operations().DeleteCurrentRow("Rig"));
    EXPECT_EQ(table->RecordCount(), 2);
    EXPECT_EQ(table->CurrentRow(), 0);
    EXPECT_EQ(Text(0, "ReportName"), "Rig");
}

TEST_F(DmxListTest, DeletingTheSelectionKeepsTheCurrentRowWhenItSurvives) {
    AddRows(4, 1);
    operations().AutoID(DmxListOperations::AllRows(*table), 1, 1);
    std::vector<RecordId> all = DmxListOperations::AllRows(*table);
    table->SetCurrentRow(2);
    std::vector<std::pair<int, int>> progress;
    EXPECT_FALSE(operations().DeleteSelected(
        {all[3], all[0]}, "Stage left",
        [&](int done, int total) { progress.emplace_back(done, total); }));
    ASSERT_EQ(table->RecordCount(), 2);
    EXPECT_EQ(Text(0, "Fixture ID"), "0002");
    EXPECT_EQ(Text(1, "Fixture ID"), "0003");
    EXPECT_EQ(Text(0, "ReportName"), "Stage left");
    EXPECT_EQ(table->CurrentRow(), 1);
    EXPECT_EQ(progress.back(), std::make_pair(2, 2));

    EXPECT_TRUE(operations().DeleteSelected(DmxListOperations::AllRows(*table), "Stage left"));
    EXPECT_TRUE(messenger.messages.empty());
}

TEST_F(DmxListTest, DataBaseToVarLoadsTheRowIntoTheEntry) {
    EXPECT_FALSE(operations().DataBaseToVar().has_value());
    entry.SetChannelsPerFixture(12);
    entry.SetVirtualAddress(700);
    entry.PickFixture(12, true, true);
    operations().Add({"X", 3, "Beam", "Maker"});
    entry.ShowFirstTime();

    table->First();
    const auto loaded = operations().DataBaseToVar();
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->fields.id, "X");
    EXPECT_EQ(loaded->fields.channel, 3);
    EXPECT_TRUE(loaded->dipSwitchOffset);
    EXPECT_EQ(entry.FixturePort, 2);
    EXPECT_EQ(entry.FixtureAddress, 188);
    EXPECT_EQ(entry.ChannelPerFixture, 12);
    EXPECT_TRUE(entry.AddressMinusOne);
    EXPECT_EQ(entry.FixtureAddressRangeString, "188 to 199");
}

TEST_F(DmxListTest, LongTextsAreCutToTheirFields) {
    entry.SetChannelsPerFixture(100);
    entry.SetVirtualAddress(60000);
    operations().Add({std::string(30, '9'), 0, std::string(50, 'n'), "M"});
    EXPECT_EQ(Text(0, "Fixture ID").size(), 20u);
    EXPECT_EQ(Text(0, "Fixture name").size(), 40u);
    EXPECT_EQ(Text(0, "Address Range"), "96 to 195");
    EXPECT_TRUE(messenger.messages.empty());
}

}  // namespace
}  // namespace quillux::engine
