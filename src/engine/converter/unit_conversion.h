#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillux::engine {

enum class UnitCategory { Mass, Volume, Time, Speed, Area, Length, Light, Temperature };

inline constexpr UnitCategory kUnitCategories[] = {
    UnitCategory::Mass, UnitCategory::Volume, UnitCategory::Time,  UnitCategory::Speed,
    UnitCategory::Area, UnitCategory::Length, UnitCategory::Light, UnitCategory::Temperature};

// "mass", "volume", ... as the command line names them.
std::string_view UnitCategoryKey(UnitCategory category);
std::optional<UnitCategory> UnitCategoryFromKey(std::string_view key);

// Unit names of a category in list order (the index is the list position).
std::vector<std::string> UnitNames(UnitCategory category);
int UnitCount(UnitCategory category);

// Size of a unit in its category's base unit (gram, litre, second, m/s, m², metre, lux);
// no value for temperature or an index outside the list.
std::optional<long double> UnitSize(UnitCategory category, int index);

// The factor value(to) = value(from) × factor of a proportional category.
std::optional<long double> ConversionFactor(UnitCategory category, int from, int to);

// `value` in unit `from` expressed in unit `to`; no result when an index is outside the list.
std::optional<double> ConvertUnit(UnitCategory category, int from, int to, double value);

}  // namespace quillux::engine
