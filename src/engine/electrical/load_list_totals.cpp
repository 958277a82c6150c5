#include "engine/electrical/load_list_totals.h"

#include <cmath>
#include <limits>

#include "engine/electrical/phase_load.h"
#include "engine/number/format_float_value.h"

namespace quillux::engine {
namespace {

std::string ShortestForm(double value) {
    return FormatFloatValue(value, FloatFormat::General, 15, 0);
}

std::string VoltageFooter(const LoadListVoltages& voltages) {
    return ShortestForm(voltages.phaseNeutral) + "/" + ShortestForm(voltages.phaseToPhase) + "V";
}

bool IsPlaceholder(char c) { return c == '#' || c == '0' || c == '.' || c == ','; }

}  // namespace

std::int64_t LoadListSums::ToTenThousandths(double value) {
    const double scaled = std::nearbyint(value * 10000.0);
    if (std::isnan(scaled)) return 0;
    constexpr double kLimit = 9.0e18;
    if (scaled >= kLimit) return static_cast<std::int64_t>(kLimit);
    if (scaled <= -kLimit) return static_cast<std::int64_t>(-kLimit);
    return static_cast<std::int64_t>(scaled);
}

void LoadListSums::Add(const LoadListColumnValues& values) {
    // Saturating adds: a hand-made file may hold absurd values, which must not wrap around.
    const auto add = [](std::int64_t& sum, double value) {
        const std::int64_t part = ToTenThousandths(value);
        std::int64_t result = 0;
        if (__builtin_add_overflow(sum, part, &result)) {
            result = part > 0 ? std::numeric_limits<std::int64_t>::max()
                              : std::numeric_limits<std::int64_t>::min();
        }
        sum = result;
    };
    if (values.named) ++count_;
    add(watts_, values.watts);
    add(amperage_, values.amperage);
    add(ampX_, values.ampX);
    add(ampY_, values.ampY);
    add(ampZ_, values.ampZ);
    add(ampXN_, values.ampXN);
    add(ampYN_, values.ampYN);
    add(ampZN_, values.ampZN);
}

std::string FormatLoadListPattern(double value, std::string_view pattern,
                                  std::string_view decimalSeparator) {
    std::string before;
    std::string after;
    int integerZeros = 0;
    int fractionZeros = 0;
    int fractionPlaces = 0;
    bool inNumber = false;
    bool numberDone = false;
    bool pastPoint = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        std::string& literal = inNumber || numberDone ? after : before;
        if (c == '\'' || c == '"') {
            const std::size_t close = pattern.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
            literal.append(pattern.substr(i + 1, end - i - 1));
            i = end;
            if (inNumber) {
                inNumber = false;
                numberDone = true;
            }
            continue;
        }
        if (!numberDone && IsPlaceholder(c)) {
            inNumber = true;
            if (c == '.') {
                pastPoint = true;
            } else if (c == '0') {
                if (pastPoint) {
                    ++fractionZeros;
                    ++fractionPlaces;
                } else {
                    ++integerZeros;
                }
            } else if (c == '#' && pastPoint) {
                ++fractionPlaces;
            }
            continue;
        }
        if (inNumber) {
            inNumber = false;
            numberDone = true;
        }
        (numberDone ? after : before) += c;
    }

