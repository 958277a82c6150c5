#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillux::engine {

enum class ResistorColour {
    Black,
    Brown,
    Red,
    Orange,
    Yellow,
    Green,
    Blue,
    Purple,
    Gray,
    White,
    Gold,
    Silver,
    NoColor
};

struct ResistorColourInfo {
    ResistorColour colour;
    const char* name;  // "Yellow", "No Color"
    std::uint8_t red, green, blue;
    int digit;          // bands A and B; -1 when the colour has no digit
    double multiplier;  // band C; 0 when the colour is not a multiplier
    double tolerance;   // band D, per cent; 0 when the colour is not a tolerance
};

inline constexpr int kResistorColourCount = 13;
const std::array<ResistorColourInfo, kResistorColourCount>& ResistorColourTable();
const ResistorColourInfo& ResistorColourData(ResistorColour colour);
std::optional<ResistorColour> ResistorColourByName(std::string_view name);

enum class ResistorBand { A, B, C, D };
enum class ResistanceUnit { Ohms, KiloOhms, MegaOhms };

// The largest value four bands express: 99 × 10^9 ohms. A larger entry is brought down to it
// (in the unit chosen).
inline constexpr double kMaxResistanceEntry = 99'000'000'000.0;

// The up/down buttons of the entry field: the new number for `v`.
double ResistanceStep(double v, bool up);

// Band indexes of a value in ohms: digits 0..9 for A and B; C 0..9 for 10^C, 10 for gold
// (× 0.1), 11 for silver (× 0.01). No value at 10^11 ohms or more.
struct ResistorBandIndexes {
    int a = 0, b = 0, c = 0;
};
std::optional<ResistorBandIndexes> BandIndexesForOhms(double ohms);

struct ResistorResult {
    std::array<ResistorColour, 4> bands{ResistorColour::Black, ResistorColour::Black,
                                        ResistorColour::Black, ResistorColour::Brown};
    double ohms = 0;
    std::string ohmsText;      // "4700.0 Ohms (+/- 5% tolerance)"
    std::string kiloOhmsText;  // "4.7 Kilo Ohms (+/- 5% tolerance)"
    std::string megaOhmsText;  // "0.0 Mega Ohms (+/- 5% tolerance)"
};

// The colour-code calculator with its entry field; one per program run.
class ResistorColorCode {
public:
    ResistorColorCode();

    // First activation of a window: bands 0, 0, × 1, 1 % (brown), then the remembered entry
    // applied as a typed value in the unit chosen.
    void FirstActivation(double rememberedEntry);

    // A click on a band's swatch; false (and nothing changes) for a colour that band does not
    // offer. Moves the focus away from the entry field, which then shows the bands' value.
    bool ClickSwatch(ResistorBand band, ResistorColour colour);

    // The user typed `value` into the entry field (which keeps the focus).
    void EntryTyped(double value);
    // A unit button: the field's number is read in the new unit, not converted.
    void ChooseUnit(ResistanceUnit unit);
    void StepEntry(bool up);
    // "&Clear All Fields": the field becomes 0 and is applied.
    void ClearAllFields();
    void SetEntryFocus(bool focused) { entryFocused_ = focused; }

    double EntryField() const { return entryField_; }
    ResistanceUnit Unit() const { return unit_; }
    const ResistorResult& Result() const { return result_; }
    // ResistanceA (first digit × 10), ResistanceB, ResistanceC (multiplier), ResistanceD (%).
    double ResistanceA() const { return resistanceA_; }
    double ResistanceB() const { return resistanceB_; }
    double ResistanceC() const { return resistanceC_; }
    double ResistanceD() const { return resistanceD_; }
    void SetDecimalSeparator(std::string separator) { decimalSeparator_ = std::move(separator); }

private:
    void ResistanceCalculation();
    void ResistanceEntryCalculation();
    void ResistanceEntryDisplay(const ResistorBandIndexes& indexes);

    double resistanceA_ = 0, resistanceB_ = 0, resistanceC_ = 1, resistanceD_ = 1;
    double entryField_ = 0;
    bool entryFocused_ = false;
    ResistanceUnit unit_ = ResistanceUnit::Ohms;
    ResistorResult result_;
    std::string decimalSeparator_ = ".";
};

}  // namespace quillux::engine
