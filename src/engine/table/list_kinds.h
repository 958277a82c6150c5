#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/table/table.h"

namespace quillux::engine {

// Every kind of table the program stores in the table file format.
enum class TableKind {
    Fixture,       // the three fixture tables ("Data\DataFixture.dbd", "...User.dbu", merged)
    Manufacturer,  // the three manufacturer tables
    RoadCase,      // the roadcase reference table ("Data\DataRoadCase.dbu")
    LoadList,      // electrical load list files "EL1" / "EL3"
    Rigging,       // rigging point list files "Rig" (with pictures)
    Weight,        // weight load list files "QXW"
    Truck,         // truck load list files "TLL"
    Dmx,           // DMX address list files "QXX"
};

// The fields of a kind, in file column order, with their labels, formats and ranges.
// Field names are the stored names, odd spellings included; never "correct" them, the
// shipped and the users' files use them.
std::vector<FieldDef> FieldsOf(TableKind kind);

// An empty table of that kind (no sort, no filter, no handlers).
std::unique_ptr<Table> MakeTable(TableKind kind, std::string name);

// The command-line names: "fixture", "manufacturer", "roadcase", "loadlist", "rigging",
// "weight", "truck", "dmx".
std::string_view KindName(TableKind kind);
std::optional<TableKind> KindFromName(std::string_view name);
const std::vector<TableKind>& AllTableKinds();

// Power factor of the reference fixtures: 0 to 1. The load list accepts 0.01 to 1.
inline constexpr double kFixturePowerFactorMin = 0.0;
inline constexpr double kLoadListPowerFactorMin = 0.01;
inline constexpr double kPowerFactorMax = 1.0;

}  // namespace quillux::engine
