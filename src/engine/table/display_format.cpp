#include "engine/table/display_format.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "engine/number/format_float_value.h"

namespace quillux::engine {

namespace {

struct Pattern {
    std::string prefix;    // literal text before the first digit placeholder
    std::string suffix;    // literal text after it
    int integerZeros = 0;  // "0" places before the separator: digits always shown
    int decimals = 0;      // places after the separator
    int decimalZeros = 0;  // decimals always shown (up to the last "0" after the separator)
    bool hasSeparator = false;
};

std::vector<std::string_view> Sections(std::string_view pattern) {
    std::vector<std::string_view> sections;
    char quote = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ';') {
            sections.push_back(pattern.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(pattern.substr(start));
    return sections;
}

Pattern Parse(std::string_view text) {
    Pattern p;
    bool seenDigit = false;
    bool afterSeparator = false;
    char quote = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == quote)
                quote = 0;
            else
                (seenDigit ? p.suffix : p.prefix).push_back(c);
            continue;
        }
        const bool digitFollows = i + 1 < text.size() && (text[i + 1] == '#' || text[i + 1] == '0');
        if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '#' || c == '0') {
            seenDigit = true;
            if (afterSeparator) {
                ++p.decimals;
                if (c == '0') p.decimalZeros = p.decimals;
            } else if (c == '0') {
                ++p.integerZeros;
            }
        } else if (c == '.' && !afterSeparator && (seenDigit ? p.suffix.empty() : digitFollows)) {
            afterSeparator = true;
            p.hasSeparator = true;
            seenDigit = true;
        } else {
            (seenDigit ? p.suffix : p.prefix).push_back(c);
        }
    }
    return p;
}

// Decimal digits of |value| rounded to `decimals` places, halves away from zero, taken from
// its 15-significant-digit form (so 2.675 rounds to 2.68 as a user expects).
void Digits(double value, int decimals, std::string& integerPart, std::string& fractionPart) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    // buffer: d.dddddddddddddde±XX
    std::string mantissa;
    mantissa.push_back(buffer[0]);
    const char* p = buffer + 2;
    while (*p != 'e') mantissa.push_back(*p++);
    const int exponent = std::atoi(p + 1);
    // The value is 0.mantissa × 10^(exponent + 1); place the point.
    int pointAt = exponent + 1;  // digits before the point
    std::string digits = mantissa;
    if (pointAt <= 0) {
        digits.insert(0, static_cast<std::size_t>(-pointAt), '0');
        pointAt = 0;
    }
    if (static_cast<int>(digits.size()) < pointAt + decimals + 1)
        digits.append(
            static_cast<std::size_t>(pointAt + decimals + 1 - static_cast<int>(digits.size())),
            '0');
    const bool roundUp = digits[static_cast<std::size_t>(pointAt + decimals)] >= '5';
    digits.resize(static_cast<std::size_t>(pointAt + decimals));
    if (roundUp) {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9')
            digits[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0)
            ++digits[static_cast<std::size_t>(i)];
        else {
            digits.insert(digits.begin(), '1');
            ++pointAt;
        }
    }
    integerPart = digits.substr(0, static_cast<std::size_t>(pointAt));
    fractionPart = digits.substr(static_cast<std::size_t>(pointAt));
    const auto firstNonZero = integerPart.find_first_not_of('0');
    integerPart =
        firstNonZero == std::string::npos ? std::string() : integerPart.substr(firstNonZero);
}

std::string Apply(double value, const Pattern& p, bool withSign, std::string_view separator) {
    std::string integerPart, fractionPart;
    Digits(value, p.decimals, integerPart, fractionPart);
    while (static_cast<int>(fractionPart.size()) > p.decimalZeros && !fractionPart.empty() &&
           fractionPart.back() == '0')
        fractionPart.pop_back();
    if (static_cast<int>(integerPart.size()) < p.integerZeros)
        integerPart.insert(
            0, static_cast<std::size_t>(p.integerZeros - static_cast<int>(integerPart.size())),
            '0');
    const bool allZero = integerPart.find_first_not_of('0') == std::string::npos &&
                         fractionPart.find_first_not_of('0') == std::string::npos;
    std::string out = p.prefix;
    if (withSign && value < 0 && !allZero) out.push_back('-');
    out += integerPart;
    if (!fractionPart.empty()) {
        out.append(separator);
        out += fractionPart;
    }
    out += p.suffix;
    return out;
}

}  // namespace

std::string FormatDisplayPattern(double value, std::string_view pattern,
                                 std::string_view decimalSeparator) {
    if (!std::isfinite(value))
        return FormatFloatValue(value, FloatFormat::General, 15, 0, decimalSeparator);
    const auto sections = Sections(pattern);
    if (sections.size() >= 3 && value == 0.0)
        return Apply(0.0, Parse(sections[2]), false, decimalSeparator);
    if (sections.size() >= 2 && value < 0.0) {
        const Pattern negative = Parse(sections[1].empty() ? sections[0] : sections[1]);
        return Apply(-value, negative, sections[1].empty(), decimalSeparator);
    }
    return Apply(value, Parse(sections[0]), true, decimalSeparator);
}

namespace {

std::string NumberText(const std::string& format, double value, std::string_view separator) {
    if (format.empty()) return FormatFloatValue(value, FloatFormat::General, 15, 0, separator);
    return FormatDisplayPattern(value, format, separator);
}

}  // namespace

std::string DisplayText(const FieldDef& field, const Value& value,
                        std::string_view decimalSeparator) {
    switch (value.index()) {
        case 0:
            return {};
        case 1:
            return std::get<std::string>(value);
        case 2:
            return NumberText(field.displayFormat, std::get<std::int32_t>(value), decimalSeparator);
        case 3:
            return NumberText(field.displayFormat, std::get<double>(value), decimalSeparator);
        case 4:
            return std::get<bool>(value) ? "True" : "False";
        default:
            return {};
    }
}

std::string EditText(const FieldDef& field, const Value& value, std::string_view decimalSeparator) {
    switch (value.index()) {
        case 0:
            return {};
        case 1:
            return std::get<std::string>(value);
        case 2:
            return std::to_string(std::get<std::int32_t>(value));
        case 3:
            return NumberText(field.editFormat, std::get<double>(value), decimalSeparator);
        case 4:
            return std::get<bool>(value) ? "True" : "False";
        default:
            return {};
    }
}

}  // namespace quillux::engine
