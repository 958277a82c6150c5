#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/electrical/load_list_derivation.h"

namespace quillux::engine {

// One record's contribution to the column sums; `named` is false when "Device Name" is null.
struct LoadListColumnValues {
    bool named = false;
    double watts = 0;
    double amperage = 0;
    double ampX = 0;
    double ampY = 0;
    double ampZ = 0;
    double ampXN = 0;
    double ampYN = 0;
    double ampZN = 0;
};

// The column sums under the list. Each value is rounded to 4 decimals before it is added and
// the sums are kept in whole ten-thousandths, so they do not depend on the order of the rows.
class LoadListSums {
public:
    void Add(const LoadListColumnValues& values);
    void Clear() { *this = LoadListSums(); }

    long long Count() const { return count_; }
    double Watts() const { return ToDouble(watts_); }
    double Amperage() const { return ToDouble(amperage_); }
    double AmpX() const { return ToDouble(ampX_); }
    double AmpY() const { return ToDouble(ampY_); }
    double AmpZ() const { return ToDouble(ampZ_); }
    double AmpXN() const { return ToDouble(ampXN_); }
    double AmpYN() const { return ToDouble(ampYN_); }
    double AmpZN() const { return ToDouble(ampZN_); }

    // A value in ten-thousandths, half to even; NaN counts as 0 and huge values saturate.
    static std::int64_t ToTenThousandths(double value);

private:
    static double ToDouble(std::int64_t tenThousandths) {
        return static_cast<double>(tenThousandths) / 10000.0;
    }

    long long count_ = 0;
    std::int64_t watts_ = 0;
    std::int64_t amperage_ = 0;
    std::int64_t ampX_ = 0;
    std::int64_t ampY_ = 0;
    std::int64_t ampZ_ = 0;
    std::int64_t ampXN_ = 0;
    std::int64_t ampYN_ = 0;
    std::int64_t ampZN_ = 0;
};

// The texts under the list columns and the total lines below it. A footer that the current
// system does not show is empty.
struct LoadListFooters {
    std::string count;
    std::string watts;
    std::string voltage;
    std::string amperage;
    std::string phase;
    std::string ampX;
    std::string ampY;
    std::string ampZ;
    std::string ampXN;
    std::string ampYN;
    std::string ampZN;
    std::string ampN;
    std::string totalX;
    std::string totalY;
    std::string totalZ;
    // Conductor currents behind the total lines and the neutral footer, amps.
    double conductorX = 0;
    double conductorY = 0;
    double conductorZ = 0;
    double neutral = 0;
};

// Writes a value with a display pattern: "#" a digit shown only when significant, "0" a digit
// always shown, "." the decimal separator (left out when no decimal digit follows), text in
// single quotes and any other character copied. The value is rounded to the pattern's places.
std::string FormatLoadListPattern(double value, std::string_view pattern,
                                  std::string_view decimalSeparator = ".");

LoadListFooters AfterPostCalclulate1(const LoadListSums& sums, const LoadListVoltages& voltages,
                                     std::string_view decimalSeparator = ".");
LoadListFooters AfterPostCalclulate3(const LoadListSums& sums, const LoadListVoltages& voltages,
                                     std::string_view decimalSeparator = ".");
LoadListFooters LoadListTotals(LoadListSystem system, const LoadListSums& sums,
                               const LoadListVoltages& voltages,
                               std::string_view decimalSeparator = ".");

}  // namespace quillux::engine