    const std::string fixed = FormatFloatValue(value, FloatFormat::Fixed, 18, fractionPlaces, ".");
    if (fixed.find_first_of("EINA") != std::string::npos) return before + fixed + after;
    std::string_view digits = fixed;
    std::string sign;
    if (!digits.empty() && digits.front() == '-') {
        sign = "-";
        digits.remove_prefix(1);
    }
    const std::size_t point = digits.find('.');
    std::string integer(digits.substr(0, point));
    std::string fraction(point == std::string_view::npos ? std::string_view()
                                                         : digits.substr(point + 1));
    while (static_cast<int>(fraction.size()) > fractionZeros && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (integer == "0" && integerZeros == 0) integer.clear();
    while (static_cast<int>(integer.size()) < integerZeros) integer.insert(integer.begin(), '0');
    std::string text = before + sign + integer;
    if (!fraction.empty()) {
        text += decimalSeparator;
        text += fraction;
    }
    return text + after;
}

LoadListFooters AfterPostCalclulate1(const LoadListSums& sums, const LoadListVoltages& voltages,
                                     std::string_view decimalSeparator) {
    LoadListFooters f;
    const auto pattern = [&](double value, std::string_view p) {
        return FormatLoadListPattern(value, p, decimalSeparator);
    };
    f.count = "Qty of Device: " + std::to_string(sums.Count());
    f.watts = pattern(sums.Watts(), "#.# W");
    f.voltage = VoltageFooter(voltages);
    f.amperage = pattern(sums.Amperage(), "#.# A");
    f.phase = "1-Ph";
    f.ampX = pattern(sums.AmpX(), "#.# A");
    f.ampY = pattern(sums.AmpY(), "#.# A");
    f.ampZ = pattern(sums.AmpZ(), "#.# A");
    // The X-Y devices load both hot conductors alike and cancel in the neutral.
    f.conductorX = sums.AmpX();
    f.conductorY = sums.AmpY();
    f.neutral = std::fabs(sums.AmpX() - sums.AmpY());
    f.ampN = pattern(f.neutral, "0.# A");
    f.totalX = pattern(f.conductorX, "Total Amps X: 0.# A");
    f.totalY = pattern(f.conductorY, "Total Amps Y: 0.# A");
    return f;
}

LoadListFooters AfterPostCalclulate3(const LoadListSums& sums, const LoadListVoltages& voltages,
                                     std::string_view decimalSeparator) {
    LoadListFooters f;
    const auto pattern = [&](double value, std::string_view p) {
        return FormatLoadListPattern(value, p, decimalSeparator);
    };
    // The column sums stand in for the loads of the phase-load calculator: X-Y, Y-Z, Z-X
    // line-to-line, then each conductor adds its line-to-neutral sum arithmetically.
    const LineToLineConductorCurrents lineToLine =
        ThreePhaseConductorCurrents(sums.AmpX(), sums.AmpY(), sums.AmpZ());
    f.conductorX = lineToLine.ampsX + sums.AmpXN();
    f.conductorY = lineToLine.ampsY + sums.AmpYN();
    f.conductorZ = lineToLine.ampsZ + sums.AmpZN();
    // Taken from the conductor totals, so the line-to-line devices count in it as well.
    f.neutral = CalcNC(f.conductorX, f.conductorY, f.conductorZ);

    f.count = "Qty of Device: " + std::to_string(sums.Count());
    f.watts = pattern(sums.Watts(), "#.# W");
    f.voltage = VoltageFooter(voltages);
    f.amperage = pattern(sums.Amperage(), "#.# A");
    f.phase = "3-Ph";
    f.ampX = pattern(sums.AmpX(), "#.# A");
    f.ampY = pattern(sums.AmpY(), "#.# A");
    f.ampZ = pattern(sums.AmpZ(), "#.# A");
    f.ampXN = pattern(sums.AmpXN(), "#.# A");
    f.ampYN = pattern(sums.AmpYN(), "#.# A");
    f.ampZN = pattern(sums.AmpZN(), "#.# A");
    f.ampN = pattern(f.neutral, "0.# A");
    f.totalX = pattern(f.conductorX, "Total Amps X: 0.# A");
    f.totalY = pattern(f.conductorY, "Total Amps Y: 0.# A");
    f.totalZ = pattern(f.conductorZ, "Total Amps Z: 0.# A");
    return f;
}

LoadListFooters LoadListTotals(LoadListSystem system, const LoadListSums& sums,
                               const LoadListVoltages& voltages,
                               std::string_view decimalSeparator) {
    return system == LoadListSystem::ThreePhase
               ? AfterPostCalclulate3(sums, voltages, decimalSeparator)
               : AfterPostCalclulate1(sums, voltages, decimalSeparator);
}

}  // namespace quillux::engine
