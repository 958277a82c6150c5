#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quillux::engine {

// One of the twelve basic-law formulas. Box names are those of TFormElectricalBasicFormula;
// `reportNumber` (1..12) is the formula's place in the printed list and its index here.
struct BasicFormulaInfo {
    int reportNumber;
    const char* formula;      // "P = I² × R"
    const char* resultBox;    // "Wattage_result1"
    const char* inputBoxA;    // "Wattage_amps1"
    const char* inputBoxB;    // "Wattage_Ohms1"
    int slotA;                // ElectricalBasicF slot of input A (1..24)
    int slotB;                // ElectricalBasicF slot of input B
    const char* suffix;       // " Watts", with its leading blank
    const char* initialText;  // what the result box reads before the first calculation
    // Report line: n, first literal, A text, second literal, B text, third literal, result.
    const char* firstLiteral;
    const char* secondLiteral;
    const char* thirdLiteral;
};

inline constexpr int kBasicFormulaCount = 12;

// The twelve formulas in report order (index = reportNumber - 1).
const std::array<BasicFormulaInfo, kBasicFormulaCount>& BasicFormulaTable();

// The value of formula `reportNumber` (1..12) for inputs A and B, or no value when it fails:
// a division by zero (0/0 included), the square root of a negative number, a result too large
// for a double, or an undefined input. Carried in extended precision.
std::optional<long double> EvaluateBasicFormula(int reportNumber, double a, double b);

// Fixed format, precision 18, two decimals, then the suffix; "Error" when there is no value.
std::string FormatBasicResult(std::optional<long double> value, std::string_view suffix,
                              std::string_view decimalSeparator = ".");

// The text the result box of formula `reportNumber` shows for inputs A and B.
std::string BasicFormulaResultText(int reportNumber, double a, double b,
                                   std::string_view decimalSeparator = ".");

// Inputs A and B of every formula, in report order.
using BasicLawInputs = std::array<std::array<double, 2>, kBasicFormulaCount>;
// Result box texts, in report order.
using BasicLawResults = std::array<std::string, kBasicFormulaCount>;

// Recomputes all twelve results; one formula's failure never touches another.
BasicLawResults ElectricalBasicLawCalculation(const BasicLawInputs& inputs,
                                              std::string_view decimalSeparator = ".");

}  // namespace quillux::engine
