#include "engine/refdata/fixture_fields.h"

#include <cmath>

namespace quillux::engine {

double MagnificationFactor(double beamAngleDegrees) {
    const long double half = static_cast<long double>(beamAngleDegrees) / 2.0L * kRadiansPerDegree;
    return static_cast<double>(2.0L * std::tan(half));
}

namespace {

double NumberOrZero(const Value& value) {
    if (const auto* d = std::get_if<double>(&value)) return *d;
    if (const auto* i = std::get_if<std::int32_t>(&value)) return *i;
    return 0.0;
}

struct FixturePositions {
    int weight, weightLbs, beamMin, beamMax, mF, mFMax;
};

FixturePositions PositionsOf(const Table& table) {
    return {table.FieldIndex("Weight"),  table.FieldIndex("WeightLbs"), table.FieldIndex("BeamMin"),
            table.FieldIndex("BeamMax"), table.FieldIndex("mF"),        table.FieldIndex("mFMax")};
}

void Calculate(const FixturePositions& p, Record& record) {
    const auto [weight, weightLbs, beamMin, beamMax, mF, mFMax] = p;
    auto at = [&record](int field) -> Value& { return record[static_cast<std::size_t>(field)]; };
    if (weight >= 0 && weightLbs >= 0)
        at(weightLbs) = static_cast<double>(static_cast<long double>(NumberOrZero(at(weight))) *
                                            static_cast<long double>(kPoundsPerKilogram));
    if (beamMin >= 0 && mF >= 0) at(mF) = MagnificationFactor(NumberOrZero(at(beamMin)));
    if (beamMax >= 0 && mFMax >= 0) at(mFMax) = MagnificationFactor(NumberOrZero(at(beamMax)));
}

}  // namespace

void CalculateFixtureFields(Table& table, Record& record) { Calculate(PositionsOf(table), record); }

Table::RecordHandler MakeFixtureCalcFields(const Table& table) {
    return
        [positions = PositionsOf(table)](Table&, Record& record) { Calculate(positions, record); };
}

}  // namespace quillux::engine
