#include "engine/electrical/load_list_derivation.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "engine/electrical/phase_load.h"

namespace quillux::engine {

int VoltagePhaseNeutralFor(LoadListSystem system, int voltagePhaseToPhase) {
    const double divisor = system == LoadListSystem::ThreePhase ? std::sqrt(3.0) : 2.0;
    const double neutral = RoundWorkingVoltage(voltagePhaseToPhase / divisor);
    return std::isfinite(neutral) ? static_cast<int>(neutral) : 0;
}

std::optional<int> ReadSystemVoltageText(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.front() == '+') return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

double LoadListDeviceCurrent(double watts, double voltage, double powerFactor) {
    const double pf = powerFactor == 0 ? 1.0 : powerFactor;
    const double current = watts / voltage / pf;
    return std::isfinite(current) ? current : 0.0;
}

LoadListDerived Calculate1(const LoadListDeviceInput& device, const LoadListVoltages& system) {
    LoadListDerived out;
    const double current = LoadListDeviceCurrent(device.watts, device.voltage, device.powerFactor);
    out.amperage = current;
    out.usedPhase = device.usedPhase;
    if (device.voltage == system.phaseToPhase) {
        out.usedPhase = kPhaseXY;
    } else if (out.usedPhase != kPhaseXN && out.usedPhase != kPhaseYN) {
        out.usedPhase = kPhaseXN;
    }
    if (out.usedPhase == kPhaseXY) {
        out.ampX = current;
        out.ampY = current;
    } else if (out.usedPhase == kPhaseXN) {
        out.ampX = current;
        out.ampN = current;
    } else {
        out.ampY = current;
        out.ampN = current;
    }
    return out;
}

LoadListDerived Calculate3(const LoadListDeviceInput& device, const LoadListVoltages& system) {
    LoadListDerived out;
    // A three-phase device is taken as I in each line-to-line column; no sqrt 3 is applied.
    const double current = LoadListDeviceCurrent(device.watts, device.voltage, device.powerFactor);
    out.amperage = current;
    const std::string_view before = device.usedPhase;
    out.usedPhase = device.usedPhase;
    const bool toNeutral = before == kPhaseXN || before == kPhaseYN || before == kPhaseZN;
    const bool lineToLine =
        before == kPhaseXY || before == kPhaseYZ || before == kPhaseZX || before == kPhaseXYZ;
    if (device.voltage == system.phaseToPhase && toNeutral) out.usedPhase = kPhaseXY;
    if (device.voltage == system.phaseNeutral && lineToLine) out.usedPhase = kPhaseXN;

    const std::string_view phase = out.usedPhase;
    if (phase == kPhaseXN) {
        out.ampXN = out.ampN = current;
    } else if (phase == kPhaseYN) {
        out.ampYN = out.ampN = current;
    } else if (phase == kPhaseZN) {
        out.ampZN = out.ampN = current;
    } else if (phase == kPhaseXY) {
        out.ampX = current;
    } else if (phase == kPhaseYZ) {
        out.ampY = current;
    } else if (phase == kPhaseZX) {
        out.ampZ = current;
    } else if (phase == kPhaseXYZ) {
        out.ampX = out.ampY = out.ampZ = current;
    }
    return out;
}

LoadListDerived Calculate(LoadListSystem system, const LoadListDeviceInput& device,
                          const LoadListVoltages& voltages) {
    return system == LoadListSystem::ThreePhase ? Calculate3(device, voltages)
                                                : Calculate1(device, voltages);
}

}  // namespace quillux::engine
