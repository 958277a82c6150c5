#include "engine/photometric/photometric_quantity.h"

#include <array>

namespace quillux::engine {

namespace {

constexpr std::array<std::string_view, kPhotometricQuantityCount> kLetters = {
    "H", "V", "D", "F", "C", "K", "X", "Y", "Fc", "Cd", "Mf"};

constexpr std::array<std::string_view, kPhotometricQuantityCount> kSelectorTexts = {
    "H:  Horizontal distance from subject",
    "V:  Vertical distance from subject",
    "D:  Throw Distance in direct line",
    "F:  Beam or Field Angle",
    "C:  Focus Angle Off Horizontal",
    "K:  Focus Angle Off Vertical",
    "X:  Beam Oval Width",
    "Y:  Beam Oval Length",
    "Fc:  FootCandle  or Lx: Lux ",
    "Cd:  Candlepower",
    "mF:  Magnification factor",
};

constexpr std::string_view kChoicesH[] = {"D and V", "C and V", "D and C", "D and K", "K and V"};
constexpr std::string_view kChoicesV[] = {"D and H", "C and H", "D and C", "D and K", "K and H"};
constexpr std::string_view kChoicesD[] = {"X and F", "X and Mf", "V and H", "H and C",
                                          "C and V", "H and K",  "K and V", "Cd and Fc"};
constexpr std::string_view kChoicesF[] = {"Mf", "D and X"};
constexpr std::string_view kChoicesC[] = {"H and V", "D and V", "D and H", "K"};
constexpr std::string_view kChoicesK[] = {"H and V", "D and V", "D and H", "C"};
constexpr std::string_view kChoicesX[] = {"D and F", "D and Mf"};
constexpr std::string_view kChoicesY[] = {"V, F and K"};
constexpr std::string_view kChoicesFc[] = {"D (feet) and Cd", "D (meter) and Cd", "Lux",
                                           "Footcandles"};
constexpr std::string_view kChoicesCd[] = {"D (feet) and Fc", "D (meter) and Fc"};
constexpr std::string_view kChoicesMf[] = {"F", "X and D"};

const std::array<std::span<const std::string_view>, kPhotometricQuantityCount> kChoices = {
    kChoicesH, kChoicesV, kChoicesD,  kChoicesF,  kChoicesC, kChoicesK,
    kChoicesX, kChoicesY, kChoicesFc, kChoicesCd, kChoicesMf};

std::size_t IndexOf(PhotometricQuantity quantity) { return static_cast<std::size_t>(quantity); }

}  // namespace

std::string_view PhotometricLetter(PhotometricQuantity quantity) {
    return kLetters.at(IndexOf(quantity));
}

std::optional<PhotometricQuantity> PhotometricQuantityFromLetter(std::string_view letter) {
    for (std::size_t i = 0; i < kLetters.size(); ++i) {
        if (kLetters[i] == letter) return static_cast<PhotometricQuantity>(i);
    }
    return std::nullopt;
}

std::string_view PhotometricSelectorText(PhotometricQuantity quantity) {
    return kSelectorTexts.at(IndexOf(quantity));
}

std::span<const std::string_view> PhotometricChoiceTexts(PhotometricQuantity target) {
    return kChoices.at(IndexOf(target));
}

}  // namespace quillux::engine
