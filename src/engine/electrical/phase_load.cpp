#include "engine/electrical/phase_load.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "engine/number/format_float_value.h"
#include "engine/number/number_text.h"

namespace quillux::engine {
namespace {

// cos and sin of the single-precision 2π/3, taken in double: -0.5000000504735648 and
// 0.8660253746435105.
const double kCos120 = std::cos(static_cast<double>(kRad120));
const double kSin120 = std::sin(static_cast<double>(kRad120));

// One unit in the last place above the double nearest to π/6; the neutral current's angles
// are 4p and 8p with the multipliers held in single precision.
const double kNeutralAngleStep = std::bit_cast<double>(std::uint64_t{0x3FE0C152382D7366});
constexpr float kFourSteps = 4.0f;
constexpr float kEightSteps = 8.0f;

// A derived value whose computation overflowed or was undefined reads 0.
double Checked(double value) { return std::isfinite(value) ? value : 0.0; }

// A quotient by zero (0/0 included) reads 0.
double Divide(double dividend, double divisor) {
    if (divisor == 0) return 0.0;
    return Checked(dividend / divisor);
}

double SquareRootOfThree() { return std::sqrt(3.0); }

PercentDisplay Percent(double shown, double coloured, std::string_view separator) {
    return {PhaseLoadText(shown, separator) + "%", PhaseWarningLevel(coloured)};
}

std::string WholeNumberText(double value) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", value + 0.0);
    return buffer;
}

}  // namespace

WarningLevel PhaseWarningLevel(double percent) {
    // Tested in the order yellow, red, sky blue; a value none of them takes keeps sky blue.
    WarningLevel level = WarningLevel::SkyBlue;
    if (percent >= 80 && percent < 99) level = WarningLevel::Yellow;
    if (percent >= 99) level = WarningLevel::Red;
    if (percent < 80) level = WarningLevel::SkyBlue;
    return level;
}

double CalcNC(double x, double y, double z) {
    const long double angle4 = static_cast<long double>(kFourSteps) * kNeutralAngleStep;
    const long double angle8 = static_cast<long double>(kEightSteps) * kNeutralAngleStep;
    const double re = static_cast<double>(x + y * std::cos(angle4) + z * std::cos(angle8));
    const double im = static_cast<double>(y * std::sin(angle4) + z * std::sin(angle8));
    const long double re2 = static_cast<long double>(re) * re;
    const long double im2 = static_cast<long double>(im) * im;
    return static_cast<double>(std::sqrt(re2 + im2));
}

LineToLineConductorCurrents ThreePhaseConductorCurrents(double ampsXY, double ampsYZ,
                                                        double ampsZX) {
    LineToLineConductorCurrents c;
    c.ax = Checked(ampsXY - kCos120 * ampsZX);
    c.bx = Checked(-kSin120 * ampsZX);
    c.ay = Checked(ampsYZ - kCos120 * ampsXY);
    c.by = Checked(-kSin120 * ampsXY);
    c.az = Checked(ampsZX - kCos120 * ampsYZ);
    c.bz = Checked(-kSin120 * ampsYZ);
    const auto magnitude = [](double a, double b, double ownLoad) {
        if (b == 0) return ownLoad;
        return Checked(std::sqrt(a * a + b * b));
    };
    c.ampsX = magnitude(c.ax, c.bx, ampsXY);
    c.ampsY = magnitude(c.ay, c.by, ampsYZ);
    c.ampsZ = magnitude(c.az, c.bz, ampsZX);
    return c;
}

double MaxAmpsFromKva(double maxAvailableKVA, double voltagePhaseToPhase) {
    if (voltagePhaseToPhase == 0) return 0.0;
    return Checked(maxAvailableKVA / voltagePhaseToPhase / SquareRootOfThree() * 1000);
}

double MaxAmpsFromKvaSingle(double maxAvailableKVA1, double voltagePhaseToPhase1) {
    return Divide(maxAvailableKVA1 * 1000, voltagePhaseToPhase1);
}

