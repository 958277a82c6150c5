#include <cstdint>
#include <limits>
#include <memory>
#include <sstream>

#include "cli/command_registry.h"
#include "cli/json_output.h"
#include "engine/dmx/dmx_address.h"
#include "engine/dmx/dmx_current_entry.h"
#include "engine/dmx/dmx_list_operations.h"
#include "engine/table/list_kinds.h"

namespace quillux::cli {
namespace {

using engine::DmxCurrentEntry;
using engine::DmxListOperations;
using engine::Table;

// The dialog's "Fixture(s) to add:" goes no higher.
constexpr long long kMaxFixturesToAdd = 65536;

std::int32_t ToInt32(const std::string& name, long long value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        throw UsageError("option --" + name + " is out of range");
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t RequiredInt32(Arguments& arguments, const std::string& name) {
    return ToInt32(name, arguments.RequiredInteger(name));
}

std::vector<std::int32_t> IntegerList(const std::string& name, const std::string& text) {
    std::vector<std::int32_t> values;
    std::stringstream stream(text);
    std::string item;
    while (std::getline(stream, item, ',')) {
        values.push_back(ToInt32(name, Arguments::ParseInteger(name, item)));
    }
    if (values.empty() || (!text.empty() && text.back() == ',')) {
        throw UsageError("option --" + name + " needs whole numbers separated by commas");
    }
    return values;
}

std::unique_ptr<Table> NewList() { return engine::MakeTable(engine::TableKind::Dmx, "TableDMX"); }

// A fresh window's current entry, with the channel count typed in.
DmxCurrentEntry FreshEntry() {
    DmxCurrentEntry entry;
    entry.ShowFirstTime();
    return entry;
}

Json Rows(const Table& table) {
    const auto text = [&](int row, const char* field) {
        return engine::ValueToText(table.ValueAt(row, table.RequireField(field)));
    };
    const auto number = [&](int row, const char* field) -> Json {
        const auto* value =
            std::get_if<std::int32_t>(&table.ValueAt(row, table.RequireField(field)));
        if (!value) return nullptr;
        return *value;
    };
    const auto boolean = [&](int row, const char* field) {
        const auto* value = std::get_if<bool>(&table.ValueAt(row, table.RequireField(field)));
        return value != nullptr && *value;
    };
    Json rows = Json::array();
    for (int row = 0; row < table.RecordCount(); ++row) {
        rows.push_back({{"id", text(row, "Fixture ID")},
                        {"channelsPerFixture", number(row, "Channel Per Fixture")},
                        {"virtualAddress", number(row, "Virtual Address")},
                        {"port", number(row, "Port")},
                        {"address", number(row, "Fixture Address")},
                        {"range", text(row, "Address Range")},
                        {"dip", text(row, "DIP Switch Setting")},
                        {"offset", boolean(row, "AddressMinusOne")}});
    }
    return rows;
}

int RunDip(Arguments& arguments) {
    const std::int32_t address = RequiredInt32(arguments, "address");
    const bool offset = arguments.Flag("offset");
    arguments.Finish();
    const engine::DipSwitchSetting setting = engine::CalcDMXDipSwitch(address, offset);
    PrintJson({{"text", setting.text}, {"switches", engine::DipSwitchPictureValue(setting.value)}});
    return 0;
}

int RunAddMultiple(Arguments& arguments) {
    const long long count = arguments.RequiredInteger("count");
    const std::int32_t channels = RequiredInt32(arguments, "channels");
    const std::int32_t startAddress = RequiredInt32(arguments, "start-address");
    const std::int32_t startPort = RequiredInt32(arguments, "start-port");
    const std::int32_t startId = RequiredInt32(arguments, "start-id");
    const bool offset = arguments.Flag("offset");
    const bool dip = arguments.Flag("dip");
    arguments.Finish();
    if (count > kMaxFixturesToAdd) {
        throw UsageError("option --count is at most " + std::to_string(kMaxFixturesToAdd));
    }

    DmxCurrentEntry entry = FreshEntry();
    entry.SetChannelsPerFixture(channels);
    entry.SetOffset(offset);
    entry.SourceUseDipSwitch = dip;
    const auto table = NewList();
    DmxListOperations operations(*table, entry);
    const engine::DmxAddMultipleNext next = operations.AddMultiple(
        {}, static_cast<std::int32_t>(count < 0 ? 0 : count), startId, startPort, startAddress);
    PrintJson({{"rows", Rows(*table)},
               {"next", {{"id", next.id}, {"address", next.address}, {"port", next.port}}}});
    return 0;
}

int RunAutoAddress(Arguments& arguments) {
    const std::int32_t startAddress = RequiredInt32(arguments, "start-address");
    const std::int32_t startPort = RequiredInt32(arguments, "start-port");
    const std::vector<std::int32_t> channels =
        IntegerList("channels", arguments.RequiredText("channels"));
    const std::optional<std::string> offsetsText = arguments.Text("offsets");
    arguments.Finish();
    std::vector<std::int32_t> offsets(channels.size(), 0);
    if (offsetsText) {
        offsets = IntegerList("offsets", *offsetsText);
        if (offsets.size() != channels.size()) {
            throw UsageError("option --offsets needs one value per channel count");
        }
        for (std::int32_t value : offsets) {
            if (value != 0 && value != 1) throw UsageError("option --offsets takes 0 or 1");
        }
    }

    const auto table = NewList();
    for (std::size_t i = 0; i < channels.size(); ++i) {
        table->Append();
        table->SetValue("Channel Per Fixture", channels[i]);
        table->SetValue("AddressMinusOne", offsets[i] == 1);
        table->Post();
    }
    DmxCurrentEntry entry = FreshEntry();
    DmxListOperations operations(*table, entry);
    operations.AutoAddress(DmxListOperations::AllRows(*table), startAddress, startPort);
    PrintJson({{"rows", Rows(*table)}});
    return 0;
}

int RunDmx(Arguments& arguments) {
    const std::string sub = arguments.Subcommand({"dip", "add-multiple", "auto-address"});
    if (sub == "dip") return RunDip(arguments);
    if (sub == "add-multiple") return RunAddMultiple(arguments);
    return RunAutoAddress(arguments);
}

const CommandRegistration kDmx({
    "dmx",
    "DMX addresses: DIP-switch settings, Add Multiple, Auto Address",
    "dip --address A [--offset]\n"
    "  dmx add-multiple --count N --channels C --start-address A --start-port P --start-id S\n"
    "    [--offset] [--dip]\n"
    "  dmx auto-address --start-address A --start-port P --channels C1,C2,... "
    "[--offsets B1,B2,...]",
    RunDmx,
});

}  // namespace
}  // namespace quillux::cli
