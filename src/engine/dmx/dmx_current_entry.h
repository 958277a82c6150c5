#pragma once

#include <cstdint>
#include <string>

namespace quillux::engine {

// The current entry of the DMX address calculator: the values of the window's edit area
// besides its four text fields (ID, channel, name, manufacturer). It outlives the window.
// Each setter runs the rules of one typed or stepped change; the parts of a change that
// rewrite the selected list rows are in DmxListOperations.
class DmxCurrentEntry {
public:
    std::int32_t ChannelPerFixture = 1;
    std::int32_t FixtureAddress = 1;  // 1..512 within the port
    std::int32_t FixturePort = 1;     // from 1; the range check may pass 128
    std::int32_t FixtureVirtualAddress = 1;
    bool AddressMinusOne = false;
    std::string FixtureAddressRangeString;
    std::string DipSwitchString = "1 =Sw 1, ON";
    // The value last handed to the DIP-switch picture (unclamped; see DipSwitchPictureValue).
    std::int32_t DipSwitchValue = 1;
    bool SourceUseDipSwitch = false;
    bool SourceDipSwitchoffset = false;

    // The defaults set when a DMX window is shown for the first time. The range text and the
    // source flags keep what they held.
    void ShowFirstTime();

    void SetAddress(std::int32_t address);
    void SetVirtualAddress(std::int32_t virtualAddress);
    void SetPort(std::int32_t port);
    void SetChannelsPerFixture(std::int32_t channels);
    void SetOffset(bool offset);
    // A click on a fixture of the merged fixture table ("Number  of DMX channel",
    // "UseDipSwitch", "DipSwitchOffset"); the window fills its name and manufacturer fields
    // and, with several rows selected, rewrites them as for a changed offset.
    void PickFixture(std::int32_t channels, bool useDipSwitch, bool dipSwitchOffset);
    // `DataBaseToVar` without the window: the row's "AddressMinusOne", "Channel Per Fixture"
    // and "Virtual Address".
    void LoadRow(bool addressMinusOne, std::int32_t channelsPerFixture,
                 std::int32_t virtualAddress);

    // `CalcAddressRange`: a fixture that would pass address 512 moves to address 1 of the next
    // port (not limited to 128).
    void CalcAddressRange();
    // Moves to address 1 of the port after the current one and refreshes the DIP-switch text.
    void MoveToNextPort();
    void UpdateRangeText();
    void UpdateDipSwitch();
    // True when the fixture at the current address would pass address 512.
    bool PassesPortEnd() const;
};

}  // namespace quillux::engine
