#pragma once

#include <cstdint>
#include <string>

namespace quillux::engine {

// Addresses 1..512 make one port (a DMX universe). All arithmetic is 32-bit and divisions
// truncate, so virtual address 0 is port 1, address 0.
inline constexpr std::int32_t kDmxAddressesPerPort = 512;
// The ten-switch bank of the DMX window shows values up to this.
inline constexpr std::int32_t kDmxDipSwitchMaxValue = 1023;

// virtual address − (port − 1) × 512
std::int32_t CalcFixtureAddress(std::int32_t virtualAddress, std::int32_t port);
// address + (port − 1) × 512
std::int32_t CalcVirtualAddress(std::int32_t address, std::int32_t port);
// (virtual address − 1) div 512 + 1
std::int32_t CalcPort(std::int32_t virtualAddress);
// "1 to 16" for address 1 and 16 channels.
std::string CalcAddressRangeString(std::int32_t address, std::int32_t channels);

struct DipSwitchSetting {
    std::string text;    // "100 =Sw 3,6,7, ON", "1 = All Switches Off"
    std::int32_t value;  // the switch value for the DIP-switch picture (before its clamping)
};

// The DIP-switch text of a start address; with `offset` the switches encode address − 1.
DipSwitchSetting CalcDMXDipSwitch(std::int32_t address, bool offset);

// What the ten-switch picture shows for a switch value: clamped to 0..1023.
std::int32_t DipSwitchPictureValue(std::int32_t value);

// N in decimal with "0" put in front until it is at least `length` characters long.
std::string Int2Strpad0(std::int32_t n, int length);

}  // namespace quillux::engine
