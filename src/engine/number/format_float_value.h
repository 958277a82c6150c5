#pragma once

#include <string>
#include <string_view>

namespace quillux::engine {

enum class FloatFormat { General = 0, Exponent = 1, Fixed = 2 };

// The program's one number-to-text conversion. `precision` is the number of significant digits
// (clamped to 2..18); `digits` is the number of decimals for Fixed, or the minimum number of
// exponent digits for General and Exponent. Never inserts thousands separators.
std::string FormatFloatValue(double value, FloatFormat format, int precision, int digits,
                             std::string_view decimalSeparator = ".");

}  // namespace quillux::engine
