#pragma once

#include <cstdint>
#include <string_view>

namespace quillux::engine {

// Reads a decimal number typed with `decimalSeparator`. Leading and trailing blanks are
// ignored; an empty text, or one that is not wholly a number, reads as 0.
double ParseFloatText(std::string_view text, std::string_view decimalSeparator = ".");

// Reads an integer box: optional sign and digits only, blanks around ignored; an empty or
// unreadable text reads as 0. Values beyond the 32-bit range saturate.
std::int32_t ParseIntegerText(std::string_view text);

}  // namespace quillux::engine
