#include "engine/resistor/resistor_color_code.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/number/format_float_value.h"

namespace quillux::engine {
namespace {

using C = ResistorColour;

constexpr std::array<ResistorColourInfo, kResistorColourCount> kColours = {{
    {C::Black, "Black", 0, 0, 0, 0, 1, 0},
    {C::Brown, "Brown", 128, 64, 0, 1, 10, 1},
    {C::Red, "Red", 255, 0, 0, 2, 100, 2},
    {C::Orange, "Orange", 255, 128, 0, 3, 1e3, 3},
    {C::Yellow, "Yellow", 255, 255, 0, 4, 1e4, 4},
    {C::Green, "Green", 0, 128, 0, 5, 1e5, 0},
    {C::Blue, "Blue", 0, 0, 255, 6, 1e6, 0},
    {C::Purple, "Purple", 128, 0, 128, 7, 1e7, 0},
    {C::Gray, "Gray", 128, 128, 128, 8, 1e8, 0},
    {C::White, "White", 255, 255, 255, 9, 1e9, 0},
    {C::Gold, "Gold", 190, 165, 61, -1, 0.1, 5},
    {C::Silver, "Silver", 192, 192, 192, -1, 0.01, 10},
    {C::NoColor, "No Color", 64, 0, 0, -1, 0, 20},  // the resistor body's colour
}};

constexpr int kGoldIndex = 10;
constexpr int kSilverIndex = 11;

ResistorColour ColourOfBandC(int index) {
    if (index == kGoldIndex) return C::Gold;
    if (index == kSilverIndex) return C::Silver;
    return static_cast<ResistorColour>(index);
}

double MultiplierOfBandC(int index) {
    if (index == kGoldIndex) return 0.1;
    if (index == kSilverIndex) return 0.01;
    return std::pow(10.0, index);
}

// Drops the noise of binary arithmetic (0.1 + 0.2 = 0.30000000000000004) so that the digits
// read are those of the decimal number the user sees.
double DecimalClean(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.12g", value);
    return std::strtod(buffer, nullptr);
}

}  // namespace

const std::array<ResistorColourInfo, kResistorColourCount>& ResistorColourTable() {
    return kColours;
}

const ResistorColourInfo& ResistorColourData(ResistorColour colour) {
    return kColours[static_cast<int>(colour)];
}

std::optional<ResistorColour> ResistorColourByName(std::string_view name) {
    for (const auto& info : kColours) {
        if (name == info.name) return info.colour;
    }
    return std::nullopt;
}

double ResistanceStep(double v, bool up) {
    if (!(v >= 0.1)) return 0.1;  // also an unreadable field, read as 0
    double step = 0;
    if (v < 10) {
        step = 0.1;
    } else if (v < 100) {
        step = 1;
    } else if (v < 1000) {
        step = 10;
    } else if (v < 1e10) {
        // 10^k up to below 10^(k+1), k = 3..9: a step of 10^(k-1).
        step = std::pow(10.0, std::floor(std::log10(v)) - 1);
        if (step * 10 > v) step /= 10;  // log10 rounded up just below a power of ten
    } else {
        return v;
    }
    return DecimalClean(up ? v + step : v - step);
}

std::optional<ResistorBandIndexes> BandIndexesForOhms(double ohms) {
    ResistorBandIndexes bands;
    if (std::isnan(ohms) || ohms <= 0) return bands;
    if (std::isinf(ohms)) return std::nullopt;
    // Fifteen significant digits: a value's binary representation error (2.9 is stored as
    // 2.89999...) never lowers the second digit; further digits are then dropped, not rounded.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", ohms);
    const int exponent = std::atoi(std::strchr(buffer, 'e') + 1);  // "d.dddddddddddddde+XX"
    if (exponent >= 11) return std::nullopt;
    if (exponent < -1) return bands;  // below 0.1: black, black, black
    bands.a = buffer[0] - '0';
    bands.b = buffer[2] - '0';
    if (exponent == -1) {
        bands.c = kSilverIndex;
    } else if (exponent == 0) {
        bands.c = kGoldIndex;
    } else {
        bands.c = exponent - 1;
    }
    return bands;
}

ResistorColorCode::ResistorColorCode() { ResistanceCalculation(); }

void ResistorColorCode::FirstActivation(double rememberedEntry) {
    resistanceA_ = 0;
    resistanceB_ = 0;
    resistanceC_ = 1;
    resistanceD_ = 1;
    result_.bands[3] = C::Brown;
    entryField_ = rememberedEntry;
    ResistanceEntryCalculation();
}

bool ResistorColorCode::ClickSwatch(ResistorBand band, ResistorColour colour) {
    const ResistorColourInfo& info = ResistorColourData(colour);
    switch (band) {
        case ResistorBand::A:
        case ResistorBand::B:
            if (info.digit < 0) return false;
            break;
        case ResistorBand::C:
            if (info.multiplier == 0) return false;
            break;
        case ResistorBand::D:
            if (info.tolerance == 0) return false;
            break;
    }
    entryFocused_ = false;
    switch (band) {
        case ResistorBand::A:
            resistanceA_ = info.digit * 10.0;
            break;
        case ResistorBand::B:
            resistanceB_ = info.digit;
            break;
        case ResistorBand::C:
            resistanceC_ = info.multiplier;
            break;
        case ResistorBand::D:
            resistanceD_ = info.tolerance;
            break;
    }
    result_.bands[static_cast<int>(band)] = colour;
    ResistanceCalculation();
    return true;
}

void ResistorColorCode::EntryTyped(double value) {
    entryFocused_ = true;
    entryField_ = value;
    ResistanceEntryCalculation();
}

void ResistorColorCode::ChooseUnit(ResistanceUnit unit) {
    unit_ = unit;
    ResistanceEntryCalculation();
}

void ResistorColorCode::StepEntry(bool up) {
    entryFocused_ = true;
    entryField_ = ResistanceStep(entryField_, up);
    ResistanceEntryCalculation();
}

void ResistorColorCode::ClearAllFields() {
    entryField_ = 0;
    ResistanceEntryCalculation();
}

void ResistorColorCode::ResistanceEntryCalculation() {
    if (std::isnan(entryField_)) entryField_ = 0;
    double factor = 1;
    if (unit_ == ResistanceUnit::KiloOhms) factor = 1e3;
    if (unit_ == ResistanceUnit::MegaOhms) factor = 1e6;
    // The cap applies to the resistance, not to the number typed: 200 000 in mega-ohms would
    // otherwise leave the bands and results of an earlier value beside the new entry.
    const double largestInUnit = kMaxResistanceEntry / factor;
    if (entryField_ > largestInUnit) entryField_ = largestInUnit;
    if (auto indexes = BandIndexesForOhms(entryField_ * factor)) ResistanceEntryDisplay(*indexes);
}

void ResistorColorCode::ResistanceEntryDisplay(const ResistorBandIndexes& indexes) {
    result_.bands[0] = static_cast<ResistorColour>(indexes.a);
    result_.bands[1] = static_cast<ResistorColour>(indexes.b);
    result_.bands[2] = ColourOfBandC(indexes.c);
    resistanceA_ = indexes.a * 10.0;
    resistanceB_ = indexes.b;
    resistanceC_ = MultiplierOfBandC(indexes.c);
    ResistanceCalculation();
}

void ResistorColorCode::ResistanceCalculation() {
    const std::string_view sep = decimalSeparator_;
    const double r = (resistanceA_ + resistanceB_) * resistanceC_;
    const std::string tolerance = " (+/- " +
                                  FormatFloatValue(resistanceD_, FloatFormat::General, 15, 0, sep) +
                                  "% tolerance)";
    result_.ohms = r;
    result_.ohmsText = FormatFloatValue(r, FloatFormat::Fixed, 18, 1, sep) + " Ohms" + tolerance;
    result_.kiloOhmsText =
        FormatFloatValue(r / 1e3, FloatFormat::Fixed, 8, 1, sep) + " Kilo Ohms" + tolerance;
    result_.megaOhmsText =
        FormatFloatValue(r / 1e6, FloatFormat::Fixed, 18, 1, sep) + " Mega Ohms" + tolerance;
    if (!entryFocused_) {
        if (unit_ == ResistanceUnit::Ohms) entryField_ = r;
        if (unit_ == ResistanceUnit::KiloOhms) entryField_ = r / 1e3;
        if (unit_ == ResistanceUnit::MegaOhms) entryField_ = r / 1e6;
    }
}

}  // namespace quillux::engine
