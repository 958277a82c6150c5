#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quillux::engine {

// Colour of a percentage box; the window maps it to its own colours (sky blue = 166, 202, 240).
enum class WarningLevel { SkyBlue, Yellow, Red };

// Red from 99 %, yellow from 80 %, sky blue below.
WarningLevel PhaseWarningLevel(double percent);

// 2π/3 held in single precision; its cosine and sine (taken in double) enter the three-phase
// conductor currents instead of the exact -1/2 and √3/2.
inline constexpr float kRad120 = 2.0943951606750488f;

// The three-phase voltage assumed when the voltage text is not a number (volts).
inline constexpr double kDefaultVoltagePhaseToPhase = 208.0;

// Neutral current (amps) of three line-to-neutral currents 120° apart.
double CalcNC(double x, double y, double z);

// A phase conductor's share of the line-to-line loads, before its line-to-neutral current is
// added: the phasor parts and the magnitude. `ampsX` is `ampsXY` itself when `bx` is exactly 0.
struct LineToLineConductorCurrents {
    double ax = 0, ay = 0, az = 0;
    double bx = 0, by = 0, bz = 0;
    double ampsX = 0, ampsY = 0, ampsZ = 0;
};

// Each conductor carries its own load's current minus the rotated current of the load that
// ends on it. A magnitude that overflows reads 0.
LineToLineConductorCurrents ThreePhaseConductorCurrents(double ampsXY, double ampsYZ,
                                                        double ampsZX);

// Rated amps per phase from the available kVA; 0 when the voltage is 0.
double MaxAmpsFromKva(double maxAvailableKVA, double voltagePhaseToPhase);          // three-phase
double MaxAmpsFromKvaSingle(double maxAvailableKVA1, double voltagePhaseToPhase1);  // single

// Whole-number rounding of a voltage, halves to the even neighbour (120.5 -> 120).
double RoundWorkingVoltage(double volts);

// The voltage text as a number, or nothing when it does not read as one.
std::optional<double> ReadVoltageText(std::string_view text,
                                      std::string_view decimalSeparator = ".");

// Fixed format, precision 3, one decimal.
std::string PhaseLoadText(double value, std::string_view decimalSeparator = ".");

// A percentage box: its text (with "%") and its colour.
struct PercentDisplay {
    std::string text;
    WarningLevel level = WarningLevel::SkyBlue;
};

// Three-phase supply: wye X, Y, Z and neutral. Loads in kVA, currents in amps.
struct ThreePhaseInputs {
    std::string voltageText;  // phase-to-phase voltage box
    double maxAmpsPhase = 0;
    double loadKvaXY = 0, loadKvaYZ = 0, loadKvaZX = 0;
    double loadKvaXN = 0, loadKvaYN = 0, loadKvaZN = 0;
};

struct ThreePhaseResult {
    // Numbers
    double voltagePhaseToPhase = 0, voltagePhaseNeutral = 0;
    double maxAmpsPhase = 0, maxAvailableKVA = 0;
    double totalLoadKVA = 0, percentAvailableKVA = 0;
    double ampsXY = 0, ampsYZ = 0, ampsZX = 0, ampsXN = 0, ampsYN = 0, ampsZN = 0;
    LineToLineConductorCurrents phasors;
    double ampsX = 0, ampsY = 0, ampsZ = 0, ampsN = 0;
    double percentX = 0, percentY = 0, percentZ = 0, percentN = 0;
    // Texts of the result boxes
    std::string voltageNeutralText;
    std::string ampsXYText, ampsYZText, ampsZXText, ampsXNText, ampsYNText, ampsZNText;
    std::string ampsXText, ampsYText, ampsZText, ampsNText;
    PercentDisplay percentXDisplay, percentYDisplay, percentZDisplay, percentNDisplay;
    std::string totalLoadText;
    PercentDisplay
        percentAvailableDisplay;  // shows the share still free, coloured by the share used
};

// Split-phase supply: X, Y and neutral.
struct SinglePhaseInputs {
    std::string voltageText;
    double maxAmpsPhase1 = 0;
    double loadKvaXN1 = 0, loadKvaYN1 = 0, loadKvaXY1 = 0;
};

struct SinglePhaseResult {
    double voltagePhaseToPhase1 = 0, voltagePhaseNeutral1 = 0;
    double maxAmpsPhase1 = 0, maxAvailableKVA1 = 0;
    double totalLoadKVA1 = 0, percentAvailableKVA1 = 0;
    double ampsXN1 = 0, ampsYN1 = 0, ampsXY1 = 0;
    double ampsX1 = 0, ampsY1 = 0, ampsN1 = 0;
    double percentX1 = 0, percentY1 = 0, percentN1 = 0;
    std::string voltageNeutralText;
    std::string ampsXNText, ampsYNText, ampsXYText;
    std::string ampsXText, ampsYText, ampsNText;
    PercentDisplay percentXDisplay, percentYDisplay, percentNDisplay;
    std::string totalLoadText;
    PercentDisplay percentAvailableDisplay;
};

// The outcome of an "Add" of devices.
enum class AddDevicesStatus {
    Added,             // loads changed (or matched neither voltage) and the calculation ran
    NoWorkingVoltage,  // warn kSelectWorkingVoltageMessage, focus the list, nothing else
};

inline constexpr const char* kSelectWorkingVoltageMessage = "Select a working voltage";

// The three-phase calculator; one per program run, so the phase-to-neutral voltage and the
// voltages the working-voltage list was built from survive between calculations.
class ThreePhaseLoad {
public:
    // Recomputes every derived value from the inputs, then the texts and colours.
    const ThreePhaseResult& PhaseLoadCalculation(const ThreePhaseInputs& inputs);

    // Adds `countText` devices of `wattsText` watts at the chosen working voltage to the loads
    // of `inputs` (updated in place), then recalculates. The voltages compared are those of the
    // previous calculation.
    AddDevicesStatus ButtonApplyClick(std::optional<double> workingVoltage,
                                      std::string_view countText, std::string_view wattsText,
                                      ThreePhaseInputs& inputs);

    // The working-voltage list: rounded phase-to-phase voltage, then phase-to-neutral.
    std::array<double, 2> WorkingVoltages() const;
    std::array<std::string, 2> WorkingVoltageTexts() const;

    const ThreePhaseResult& Result() const { return result_; }
    void SetDecimalSeparator(std::string separator) { decimalSeparator_ = std::move(separator); }

private:
    ThreePhaseResult result_;
    std::string decimalSeparator_ = ".";
};

class SinglePhaseLoad {
public:
    // An unreadable voltage text keeps the previous voltage (0 before any good one).
    const SinglePhaseResult& PhaseLoadCalculationSingle(const SinglePhaseInputs& inputs);

    AddDevicesStatus ButtonApply1Click(std::optional<double> workingVoltage,
                                       std::string_view countText, std::string_view wattsText,
                                       SinglePhaseInputs& inputs);

    std::array<double, 2> WorkingVoltages() const;
    std::array<std::string, 2> WorkingVoltageTexts() const;

    const SinglePhaseResult& Result() const { return result_; }
    void SetDecimalSeparator(std::string separator) { decimalSeparator_ = std::move(separator); }

private:
    SinglePhaseResult result_;
    std::string decimalSeparator_ = ".";
};

}  // namespace quillux::engine
