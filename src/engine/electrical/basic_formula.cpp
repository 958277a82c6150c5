#include "engine/electrical/basic_formula.h"

#include <cfloat>
#include <cmath>

#include "engine/number/format_float_value.h"

namespace quillux::engine {
namespace {

constexpr std::array<BasicFormulaInfo, kBasicFormulaCount> kFormulas = {{
    {1, "P = I² × R", "Wattage_result1", "Wattage_amps1", "Wattage_Ohms1", 13, 14, " Watts",
     "Watts", ": (", " Amps² * ", " Ohms) = "},
    {2, "P = E² / R", "Wattage_result3", "Wattage_volts3", "Wattage_Ohms3", 17, 18, " Watts",
     "Watts", ": (", " Volts² / ", " Ohms) = "},
    {3, "P = E × I", "Wattage_result2", "Wattage_Volts2", "Wattage_amps2", 15, 16, " Watts",
     "Watts", ": (", " Volts * ", " Amps) = "},
    {4, "I = √(P / R)", "Amperage_Result3", "Amperage_watts3", "Amperage_Ohms3", 11, 12, " Amps",
     "Amps", ": (SQRT(", " Watts) / ", " Ohms) = "},
    {5, "I = P / E", "Amperage_Result2", "Amperage_Watts2", "Amperage_Volts2", 9, 10, " Amps",
     "Amps", ": (", " Watts / ", " Volts) = "},
    {6, "I = E / R", "Amperage_Result1", "Amperage_Volts1", "Amperage_Ohms1", 7, 8, " Amps", "Amps",
     ": (", " Volts / ", " Omhs) = "},
    {7, "E = I × R", "Voltage_Result1", "Voltage_amps1", "Voltage_Ohms1", 1, 2, " Volts", "Volt",
     ": (", " Amps * ", " Omhs) = "},
    {8, "E = P / I", "Voltage_Result2", "Voltage_Watts2", "Voltage_Amps2", 3, 4, " Volts", "Volt",
     ": (", " Watts / ", " Amps) = "},
    {9, "E = √(P × R)", "Voltage_Result3", "Voltage_Watts3", "Voltage_Ohms3", 5, 6, " Volts",
     "Volt", ": (SQRT(", ") Watts * ", " Ohms) = "},
    {10, "R = E / I", "Resistance_Result1", "Resistance_Volt1", "Resistance_Amps1", 19, 20, " Ohms",
     "Ohms", ": (", " Volts / ", " Amps) = "},
    {11, "R = E² / P", "Resistance_Result3", "Resistance_Volt3", "Resistance_Watts3", 23, 24,
     " Ohms", "Ohms", ": (", " Volts² / ", " Watts) = "},
    {12, "R = P / I²", "Resistance_Result2", "Resistance_Watts2", "Resistance_Amps2", 21, 22,
     " Ohms", "Ohms", ": (", " Watts / ", " Amps²) = "},
}};

std::optional<long double> Quotient(long double dividend, long double divisor) {
    if (divisor == 0) return std::nullopt;
    return dividend / divisor;
}

std::optional<long double> Root(std::optional<long double> radicand) {
    if (!radicand || *radicand < 0) return std::nullopt;
    return std::sqrt(*radicand);
}

}  // namespace

const std::array<BasicFormulaInfo, kBasicFormulaCount>& BasicFormulaTable() { return kFormulas; }

std::optional<long double> EvaluateBasicFormula(int reportNumber, double a, double b) {
    const long double x = a;
    const long double y = b;
    std::optional<long double> value;
    switch (reportNumber) {
        case 1:
            value = x * x * y;
            break;  // P = I² × R
        case 2:
            value = Quotient(x * x, y);
            break;  // P = E² / R
        case 3:
            value = x * y;
            break;  // P = E × I
        case 4:
            value = Root(Quotient(x, y));
            break;  // I = √(P / R)
        case 5:
            value = Quotient(x, y);
            break;  // I = P / E
        case 6:
            value = Quotient(x, y);
            break;  // I = E / R
        case 7:
            value = x * y;
            break;  // E = I × R
        case 8:
            value = Quotient(x, y);
            break;  // E = P / I
        case 9:
            value = Root(x * y);
            break;  // E = √(P × R)
        case 10:
            value = Quotient(x, y);
            break;  // R = E / I
        case 11:
            value = Quotient(x * x, y);
            break;  // R = E² / P
        case 12:
            value = Quotient(x, y * y);
            break;  // R = P / I²
        default:
            return std::nullopt;
    }
    // The extended intermediate cannot overflow where a double would; a result that no
    // double can hold is still an overflow for the result box.
    if (!value || !std::isfinite(*value) || std::fabs(*value) > DBL_MAX) return std::nullopt;
    return value;
}

std::string FormatBasicResult(std::optional<long double> value, std::string_view suffix,
                              std::string_view decimalSeparator) {
    if (!value) return "Error";
    return FormatFloatValue(static_cast<double>(*value), FloatFormat::Fixed, 18, 2,
                            decimalSeparator) +
           std::string(suffix);
}

std::string BasicFormulaResultText(int reportNumber, double a, double b,
                                   std::string_view decimalSeparator) {
    if (reportNumber < 1 || reportNumber > kBasicFormulaCount) return "Error";
    return FormatBasicResult(EvaluateBasicFormula(reportNumber, a, b),
                             kFormulas[reportNumber - 1].suffix, decimalSeparator);
}

BasicLawResults ElectricalBasicLawCalculation(const BasicLawInputs& inputs,
                                              std::string_view decimalSeparator) {
    BasicLawResults results;
    for (int i = 0; i < kBasicFormulaCount; ++i) {
        results[i] = BasicFormulaResultText(i + 1, inputs[i][0], inputs[i][1], decimalSeparator);
    }
    return results;
}

}  // namespace quillux::engine