double RoundWorkingVoltage(double volts) {
    // nearbyint follows the default rounding mode, which rounds halves to even.
    return std::nearbyint(volts);
}

std::optional<double> ReadVoltageText(std::string_view text, std::string_view decimalSeparator) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    std::string normalised;
    for (std::size_t i = 0; i < text.size();) {
        if (!decimalSeparator.empty() &&
            text.substr(i, decimalSeparator.size()) == decimalSeparator) {
            normalised += '.';
            i += decimalSeparator.size();
        } else if (text[i] == '.' && decimalSeparator != ".") {
            return std::nullopt;
        } else {
            const char c = text[i++];
            // Digits, signs and an exponent only: "inf" and "nan" are not voltages.
            if (!((c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'e' || c == 'E')) {
                return std::nullopt;
            }
            normalised += c;
        }
    }
    const char* first = normalised.data();
    const char* last = first + normalised.size();
    if (first != last && *first == '+') ++first;
    if (first == last) return std::nullopt;
    double value = 0;
    auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string PhaseLoadText(double value, std::string_view decimalSeparator) {
    return FormatFloatValue(value, FloatFormat::Fixed, 3, 1, decimalSeparator);
}

const ThreePhaseResult& ThreePhaseLoad::PhaseLoadCalculation(const ThreePhaseInputs& in) {
    ThreePhaseResult& r = result_;
    const double sqrt3 = SquareRootOfThree();
    r.voltagePhaseToPhase =
        ReadVoltageText(in.voltageText, decimalSeparator_).value_or(kDefaultVoltagePhaseToPhase);
    r.maxAmpsPhase = in.maxAmpsPhase;
    // A failing phase-to-neutral voltage keeps its previous value.
    if (const double neutral = r.voltagePhaseToPhase / sqrt3; std::isfinite(neutral)) {
        r.voltagePhaseNeutral = neutral;
    }
    r.maxAvailableKVA = Checked(sqrt3 * (r.voltagePhaseToPhase * r.maxAmpsPhase) / 1000);
    r.totalLoadKVA =
        (in.loadKvaXY + in.loadKvaYZ + in.loadKvaZX) + (in.loadKvaXN + in.loadKvaYN + in.loadKvaZN);
    r.percentAvailableKVA = Divide(r.totalLoadKVA * 100, r.maxAvailableKVA);
    r.ampsXY = Divide(in.loadKvaXY * 1000, r.voltagePhaseToPhase);
    r.ampsYZ = Divide(in.loadKvaYZ * 1000, r.voltagePhaseToPhase);
    r.ampsZX = Divide(in.loadKvaZX * 1000, r.voltagePhaseToPhase);
    r.ampsXN = Divide(in.loadKvaXN * 1000, r.voltagePhaseNeutral);
    r.ampsYN = Divide(in.loadKvaYN * 1000, r.voltagePhaseNeutral);
    r.ampsZN = Divide(in.loadKvaZN * 1000, r.voltagePhaseNeutral);
    r.phasors = ThreePhaseConductorCurrents(r.ampsXY, r.ampsYZ, r.ampsZX);
    // Line-to-neutral currents are added arithmetically, not as phasors.
    r.ampsX = r.phasors.ampsX + r.ampsXN;
    r.ampsY = r.phasors.ampsY + r.ampsYN;
    r.ampsZ = r.phasors.ampsZ + r.ampsZN;
    r.percentX = Divide(r.ampsX * 100, r.maxAmpsPhase);
    r.percentY = Divide(r.ampsY * 100, r.maxAmpsPhase);
    r.percentZ = Divide(r.ampsZ * 100, r.maxAmpsPhase);
    // The line-to-line loads do not reach the neutral.
    r.ampsN = CalcNC(r.ampsXN, r.ampsYN, r.ampsZN);
    r.percentN = Divide(r.ampsN * 100, r.maxAmpsPhase);

    const std::string_view sep = decimalSeparator_;
    r.voltageNeutralText = PhaseLoadText(r.voltagePhaseNeutral, sep);
    r.ampsXYText = PhaseLoadText(r.ampsXY, sep);
    r.ampsYZText = PhaseLoadText(r.ampsYZ, sep);
    r.ampsZXText = PhaseLoadText(r.ampsZX, sep);
    r.ampsXNText = PhaseLoadText(r.ampsXN, sep);
    r.ampsYNText = PhaseLoadText(r.ampsYN, sep);
    r.ampsZNText = PhaseLoadText(r.ampsZN, sep);
    r.ampsXText = PhaseLoadText(r.ampsX, sep);
    r.ampsYText = PhaseLoadText(r.ampsY, sep);
    r.ampsZText = PhaseLoadText(r.ampsZ, sep);
    r.ampsNText = PhaseLoadText(r.ampsN, sep);
    r.percentXDisplay = Percent(r.percentX, r.percentX, sep);
    r.percentYDisplay = Percent(r.percentY, r.percentY, sep);
    r.percentZDisplay = Percent(r.percentZ, r.percentZ, sep);
    r.percentNDisplay = Percent(r.percentN, r.percentN, sep);
    r.totalLoadText = PhaseLoadText(r.totalLoadKVA, sep);
    r.percentAvailableDisplay = Percent(100 - r.percentAvailableKVA, r.percentAvailableKVA, sep);
    return r;
}

AddDevicesStatus ThreePhaseLoad::ButtonApplyClick(std::optional<double> workingVoltage,
                                                  std::string_view countText,
                                                  std::string_view wattsText,
                                                  ThreePhaseInputs& inputs) {
    if (!workingVoltage) return AddDevicesStatus::NoWorkingVoltage;
    const std::int32_t n = ParseIntegerText(countText);
    const double w = ParseFloatText(wattsText, decimalSeparator_);
    const std::int32_t q = n / 3;
    const std::int32_t rest = n % 3;
    // The one or two devices left over go to the first and then the second load.
    const double e1 = (rest == 1 || rest == 2) ? 1 : 0;
    const double e2 = rest == 2 ? 1 : 0;
    const double first = (q * w + e1 * w) / 1000;
    const double second = (q * w + e2 * w) / 1000;
    const double third = q * w / 1000;
    const auto [phaseToPhase, phaseToNeutral] = WorkingVoltages();
    if (*workingVoltage == phaseToPhase) {
        inputs.loadKvaXY += first;
        inputs.loadKvaYZ += second;
        inputs.loadKvaZX += third;
    }
    if (*workingVoltage == phaseToNeutral) {
        inputs.loadKvaXN += first;
        inputs.loadKvaYN += second;
        inputs.loadKvaZN += third;
    }
    PhaseLoadCalculation(inputs);
    return AddDevicesStatus::Added;
}

std::array<double, 2> ThreePhaseLoad::WorkingVoltages() const {
    return {RoundWorkingVoltage(result_.voltagePhaseToPhase),
            RoundWorkingVoltage(result_.voltagePhaseNeutral)};
}

std::array<std::string, 2> ThreePhaseLoad::WorkingVoltageTexts() const {
    const auto volts = WorkingVoltages();
    return {WholeNumberText(volts[0]), WholeNumberText(volts[1])};
}

const SinglePhaseResult& SinglePhaseLoad::PhaseLoadCalculationSingle(const SinglePhaseInputs& in) {
    SinglePhaseResult& r = result_;
    if (auto volts = ReadVoltageText(in.voltageText, decimalSeparator_)) {
        r.voltagePhaseToPhase1 = *volts;
    }
    r.maxAmpsPhase1 = in.maxAmpsPhase1;
    if (const double neutral = r.voltagePhaseToPhase1 / 2; std::isfinite(neutral)) {
        r.voltagePhaseNeutral1 = neutral;
    }
    // No √3: the two hot conductors of a split-phase supply are in opposition.
    r.maxAvailableKVA1 = Checked(r.voltagePhaseToPhase1 * r.maxAmpsPhase1 / 1000);
    r.totalLoadKVA1 = (in.loadKvaXN1 + in.loadKvaYN1) + in.loadKvaXY1;
    r.percentAvailableKVA1 = Divide(r.totalLoadKVA1 * 100, r.maxAvailableKVA1);
    r.ampsXN1 = Divide(in.loadKvaXN1 * 1000, r.voltagePhaseNeutral1);
    r.ampsYN1 = Divide(in.loadKvaYN1 * 1000, r.voltagePhaseNeutral1);
    r.ampsXY1 = Divide(in.loadKvaXY1 * 1000, r.voltagePhaseToPhase1);
    r.ampsX1 = Checked(r.ampsXN1 + r.ampsXY1);
    r.ampsY1 = Checked(r.ampsYN1 + r.ampsXY1);
    r.percentX1 = Divide(r.ampsX1 * 100, r.maxAmpsPhase1);
    r.percentY1 = Divide(r.ampsY1 * 100, r.maxAmpsPhase1);
    r.ampsN1 = std::fabs(r.ampsYN1 - r.ampsXN1);
    r.percentN1 = Divide(r.ampsN1 * 100, r.maxAmpsPhase1);

    const std::string_view sep = decimalSeparator_;
    r.voltageNeutralText = PhaseLoadText(r.voltagePhaseNeutral1, sep);
    r.ampsXNText = PhaseLoadText(r.ampsXN1, sep);
    r.ampsYNText = PhaseLoadText(r.ampsYN1, sep);
    r.ampsXYText = PhaseLoadText(r.ampsXY1, sep);
    r.ampsXText = PhaseLoadText(r.ampsX1, sep);
    r.ampsYText = PhaseLoadText(r.ampsY1, sep);
    r.ampsNText = PhaseLoadText(r.ampsN1, sep);
    r.percentXDisplay = Percent(r.percentX1, r.percentX1, sep);
    r.percentYDisplay = Percent(r.percentY1, r.percentY1, sep);
    r.percentNDisplay = Percent(r.percentN1, r.percentN1, sep);
    r.totalLoadText = PhaseLoadText(r.totalLoadKVA1, sep);
    r.percentAvailableDisplay = Percent(100 - r.percentAvailableKVA1, r.percentAvailableKVA1, sep);
    return r;
}

AddDevicesStatus SinglePhaseLoad::ButtonApply1Click(std::optional<double> workingVoltage,
                                                    std::string_view countText,
                                                    std::string_view wattsText,
                                                    SinglePhaseInputs& inputs) {
    if (!workingVoltage) return AddDevicesStatus::NoWorkingVoltage;
    const std::int32_t n = ParseIntegerText(countText);
    const double w = ParseFloatText(wattsText, decimalSeparator_);
    const std::int32_t q = n / 2;
    const double e = (n % 2 != 0) ? 1 : 0;
    const auto [phaseToPhase, phaseToNeutral] = WorkingVoltages();
    if (*workingVoltage == phaseToPhase) {
        inputs.loadKvaXY1 += n * w / 1000;
    }
    if (*workingVoltage == phaseToNeutral) {
        // An odd device goes to X.
        inputs.loadKvaXN1 += (q * w + e * w) / 1000;
        inputs.loadKvaYN1 += q * w / 1000;
    }
    PhaseLoadCalculationSingle(inputs);
    return AddDevicesStatus::Added;
}

std::array<double, 2> SinglePhaseLoad::WorkingVoltages() const {
    return {RoundWorkingVoltage(result_.voltagePhaseToPhase1),
            RoundWorkingVoltage(result_.voltagePhaseNeutral1)};
}

std::array<std::string, 2> SinglePhaseLoad::WorkingVoltageTexts() const {
    const auto volts = WorkingVoltages();
    return {WholeNumberText(volts[0]), WholeNumberText(volts[1])};
}

}  // namespace quillux::engine
