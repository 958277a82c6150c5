#include "engine/number/format_float_value.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quillux::engine {
namespace {

constexpr int kExpandedDigits = 18;

// Significant digits of a finite, non-zero magnitude and its decimal exponent E, so that the
// value reads 0.d1d2... × 10^E.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

// The magnitude expanded to 18 significant digits, rounded to nearest. A double converts
// exactly to long double, and the C library rounds the decimal expansion correctly.
DecimalDigits Expand(double magnitude) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", static_cast<long double>(magnitude));
    DecimalDigits result;
    const char* p = buffer;
    for (; *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') result.digits.push_back(*p);
    }
    result.exponent = std::atoi(p + 1) + 1;
    return result;
}

// Keeps `keep` leading digits, rounding up when the first dropped digit is 5 or more, and
// drops trailing zeros. An empty result means no digit survived.
DecimalDigits Cut(DecimalDigits number, int keep) {
    if (keep >= static_cast<int>(number.digits.size())) {
        keep = static_cast<int>(number.digits.size());
    } else if (keep < 0) {
        number.digits.clear();
        return number;
    } else {
        const bool roundUp = number.digits[keep] >= '5';
        number.digits.resize(keep);
        if (roundUp) {
            int i = keep - 1;
            while (i >= 0 && number.digits[i] == '9') {
                number.digits[i] = '0';
                --i;
            }
            if (i >= 0) {
                ++number.digits[i];
            } else {
                number.digits.insert(number.digits.begin(), '1');
                ++number.exponent;
            }
        }
    }
    while (!number.digits.empty() && number.digits.back() == '0') number.digits.pop_back();
    return number;
}

std::string ExponentText(int exponent, int minimumDigits, bool plusSign) {
    std::string text;
    if (exponent < 0) {
        text = "-";
    } else if (plusSign) {
        text = "+";
    }
    std::string magnitude = std::to_string(std::abs(exponent));
    if (static_cast<int>(magnitude.size()) < minimumDigits) {
        magnitude.insert(0, minimumDigits - magnitude.size(), '0');
    }
    return text + magnitude;
}

int ClampExponentDigits(int digits) {
    return (digits < 0 || digits >= 5) ? 0 : digits;
}

std::string General(const DecimalDigits& number, bool negative, int precision, int digits,
                    std::string_view separator) {
    std::string text = negative ? "-" : "";
    const int e = number.exponent;
    const std::string& d = number.digits;
    if (e > precision || e < -3) {
        text += d[0];
        if (d.size() > 1) {
            text += separator;
            text += d.substr(1);
        }
        text += 'E';
        text += ExponentText(e - 1, ClampExponentDigits(digits), false);
        return text;
    }
    if (e <= 0) {
        text += '0';
        text += separator;
        text.append(-e, '0');
        text += d;
        return text;
    }
    if (static_cast<int>(d.size()) <= e) {
        text += d;
        text.append(e - d.size(), '0');
    } else {
        text += d.substr(0, e);
        text += separator;
        text += d.substr(e);
    }
    return text;
}

}  // namespace

std::string FormatFloatValue(double value, FloatFormat format, int precision, int digits,
                             std::string_view decimalSeparator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    precision = std::clamp(precision, 2, kExpandedDigits);

    const bool negative = std::signbit(value);
    if (value == 0) {
        switch (format) {
            case FloatFormat::General:
                return "0";
            case FloatFormat::Fixed: {
                std::string text = "0";
                const int decimals = std::min(digits, kExpandedDigits);
                if (decimals > 0) {
                    text += decimalSeparator;
                    text.append(decimals, '0');
                }
                return text;
            }
            case FloatFormat::Exponent: {
                std::string text = "0";
                text += decimalSeparator;
                text.append(precision - 1, '0');
                return text + "E" + ExponentText(0, ClampExponentDigits(digits), true);
            }
        }
    }

    const DecimalDigits expanded = Expand(std::fabs(value));
    switch (format) {
        case FloatFormat::General:
            return General(Cut(expanded, precision), negative, precision, digits, decimalSeparator);
        case FloatFormat::Exponent: {
            DecimalDigits number = Cut(expanded, precision);
            std::string d = number.digits;
            d.resize(precision, '0');
            std::string text = negative ? "-" : "";
            text += d[0];
            text += decimalSeparator;
            text += d.substr(1);
            return text + "E" + ExponentText(number.exponent - 1, ClampExponentDigits(digits), true);
        }
        case FloatFormat::Fixed: {
            const int decimals = std::clamp(digits, 0, kExpandedDigits);
            DecimalDigits number =
                Cut(expanded, std::min(precision, expanded.exponent + decimals));
            if (!number.digits.empty() && number.exponent > precision) {
                return General(Cut(expanded, precision), negative, precision, digits,
                               decimalSeparator);
            }
            const std::string& d = number.digits;
            const int e = number.exponent;
            // Digit at decimal position p (0 = first digit after the point, -1 = units...).
            auto digitAt = [&](int fromPoint) -> char {
                const int index = e + fromPoint;
                if (d.empty() || index < 0 || index >= static_cast<int>(d.size())) return '0';
                return d[index];
            };
            std::string text = (negative && !d.empty()) ? "-" : "";
            if (d.empty() || e <= 0) {
                text += '0';
            } else {
                for (int p = -e; p < 0; ++p) text += digitAt(p);
            }
            if (decimals > 0) {
                text += decimalSeparator;
                for (int p = 0; p < decimals; ++p) text += digitAt(p);
            }
            return text;
        }
    }
    return {};
}

}  // namespace quillux::engine
