#include "engine/electrical/voltage_drop.h"

#include <cmath>

#include "engine/number/format_float_value.h"

namespace quillux::engine {
namespace {

constexpr std::array<WireGauge, kWireGaugeCount> kGauges = {{
    {"0000awg - 120mm", 212000, "#0000 - 120mm"},
    {"000awg - 95mm", 168000, "#000 - 95mm"},
    {"00awg - 70mm", 133000, "#00 - 70mm"},
    {"0awg - 60mm", 106000, "#0 - 60mm"},
    {"1awg - 50mm", 83700, "1 AWG - 50mm"},
    {"2awg - 35 mm", 66400, "2 AWG - 35mm"},
    {"3awg", 52600, "3 AWG"},
    {"4awg - 25mm", 41700, "4 AWG - 25mm"},
    {"5awg", 33100, "5 AWG"},
    {"6awg - 16mm", 26300, "6 AWG - 16mm"},
    {"7awg", 20800, "7 AWG"},
    {"8awg - 10mm", 16500, "8 AWG - 10mm"},
    {"9awg", 13100, "9 AWG"},
    {"10awg - 6mm", 10400, "10 AWG - 6mm"},
    {"11awg", 8230, "11 AWG"},
    {"12awg - 4mm", 6530, "12 AWG - 4mm"},
    {"13awg", 5180, "13 AWG"},
    {"14awg - 2.5mm", 4110, "14 AWG - 2.5mm"},
    {"15awg", 3260, "15 AWG"},
    {"16awg - 1.5mm", 2580, "16 AWG - 1.5mm"},
    {"17awg", 2050, "17 AWG"},
    {"18awg - 0.75mm", 1620, "18 AWG - 0.75mm"},
    {"19awg", 1290, "19 AWG"},
    {"20awg - 0.50mm", 1020, "20 AWG - 0.50mm"},
    {"21awg - 0.38mm", 810, "21 AWG - 0.38mm"},
    {"22awg - 0.34mm", 642, "22 AWG - 0.34mm"},
    {"23awg", 509, "23 AWG"},
    {"24awg - 0.25mm", 404, "24 AWG - 0.25mm"},
    {"25awg", 320, "25 AWG"},
    {"26awg - 0.14mm", 254, "26 AWG - 0.14mm"},
    {"27awg", 202, "27 AWG"},
    {"28awg - 0.08mm", 160, "28 AWG - 0.08mm"},
    {"29awg", 127, "29 AWG"},
    {"30awg - 0.05mm", 101, "30 AWG - 0.05mm"},
    {"31awg", 79.7, "31 AWG"},
    {"32awg", 63.2, "32 AWG"},
    {"33awg", 50.1, "33 AWG"},
    {"34awg", 39.8, "34 AWG"},
    {"35awg", 31.5, "35 AWG"},
    {"36awg", 25.0, "36 AWG"},
    {"37awg", 19.8, "37 AWG"},
    {"38awg", 15.7, "38 AWG"},
    {"39awg", 12.5, "39 AWG"},
    {"40awg", 9.9, "40 AWG"},
}};

constexpr double kThinnestCmil = 9.9;
constexpr double kThickestCmil = 212000;
constexpr const char* kOutOfRange = "Out of Range";

bool Failed(double value) { return !std::isfinite(value); }

// A computation that divides by zero or overflows gives 0.
double OrZero(double value) { return Failed(value) ? 0.0 : value; }

// The allowed drop in volts and in per cent drive each other: the box being typed into wins.
// With no input voltage a percentage cannot be derived, and the volts are only derived (as 0)
// from a percentage being typed: retyping the voltage box must not wipe the allowed drop.
void CoupleDrop(double inputVolt, bool voltsFocused, bool percentFocused, double& volts,
                double& percent) {
    if (!percentFocused && inputVolt != 0) {
        if (const double derived = volts / inputVolt * 100; !Failed(derived)) percent = derived;
    }
    if (!voltsFocused && (inputVolt != 0 || percentFocused)) {
        volts = OrZero(percent * inputVolt / 100);
    }
}

bool ValidGauge(int position) { return position >= 0 && position < kWireGaugeCount; }

}  // namespace

const std::array<WireGauge, kWireGaugeCount>& WireGaugeTable() { return kGauges; }

std::string CmilCalculate(double r) {
    if (!(r >= kThinnestCmil) || r > kThickestCmil) return kOutOfRange;
    if (r == kThinnestCmil) return kGauges.back().resultText;
    for (int i = kWireGaugeCount - 1; i >= 0; --i) {
        if (kGauges[i].circularMils >= r) return kGauges[i].resultText;
    }
    return kOutOfRange;
}

void VoltageDrop::AWGCalculate(const VoltageDropInputs& in) {
    if (ValidGauge(in.dropGauge)) vdCmil_ = kGauges[in.dropGauge].circularMils;
    if (ValidGauge(in.distanceGauge)) dCmil_ = kGauges[in.distanceGauge].circularMils;
}

const VoltageDropResult& VoltageDrop::VoltageDropCalculate(const VoltageDropInputs& in) {
    VoltageDropResult& r = result_;
    const std::string_view sep = decimalSeparator_;
    const auto text = [sep](double value) {
        return FormatFloatValue(value, FloatFormat::Fixed, 15, 2, sep);
    };
    const double k =
        in.material == WireMaterial::Copper ? kCopperOhmCmilPerFoot : kAluminiumOhmCmilPerFoot;
    const double toFeet = in.unit == DistanceUnit::Meter ? kFeetPerMetre : 1.0;
    AWGCalculate(in);

    // Voltage Drop
    const double vdDistance = in.dropDistance * toFeet;
    if (in.dropPhase == WirePhase::Single) {
        r.vdResult = vdCmil_ == 0 ? 0.0 : OrZero(2 * k * in.dropAmps * (vdDistance / vdCmil_));
    } else if (in.dropPhase == WirePhase::Three) {
        r.vdResult = vdCmil_ == 0
                         ? 0.0
                         : OrZero(kThreePhaseDropFactor * k * in.dropAmps * vdDistance / vdCmil_);
    }
    r.dropText = text(r.vdResult) + " volt";
    r.dropPercentText =
        in.dropInputVolt == 0 ? "0 %" : text(OrZero(r.vdResult / in.dropInputVolt * 100)) + " %";
    if (r.vdResult > in.dropInputVolt) {
        r.dropText = kOutOfRange;
        r.dropPercentText = kOutOfRange;
    }

    // Wire Size
    const double wsDistance = in.sizeDistance * toFeet;
    r.sizeDropVolts = in.sizeDropVolts;
    r.sizeDropPercent = in.sizeDropPercent;
    CoupleDrop(in.sizeInputVolt, in.focus == DropFocus::WireSizeVolts,
               in.focus == DropFocus::WireSizePercent, r.sizeDropVolts, r.sizeDropPercent);
    if (in.sizePhase != WirePhase::None) {
        double cmil =
            r.sizeDropVolts == 0 ? 0.0 : OrZero(2 * wsDistance * in.sizeAmps * k / r.sizeDropVolts);
        if (in.sizePhase == WirePhase::Three) cmil = OrZero(cmil * kThreePhaseHalfFactor);
        r.wsCmil = cmil;
    }
    r.cmilText = text(r.wsCmil) + " Cmils";
    r.wireSizeText = CmilCalculate(r.wsCmil);

    // Distance: no distance is typed here, so no unit conversion on the way in.
    r.distanceDropVolts = in.distanceDropVolts;
    r.distanceDropPercent = in.distanceDropPercent;
    CoupleDrop(in.distanceInputVolt, in.focus == DropFocus::DistanceVolts,
               in.focus == DropFocus::DistancePercent, r.distanceDropVolts, r.distanceDropPercent);
    if (in.distancePhase != WirePhase::None) {
        const double phaseFactor = in.distancePhase == WirePhase::Three ? kThreePhaseHalfFactor : 1;
        const double divisor = in.distanceAmps * k * phaseFactor;
        r.dResult = divisor == 0 ? 0.0 : OrZero(r.distanceDropVolts * dCmil_ / divisor / 2);
    }
    if (r.dResult <= 0) {
        r.distanceText = kOutOfRange;
    } else if (in.unit == DistanceUnit::Meter) {
        r.distanceText = text(r.dResult * kMetresPerFoot) + " Meter";
    } else {
        r.distanceText = text(r.dResult) + " feet";
    }
    return r;
}

}  // namespace quillux::engine
