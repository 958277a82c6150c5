#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace quillux::engine {

// The eleven quantities of one luminaire and its subject, in the order of the target selector
// `PhotoDropBox1` and of the remembered values `Ph_H` .. `Ph_Mf`.
enum class PhotometricQuantity { H = 0, V, D, F, C, K, X, Y, Fc, Cd, Mf };

inline constexpr int kPhotometricQuantityCount = 11;

// "H", "V", ... "Fc", "Cd", "Mf".
std::string_view PhotometricLetter(PhotometricQuantity quantity);
std::optional<PhotometricQuantity> PhotometricQuantityFromLetter(std::string_view letter);

// The item text of the target selector, blanks as the window shows them.
std::string_view PhotometricSelectorText(PhotometricQuantity quantity);

// The items of the known-quantities selector `CBKnowing` for a target, in list order.
std::span<const std::string_view> PhotometricChoiceTexts(PhotometricQuantity target);

}  // namespace quillux::engine
