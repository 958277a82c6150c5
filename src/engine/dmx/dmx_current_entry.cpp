#include "engine/dmx/dmx_current_entry.h"

#include "engine/dmx/dmx_address.h"

namespace quillux::engine {

void DmxCurrentEntry::ShowFirstTime() {
    ChannelPerFixture = 1;
    FixtureAddress = 1;
    FixturePort = 1;
    FixtureVirtualAddress = 1;
    AddressMinusOne = false;
    UpdateDipSwitch();
}

bool DmxCurrentEntry::PassesPortEnd() const {
    return std::int64_t{FixtureAddress} + ChannelPerFixture - 1 > kDmxAddressesPerPort;
}

void DmxCurrentEntry::MoveToNextPort() {
    // Port × 512 + 1 in 32 bits, wrapping rather than overflowing.
    const std::int64_t next = std::int64_t{FixturePort} * kDmxAddressesPerPort + 1;
    FixtureVirtualAddress = static_cast<std::int32_t>(static_cast<std::uint32_t>(next));
    FixturePort = CalcPort(FixtureVirtualAddress);
    FixtureAddress = CalcFixtureAddress(FixtureVirtualAddress, FixturePort);
    UpdateDipSwitch();
}

void DmxCurrentEntry::CalcAddressRange() {
    if (PassesPortEnd()) MoveToNextPort();
}

void DmxCurrentEntry::UpdateRangeText() {
    FixtureAddressRangeString = CalcAddressRangeString(FixtureAddress, ChannelPerFixture);
}

void DmxCurrentEntry::UpdateDipSwitch() {
    DipSwitchSetting setting = CalcDMXDipSwitch(FixtureAddress, AddressMinusOne);
    DipSwitchString = std::move(setting.text);
    DipSwitchValue = setting.value;
}

void DmxCurrentEntry::SetAddress(std::int32_t address) {
    FixtureAddress = address;
    FixtureVirtualAddress = CalcVirtualAddress(address, FixturePort);
    CalcAddressRange();
    UpdateRangeText();
    UpdateDipSwitch();
}

void DmxCurrentEntry::SetVirtualAddress(std::int32_t virtualAddress) {
    FixtureVirtualAddress = virtualAddress;
    FixturePort = CalcPort(virtualAddress);
    FixtureAddress = CalcFixtureAddress(virtualAddress, FixturePort);
    CalcAddressRange();
    UpdateRangeText();
    UpdateDipSwitch();
}

void DmxCurrentEntry::SetPort(std::int32_t port) {
    FixturePort = port;
    FixtureVirtualAddress = CalcVirtualAddress(FixtureAddress, port);
    CalcAddressRange();
    UpdateRangeText();
    UpdateDipSwitch();
}

void DmxCurrentEntry::SetChannelsPerFixture(std::int32_t channels) {
    ChannelPerFixture = channels;
    CalcAddressRange();
    UpdateRangeText();
}

void DmxCurrentEntry::SetOffset(bool offset) {
    AddressMinusOne = offset;
    UpdateDipSwitch();
}

void DmxCurrentEntry::PickFixture(std::int32_t channels, bool useDipSwitch, bool dipSwitchOffset) {
    ChannelPerFixture = channels;
    CalcAddressRange();
    UpdateRangeText();
    SourceUseDipSwitch = useDipSwitch;
    SourceDipSwitchoffset = dipSwitchOffset;
    SetOffset(dipSwitchOffset);
}

void DmxCurrentEntry::LoadRow(bool addressMinusOne, std::int32_t channelsPerFixture,
                              std::int32_t virtualAddress) {
    AddressMinusOne = addressMinusOne;
    ChannelPerFixture = channelsPerFixture;
    FixtureVirtualAddress = virtualAddress;
    FixturePort = CalcPort(virtualAddress);
    FixtureAddress = CalcFixtureAddress(virtualAddress, FixturePort);
    CalcAddressRange();
    UpdateRangeText();
    UpdateDipSwitch();
}

}  // namespace quillux::engine
