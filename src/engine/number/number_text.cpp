#include "engine/number/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace quillux::engine {
namespace {

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

double ParseFloatText(std::string_view text, std::string_view decimalSeparator) {
    text = Trim(text);
    if (text.empty()) return 0;
    std::string normalised;
    normalised.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (!decimalSeparator.empty() && text.substr(i, decimalSeparator.size()) == decimalSeparator) {
            normalised += '.';
            i += decimalSeparator.size();
        } else if (text[i] == '.' && decimalSeparator != ".") {
            return 0;  // a "." where the locale writes another separator is not a number
        } else {
            normalised += text[i++];
        }
    }
    const char* first = normalised.data();
    const char* last = normalised.data() + normalised.size();
    if (*first == '+') {
        ++first;
        if (first == last || *first == '+' || *first == '-') return 0;
    }
    double value = 0;
    auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || !std::isfinite(value)) return 0;
    return value;
}

std::int32_t ParseIntegerText(std::string_view text) {
    text = Trim(text);
    if (text.empty()) return 0;
    if (text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '+' || text.front() == '-') return 0;
    }
    long long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size()) return 0;
    if (error == std::errc::result_out_of_range) {
        return text.front() == '-' ? std::numeric_limits<std::int32_t>::min()
                                   : std::numeric_limits<std::int32_t>::max();
    }
    if (error != std::errc()) return 0;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

}  // namespace quillux::engine
