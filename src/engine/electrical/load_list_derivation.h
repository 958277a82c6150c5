#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillux::engine {

enum class LoadListSystem { SinglePhase, ThreePhase };

// The connections a device may carry in "UsedPhase".
inline constexpr std::string_view kPhaseXN = "X-N";
inline constexpr std::string_view kPhaseYN = "Y-N";
inline constexpr std::string_view kPhaseZN = "Z-N";
inline constexpr std::string_view kPhaseXY = "X-Y";
inline constexpr std::string_view kPhaseYZ = "Y-Z";
inline constexpr std::string_view kPhaseZX = "Z-X";
inline constexpr std::string_view kPhaseXYZ = "X-Y-Z";

// The system's two voltages, both whole volts.
struct LoadListVoltages {
    int phaseToPhase = 0;
    int phaseNeutral = 0;
};

// A device's inputs as the list stores them; a null field reads as 0 (or as an empty phase).
struct LoadListDeviceInput {
    double watts = 0;
    double voltage = 0;
    double powerFactor = 0;
    std::string usedPhase;
};

// What the derivation writes back into the record, amps.
struct LoadListDerived {
    std::string usedPhase;
    double amperage = 0;
    double ampX = 0;
    double ampY = 0;
    double ampZ = 0;
    double ampXN = 0;
    double ampYN = 0;
    double ampZN = 0;
    double ampN = 0;
};

// round(phase-to-phase / sqrt 3) on three-phase, round(phase-to-phase / 2) on split-phase.
int VoltagePhaseNeutralFor(LoadListSystem system, int voltagePhaseToPhase);

// Reads the system-voltage text as a whole number; nullopt when it is not one.
std::optional<int> ReadSystemVoltageText(std::string_view text);

// Watts / volts / pf (a pf of 0 counts as 1); 0 when the division fails.
double LoadListDeviceCurrent(double watts, double voltage, double powerFactor);

LoadListDerived Calculate1(const LoadListDeviceInput& device, const LoadListVoltages& system);
LoadListDerived Calculate3(const LoadListDeviceInput& device, const LoadListVoltages& system);
LoadListDerived Calculate(LoadListSystem system, const LoadListDeviceInput& device,
                          const LoadListVoltages& voltages);

}  // namespace quillux::engine
