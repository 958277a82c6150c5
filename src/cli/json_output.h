#pragma once

#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>

namespace quillux::cli {

using Json = nlohmann::ordered_json;

// A number at full precision, or null when it is undefined (NaN or infinite).
inline Json NumberOrNull(double value) {
    if (!std::isfinite(value)) return nullptr;
    return value;
}
inline Json NumberOrNull(std::optional<double> value) {
    if (!value) return nullptr;
    return NumberOrNull(*value);
}

// Prints exactly one JSON object and a newline on standard output.
void PrintJson(const Json& object);

}  // namespace quillux::cli
