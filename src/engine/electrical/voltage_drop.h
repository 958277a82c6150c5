#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quillux::engine {

// Resistance constants at 75 °C, ohm · circular mil per foot.
inline constexpr double kCopperOhmCmilPerFoot = 12.9;
inline constexpr double kAluminiumOhmCmilPerFoot = 21.2;
inline constexpr double kFeetPerMetre = 3.2808399;
inline constexpr double kMetresPerFoot = 0.3048;
// Three-phase factor of the drop; the sizing and distance formulas use half of it with 2.
inline constexpr double kThreePhaseDropFactor = 1.732;
inline constexpr double kThreePhaseHalfFactor = 0.866;

// The American Wire Gauge list, thickest first.
struct WireGauge {
    const char* listEntry;   // "8awg - 10mm"
    double circularMils;     // 16500
    const char* resultText;  // "8 AWG - 10mm", what the Wire Size result shows
};

inline constexpr int kWireGaugeCount = 44;
const std::array<WireGauge, kWireGaugeCount>& WireGaugeTable();

// The Wire Size result text for a required circular-mil area: the thinnest gauge of at least
// that area, or "Out of Range" below 9.9 or above 212000.
std::string CmilCalculate(double requiredCircularMils);

enum class WireMaterial { Copper, Aluminium };
enum class DistanceUnit { Feet, Meter };
enum class WirePhase { None, Single, Three };

// Which of the coupled drop boxes holds the keyboard focus: the one being typed into drives
// its partner.
enum class DropFocus { None, WireSizeVolts, WireSizePercent, DistanceVolts, DistancePercent };

inline constexpr int kNoGauge = -1;

struct VoltageDropInputs {
    WireMaterial material = WireMaterial::Copper;
    DistanceUnit unit = DistanceUnit::Feet;
    DropFocus focus = DropFocus::None;

    WirePhase dropPhase = WirePhase::None;
    double dropInputVolt = 1, dropAmps = 1, dropDistance = 1;  // distance in `unit`
    int dropGauge = kNoGauge;                                  // position 0..43

    WirePhase sizePhase = WirePhase::None;
    double sizeInputVolt = 1, sizeAmps = 1, sizeDistance = 1;
    double sizeDropVolts = 1, sizeDropPercent = 1;

    WirePhase distancePhase = WirePhase::None;
    double distanceInputVolt = 1, distanceAmps = 1;
    double distanceDropVolts = 1, distanceDropPercent = 1;
    int distanceGauge = kNoGauge;
};

struct VoltageDropResult {
    double vdResult = 0;          // drop in volts
    std::string dropText;         // "4.92 volt" or "Out of Range"
    std::string dropPercentText;  // "2.36 %", "0 %" or "Out of Range"

    // The coupled boxes after the calculation (a focused box keeps what was typed).
    double sizeDropVolts = 0, sizeDropPercent = 0;
    double wsCmil = 0;
    std::string cmilText;      // "14333.33 Cmils"
    std::string wireSizeText;  // "8 AWG - 10mm"

    double distanceDropVolts = 0, distanceDropPercent = 0;
    double dResult = 0;        // longest one-way distance in feet
    std::string distanceText;  // "45.56 feet", "13.89 Meter" or "Out of Range"
};

// The three calculators. One per program run: a band with no phase chosen keeps its previous
// result, and a gauge list with no choice keeps its previous circular mils.
class VoltageDrop {
public:
    const VoltageDropResult& VoltageDropCalculate(const VoltageDropInputs& inputs);
    const VoltageDropResult& Result() const { return result_; }
    void SetDecimalSeparator(std::string separator) { decimalSeparator_ = std::move(separator); }

private:
    void AWGCalculate(const VoltageDropInputs& inputs);

    double vdCmil_ = 0;
    double dCmil_ = 0;
    VoltageDropResult result_;
    std::string decimalSeparator_ = ".";
};

}  // namespace quillux::engine
