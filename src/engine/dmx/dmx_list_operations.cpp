#include "engine/dmx/dmx_list_operations.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "engine/dmx/dmx_address.h"

namespace quillux::engine {

namespace {

constexpr const char* kFixtureId = "Fixture ID";
constexpr const char* kFixtureName = "Fixture name";
constexpr const char* kManufacturer = "Manufacturer";
constexpr const char* kChannelPerFixture = "Channel Per Fixture";
constexpr const char* kChannel = "Channel";
constexpr const char* kVirtualAddress = "Virtual Address";
constexpr const char* kPort = "Port";
constexpr const char* kFixtureAddress = "Fixture Address";
constexpr const char* kAddressRange = "Address Range";
constexpr const char* kDipSwitchSetting = "DIP Switch Setting";
constexpr const char* kAddressMinusOne = "AddressMinusOne";
constexpr const char* kUseDipSwitch = "UseDipSwitch";
constexpr const char* kDipSwitchOffset = "DipSwitchOffset";
constexpr const char* kReportName = "ReportName";

std::int32_t Add32(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

}  // namespace

DmxListOperations::DmxListOperations(Table& table, DmxCurrentEntry& entry, Messenger* messenger)
    : table_(table), entry_(entry), messenger_(messenger) {}

void DmxListOperations::ReportError(const std::exception& error) {
    if (messenger_) {
        messenger_->Error("An Unexpected error occured in the DMX address list" + table_.Name() +
                          error.what());
    }
}

void DmxListOperations::EditDataEntry(const DmxEntryFields& fields) {
    if (table_.State() == EditState::Browse) table_.Edit();
    table_.SetValue(kFixtureId, fields.id);
    table_.SetValue(kChannel, fields.channel);
    table_.SetValue(kFixtureName, fields.name);
    table_.SetValue(kManufacturer, fields.manufacturer);
    table_.SetValue(kChannelPerFixture, entry_.ChannelPerFixture);
    table_.SetValue(kVirtualAddress, entry_.FixtureVirtualAddress);
    table_.SetValue(kPort, entry_.FixturePort);
    table_.SetValue(kFixtureAddress, entry_.FixtureAddress);
    table_.SetValue(kAddressRange,
                    CalcAddressRangeString(entry_.FixtureAddress, entry_.ChannelPerFixture));
    table_.SetValue(kUseDipSwitch, entry_.SourceUseDipSwitch);
    table_.SetValue(kDipSwitchOffset, entry_.SourceDipSwitchoffset);
    table_.SetValue(kDipSwitchSetting,
                    entry_.SourceUseDipSwitch ? entry_.DipSwitchString : std::string());
    table_.SetValue(kAddressMinusOne, entry_.AddressMinusOne);
    table_.Post();
}

void DmxListOperations::Add(const DmxEntryFields& fields) {
    try {
        table_.Last();
        table_.Append();
        EditDataEntry(fields);
    } catch (const std::exception&) {
        if (table_.State() != EditState::Browse) table_.Cancel();
    }
}

void DmxListOperations::ApplyChanges(const DmxEntryFields& fields) {
    try {
        table_.Edit();
        EditDataEntry(fields);
    } catch (const std::exception& error) {
        if (table_.State() != EditState::Browse) table_.Cancel();
        ReportError(error);
    }
}

DmxAddMultipleNext DmxListOperations::AddMultiple(const DmxEntryFields& fields, std::int32_t count,
                                                  std::int32_t startId, std::int32_t startPort,
                                                  std::int32_t startAddress) {
    TableUpdate update(table_);
    table_.Last();
    entry_.FixtureAddress = startAddress;
    entry_.FixturePort = startPort;
    entry_.FixtureVirtualAddress = CalcVirtualAddress(startAddress, startPort);
    entry_.UpdateRangeText();
    entry_.UpdateDipSwitch();

    std::int32_t id = startId;
    for (std::int32_t i = 0; i < count; ++i) {
        try {
            table_.Append();
            DmxEntryFields row = fields;
            row.id = Int2Strpad0(id, 4);
            if (entry_.PassesPortEnd()) {
                entry_.MoveToNextPort();
                entry_.UpdateRangeText();
            }
            EditDataEntry(row);
        } catch (const std::exception& error) {
            if (table_.State() != EditState::Browse) table_.Cancel();
            ReportError(error);
            break;
        }
        id = Add32(id, 1);
        if (entry_.PassesPortEnd()) {
            entry_.MoveToNextPort();
        } else {
            entry_.FixtureVirtualAddress =
                Add32(entry_.FixtureVirtualAddress, entry_.ChannelPerFixture);
            entry_.FixturePort = CalcPort(entry_.FixtureVirtualAddress);
            entry_.FixtureAddress =
                CalcFixtureAddress(entry_.FixtureVirtualAddress, entry_.FixturePort);
        }
        entry_.UpdateRangeText();
        entry_.UpdateDipSwitch();
    }
    return {id, entry_.FixtureAddress, entry_.FixturePort};
}

std::vector<RecordId> DmxListOperations::AllRows(const Table& table) {
    std::vector<RecordId> rows;
    rows.reserve(static_cast<std::size_t>(table.RecordCount()));
    for (int row = 0; row < table.RecordCount(); ++row) rows.push_back(table.RecordAt(row).Id());
    return rows;
}

void DmxListOperations::ForEachSelected(const std::vector<RecordId>& selected,
                                        const DmxProgress& progress,
                                        const std::function<void(std::int32_t)>& change) {
    // The visiting order is the list order at the start; posting a row of a sorted list may
    // move it, so rows are found again by record.
    const std::unordered_set<RecordId> wanted(selected.begin(), selected.end());
    std::vector<RecordId> ordered;
    ordered.reserve(wanted.size());
    for (int row = 0; row < table_.RecordCount() && ordered.size() < wanted.size(); ++row) {
        const RecordId id = table_.RecordAt(row).Id();
        if (wanted.count(id)) ordered.push_back(id);
    }
    if (ordered.empty()) return;

    const auto total = static_cast<int>(ordered.size());
    const std::optional<RecordId> current = table_.CurrentId();
    TableUpdate update(table_);
    if (progress) progress(0, total);
    for (int i = 0; i < total; ++i) {
        try {
            table_.MoveToId(ordered[static_cast<std::size_t>(i)]);
            table_.Edit();
            change(i);
            table_.Post();
        } catch (const std::exception& error) {
            if (table_.State() != EditState::Browse) table_.Cancel();
            ReportError(error);
            break;
        }
        if (progress) progress(i + 1, total);
    }
    if (current) table_.MoveToId(*current);
}

void DmxListOperations::AutoAddress(const std::vector<RecordId>& selected,
                                    std::int32_t startAddress, std::int32_t startPort,
                                    const DmxProgress& progress) {
    std::int32_t address = startAddress;
    std::int32_t port = startPort;
    ForEachSelected(selected, progress, [&](std::int32_t) {
        entry_.AddressMinusOne = table_.AsBoolean(kAddressMinusOne);
        entry_.ChannelPerFixture = table_.AsInteger(kChannelPerFixture);
        entry_.FixturePort = port;
        if (std::int64_t{address} + entry_.ChannelPerFixture - 1 <= kDmxAddressesPerPort) {
            entry_.FixtureAddress = address;
        } else {
            // Never past 512: the fixture starts the next port at address 1.
            entry_.FixturePort = Add32(entry_.FixturePort, 1);
            entry_.FixtureAddress = address = 1;
        }
        entry_.FixtureVirtualAddress =
            CalcVirtualAddress(entry_.FixtureAddress, entry_.FixturePort);
        entry_.UpdateRangeText();
        entry_.UpdateDipSwitch();
        table_.SetValue(kVirtualAddress, entry_.FixtureVirtualAddress);
        table_.SetValue(kPort, entry_.FixturePort);
        table_.SetValue(kFixtureAddress, entry_.FixtureAddress);
        table_.SetValue(kAddressRange, entry_.FixtureAddressRangeString);
        table_.SetValue(kDipSwitchSetting, entry_.DipSwitchString);
        table_.SetValue(kAddressMinusOne, entry_.AddressMinusOne);
        address = Add32(address, entry_.ChannelPerFixture);
        port = entry_.FixturePort;
    });
}

void DmxListOperations::AutoChannel(const std::vector<RecordId>& selected, std::int32_t start,
                                    std::int32_t increment, const DmxProgress& progress) {
    std::int32_t channel = start;
    ForEachSelected(selected, progress, [&](std::int32_t) {
        table_.SetValue(kChannel, channel);
        channel = Add32(channel, increment);
    });
}

void DmxListOperations::AutoID(const std::vector<RecordId>& selected, std::int32_t start,
                               std::int32_t increment, const DmxProgress& progress) {
    std::int32_t id = start;
    ForEachSelected(selected, progress, [&](std::int32_t) {
        table_.SetValue(kFixtureId, Int2Strpad0(id, 4));
        id = Add32(id, increment);
    });
}

void DmxListOperations::SetPortOfSelected(const std::vector<RecordId>& selected, std::int32_t port,
                                          const DmxProgress& progress) {
    if (selected.size() <= 1) return;
    ForEachSelected(selected, progress, [&](std::int32_t) {
        table_.SetValue(kPort, port);
        table_.SetValue(kVirtualAddress,
                        CalcVirtualAddress(table_.AsInteger(kFixtureAddress), port));
    });
}

void DmxListOperations::SetOffsetOfSelected(const std::vector<RecordId>& selected, bool offset,
                                            const DmxProgress& progress) {
    if (selected.size() <= 1) return;
    ForEachSelected(selected, progress, [&](std::int32_t) {
        table_.SetValue(kAddressMinusOne, offset);
        table_.SetValue(kDipSwitchSetting,
                        CalcDMXDipSwitch(table_.AsInteger(kFixtureAddress), offset).text);
    });
}

void DmxListOperations::SetChannelOfSelected(const std::vector<RecordId>& selected,
                                             std::int32_t channel, const DmxProgress& progress) {
    if (selected.size() <= 1) return;
    ForEachSelected(selected, progress, [&](std::int32_t) { table_.SetValue(kChannel, channel); });
}

void DmxListOperations::SetNameOfSelected(const std::vector<RecordId>& selected,
                                          const std::string& name, const DmxProgress& progress) {
    if (selected.size() <= 1) return;
    ForEachSelected(selected, progress, [&](std::int32_t) { table_.SetValue(kFixtureName, name); });
}

void DmxListOperations::SetManufacturerOfSelected(const std::vector<RecordId>& selected,
                                                  const std::string& manufacturer,
                                                  const DmxProgress& progress) {
    if (selected.size() <= 1) return;
    ForEachSelected(selected, progress,
                    [&](std::int32_t) { table_.SetValue(kManufacturer, manufacturer); });
}

void DmxListOperations::KeepReportDescription(const std::string& reportDescription) {
    if (table_.IsEmpty()) return;
    table_.First();
    if (table_.AsString(kReportName) != reportDescription) {
        table_.Edit();
        table_.SetValue(kReportName, reportDescription);
        table_.Post();
    }
}

bool DmxListOperations::DeleteCurrentRow(const std::string& reportDescription) {
    if (table_.IsEmpty()) {
        if (messenger_) messenger_->Error("List already empty");
        return true;
    }
    try {
        if (table_.State() != EditState::Browse) table_.Cancel();
        table_.Delete();
        KeepReportDescription(reportDescription);
    } catch (const std::exception& error) {
        if (table_.State() != EditState::Browse) table_.Cancel();
        ReportError(error);
    }
    return table_.IsEmpty();
}

bool DmxListOperations::DeleteSelected(const std::vector<RecordId>& selected,
                                       const std::string& reportDescription,
                                       const DmxProgress& progress) {
    const std::unordered_set<RecordId> wanted(selected.begin(), selected.end());
    std::vector<RecordId> doomed;
    for (RecordId id : AllRows(table_)) {
        if (wanted.count(id)) doomed.push_back(id);
    }
    if (doomed.empty()) return table_.IsEmpty();

    const std::optional<RecordId> current = table_.CurrentId();
    const auto total = static_cast<int>(doomed.size());
    {
        TableUpdate update(table_);
        if (table_.State() != EditState::Browse) table_.Cancel();
        if (progress) progress(0, total);
        for (int i = 0; i < total; ++i) {
            try {
                if (table_.MoveToId(doomed[static_cast<std::size_t>(i)])) table_.Delete();
            } catch (const std::exception& error) {
                if (table_.State() != EditState::Browse) table_.Cancel();
                ReportError(error);
                break;
            }
            if (progress) progress(i + 1, total);
        }
        try {
            KeepReportDescription(reportDescription);
        } catch (const std::exception& error) {
            if (table_.State() != EditState::Browse) table_.Cancel();
            ReportError(error);
        }
    }
    if (current && !table_.MoveToId(*current)) table_.First();
    return table_.IsEmpty();
}

std::optional<DmxListOperations::LoadedRow> DmxListOperations::DataBaseToVar() {
    if (table_.CurrentRow() < 0) return std::nullopt;
    LoadedRow loaded;
    loaded.fields.id = table_.AsString(kFixtureId);
    loaded.fields.channel = table_.AsInteger(kChannel);
    loaded.fields.name = table_.AsString(kFixtureName);
    loaded.fields.manufacturer = table_.AsString(kManufacturer);
    loaded.dipSwitchOffset = table_.AsBoolean(kDipSwitchOffset);
    entry_.LoadRow(table_.AsBoolean(kAddressMinusOne), table_.AsInteger(kChannelPerFixture),
                   table_.AsInteger(kVirtualAddress));
    return loaded;
}

}  // namespace quillux::engine
