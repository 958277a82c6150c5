#include "engine/converter/unit_conversion.h"

#include <numbers>

namespace quillux::engine {
namespace {

struct Unit {
    const char* name;
    long double size;  // in the category's base unit
};

constexpr Unit kMass[] = {
    {"Milligrams", 0.001L},        {"Centigrams", 0.01L},        {"Grams", 1.0L},
    {"Kilograms", 1000.0L},        {"Ounces", 28.349523125L},    {"Pounds", 453.59237L},
    {"Tons, Long", 1016046.9088L}, {"Tons, Metric", 1000000.0L}, {"Tons, Short", 907184.74L},
};

constexpr Unit kVolume[] = {
    {"Milliliters", 0.001L},
    {"Liters", 1.0L},
    {"Cubic Centimeters", 0.001L},
    {"Cubic Meter", 1000.0L},
    {"Cubic Inches", 0.016387064L},
    {"Cubic Feet", 28.316846592L},
    {"Fluid Ounces", 0.0295735295625L},
    {"Gallons", 3.785411784L},
    {"Liquid Pints", 0.473176473L},
    {"Liquid Quarts", 0.946352946L},
};

// A year is 365 days; decade, century and millennium are 10, 100 and 1000 such years.
constexpr Unit kTime[] = {
    {"Nanosecond", 1e-9L},
    {"Microsecond", 1e-6L},
    {"Millisecond", 0.001L},
    {"Second", 1.0L},
    {"Minute", 60.0L},
    {"Hour", 3600.0L},
    {"Day", 86400.0L},
    {"Week", 604800.0L},
    {"Month (30days)", 2592000.0L},
    {"Year", 31536000.0L},
    {"Leap year", 31622400.0L},
    {"Decade", 315360000.0L},
    {"Century", 3153600000.0L},
    {"Millennium", 31536000000.0L},
};

constexpr Unit kSpeed[] = {
    {"Kilometer/hour", 1000.0L / 3600.0L},
    {"Meter/minute", 1.0L / 60.0L},
    {"Centimeter/second", 0.01L},
    {"Mile/Hour", 0.44704L},
    {"Foot/minute", 0.00508L},
    {"Inch/second", 0.0254L},
    {"Knot", 1852.0L / 3600.0L},
    {"Mach", 331.46L},
    {"C (light)", 299792458.0L},
};

// The acre is the United States survey acre: 43 560 square survey feet of 1200/3937 m.
constexpr long double kSurveyFootMetres = 1200.0L / 3937.0L;

constexpr Unit kArea[] = {
    {"Square Milimimeters", 0.000001L},
    {"Square Centimeters", 0.0001L},
    {"Square Meters", 1.0L},
    {"Square Kilometers", 1000000.0L},
    {"Square Inches", 0.00064516L},
    {"Square Feet", 0.09290304L},
    {"Square Yards", 0.83612736L},
    {"Square Miles", 2589988.110336L},
    {"Acres", 43560.0L * kSurveyFootMetres* kSurveyFootMetres},
    {"Hectares", 10000.0L},
};

constexpr Unit kLength[] = {
    {"Nanometers", 1e-9L},   {"Milimeters", 0.001L},
    {"Centimeters", 0.01L},  {"Meters", 1.0L},
    {"Kilometers", 1000.0L}, {"Inches", 0.0254L},
    {"Feet", 0.3048L},       {"Yards", 0.9144L},
    {"Miles", 1609.344L},    {"LightYear", 9460528400000000.0L},
};

// Lambert and stilb are luminance units, set against illuminance by these fixed ratios.
constexpr long double kSquareFootM2 = 0.09290304L;
constexpr Unit kLight[] = {
    {"Flame", 4.0L / kSquareFootM2},
    {"Foot-Candle", 1.0L / kSquareFootM2},
    {"Meter-Candle", 1.0L},
    {"lambert", 40000.0L},
    {"Lux", 1.0L},
    {"Phot", 10000.0L},
    {"sb", 40000.0L * std::numbers::pi_v<long double>},
};

constexpr const char* kTemperatureNames[] = {"Celcius", "Fahrenheit", "Kelvin"};

// Mass pairs whose factor is a fixed shorter value, used exactly rather than the ratio of
// the sizes; the reverse pairs use the full ratio.
struct FixedFactor {
    int from;
    int to;
    long double factor;
};
constexpr FixedFactor kFixedMassFactors[] = {
    {1, 4, 0.00035274L},   // Centigrams -> Ounces
    {1, 5, 0.000022046L},  // Centigrams -> Pounds
    {1, 8, 0.000000011L},  // Centigrams -> Tons, Short
    {2, 4, 0.03527L},      // Grams -> Ounces
    {2, 5, 0.002205L},     // Grams -> Pounds
};

std::span<const Unit> Units(UnitCategory category) {
    switch (category) {
        case UnitCategory::Mass:
            return kMass;
        case UnitCategory::Volume:
            return kVolume;
        case UnitCategory::Time:
            return kTime;
        case UnitCategory::Speed:
            return kSpeed;
        case UnitCategory::Area:
            return kArea;
        case UnitCategory::Length:
            return kLength;
        case UnitCategory::Light:
            return kLight;
        case UnitCategory::Temperature:
            return {};
    }
    return {};
}

constexpr double kFahrenheitPerKelvin = 1.8;
constexpr double kFahrenheitAtZeroCelsius = 32;
constexpr double kKelvinAtZeroCelsius = 273.15;

double ConvertTemperature(int from, int to, double x) {
    enum { Celsius, Fahrenheit, Kelvin };
    if (from == to) return x * 1;
    switch (from) {
        case Celsius:
            return to == Fahrenheit ? x * kFahrenheitPerKelvin + kFahrenheitAtZeroCelsius
                                    : x + kKelvinAtZeroCelsius;
        case Fahrenheit:
            return to == Celsius ? (x - kFahrenheitAtZeroCelsius) / kFahrenheitPerKelvin
                                 : (x - kFahrenheitAtZeroCelsius) / kFahrenheitPerKelvin +
                                       kKelvinAtZeroCelsius;
        default:
            return to == Celsius ? x - kKelvinAtZeroCelsius
                                 : (x - kKelvinAtZeroCelsius) * kFahrenheitPerKelvin +
                                       kFahrenheitAtZeroCelsius;
    }
}

}  // namespace

std::string_view UnitCategoryKey(UnitCategory category) {
    switch (category) {
        case UnitCategory::Mass:
            return "mass";
        case UnitCategory::Volume:
            return "volume";
        case UnitCategory::Time:
            return "time";
        case UnitCategory::Speed:
            return "speed";
        case UnitCategory::Area:
            return "area";
        case UnitCategory::Length:
            return "length";
        case UnitCategory::Light:
            return "light";
        case UnitCategory::Temperature:
            return "temperature";
    }
    return {};
}

std::optional<UnitCategory> UnitCategoryFromKey(std::string_view key) {
    for (UnitCategory category : kUnitCategories) {
        if (UnitCategoryKey(category) == key) return category;
    }
    return std::nullopt;
}

std::vector<std::string> UnitNames(UnitCategory category) {
    std::vector<std::string> names;
    if (category == UnitCategory::Temperature) {
        for (const char* name : kTemperatureNames) names.emplace_back(name);
    } else {
        for (const Unit& unit : Units(category)) names.emplace_back(unit.name);
    }
    return names;
}

int UnitCount(UnitCategory category) {
    if (category == UnitCategory::Temperature) return std::size(kTemperatureNames);
    return static_cast<int>(Units(category).size());
}

std::optional<long double> UnitSize(UnitCategory category, int index) {
    const auto units = Units(category);
    if (index < 0 || index >= static_cast<int>(units.size())) return std::nullopt;
    return units[index].size;
}

std::optional<long double> ConversionFactor(UnitCategory category, int from, int to) {
    const auto fromSize = UnitSize(category, from);
    const auto toSize = UnitSize(category, to);
    if (!fromSize || !toSize) return std::nullopt;
    if (from == to) return 1.0L;
    if (category == UnitCategory::Mass) {
        for (const FixedFactor& fixed : kFixedMassFactors) {
            if (fixed.from == from && fixed.to == to) return fixed.factor;
        }
    }
    return *fromSize / *toSize;
}

std::optional<double> ConvertUnit(UnitCategory category, int from, int to, double value) {
    if (category == UnitCategory::Temperature) {
        const int count = UnitCount(category);
        if (from < 0 || from >= count || to < 0 || to >= count) return std::nullopt;
        return ConvertTemperature(from, to, value);
    }
    const auto factor = ConversionFactor(category, from, to);
    if (!factor) return std::nullopt;
    return static_cast<double>(value * *factor);
}

}  // namespace quillux::engine
