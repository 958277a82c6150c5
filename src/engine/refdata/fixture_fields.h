#pragma once

#include "engine/table/table.h"

namespace quillux::engine {

// Kilograms to pounds, as the fixture tables have always used it.
inline constexpr double kPoundsPerKilogram = 2.20462262;
// π/180 in extended precision: the magnification factors shown to the user depend on it.
inline constexpr long double kRadiansPerDegree = 0.0174532925199432957692L;

// Magnification factor of a beam angle in degrees: 2 × tan(angle / 2 × π/180), computed in
// extended precision and rounded to double once.
double MagnificationFactor(double beamAngleDegrees);

// The derived fields of a fixture record: "WeightLbs" from "Weight", "mF" from "BeamMin",
// "mFMax" from "BeamMax"; an empty source counts as 0. Installed as the calc-fields handler
// of the shipped and user fixture tables (the merged table copies their values).
void CalculateFixtureFields(Table& table, Record& record);

// The same handler with the field positions of `table` looked up once (for big tables).
Table::RecordHandler MakeFixtureCalcFields(const Table& table);

}  // namespace quillux::engine
