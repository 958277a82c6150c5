#include "engine/dmx/dmx_address.h"

#include <algorithm>
#include <limits>

namespace quillux::engine {

namespace {

// The calculations are 32-bit with wrap-around on overflow, never undefined behaviour; the
// window's boxes keep real values far from the limits.
std::int32_t Wrap(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

}  // namespace

std::int32_t CalcFixtureAddress(std::int32_t virtualAddress, std::int32_t port) {
    return Wrap(std::int64_t{virtualAddress} - (std::int64_t{port} - 1) * kDmxAddressesPerPort);
}

std::int32_t CalcVirtualAddress(std::int32_t address, std::int32_t port) {
    return Wrap(std::int64_t{address} + (std::int64_t{port} - 1) * kDmxAddressesPerPort);
}

std::int32_t CalcPort(std::int32_t virtualAddress) {
    return Wrap((std::int64_t{virtualAddress} - 1) / kDmxAddressesPerPort + 1);
}

std::string CalcAddressRangeString(std::int32_t address, std::int32_t channels) {
    return std::to_string(address) + " to " +
           std::to_string(Wrap(std::int64_t{address} + channels - 1));
}

DipSwitchSetting CalcDMXDipSwitch(std::int32_t address, bool offset) {
    std::int64_t x = offset ? std::int64_t{address} - 1 : address;
    DipSwitchSetting setting{std::string(), static_cast<std::int32_t>(std::clamp<std::int64_t>(
                                                x, std::numeric_limits<std::int32_t>::min(),
                                                std::numeric_limits<std::int32_t>::max()))};

    std::string pieces[11];  // pieces[n] for switch n
    if (x >= 512) {
        // Switch 10 alone: the rest of the value is dropped, not reduced by 512.
        pieces[10] = "10,";
        x = 0;
    }
    if (x >= 256 && x < 512) {
        pieces[9] = "9";  // the one switch written without a comma
        x -= 256;
    }
    for (int n = 8; n >= 1; --n) {
        const std::int64_t weight = std::int64_t{1} << (n - 1);
        if (weight <= x && x < 2 * weight) {
            pieces[n] = std::to_string(n) + ",";
            x -= weight;
        }
    }
    std::string switches;
    for (int n = 1; n <= 10; ++n) switches += pieces[n];

    setting.text = switches.empty() ? std::to_string(address) + " = All Switches Off"
                                    : std::to_string(address) + " =Sw " + switches + " ON";
    return setting;
}

std::int32_t DipSwitchPictureValue(std::int32_t value) {
    return std::clamp(value, std::int32_t{0}, kDmxDipSwitchMaxValue);
}

std::string Int2Strpad0(std::int32_t n, int length) {
    std::string text = std::to_string(n);
    if (static_cast<int>(text.size()) < length) {
        text.insert(0, static_cast<std::size_t>(length) - text.size(), '0');
    }
    return text;
}

}  // namespace quillux::engine
