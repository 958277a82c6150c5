#pragma once

#include <array>

namespace quillux::gui {

// The fifteen modules, numbered in the order of the module table: closing all and minimising
// all walk them in this order (the preferences window first, although its toolbar button
// comes late).
enum class ModuleId {
    Preference = 1,
    Photometric,
    ElectricalBasicFormula,
    ElectricalPhaseLoad,
    ElectricalLoadList,
    ElectricalVoltageDrop,
    ResistanceColorCode,
    Rigging,
    WeightLoadList,
    TruckLoadVolume,
    GeneralConverter,
    DMXAddress,
    ManufacturerDatabase,
    FixtureDatabase,
    RoadCaseDatabase,
};

inline constexpr int kModuleCount = 15;

// One row of the module table: the names the main window gives a module.
struct ModuleInfo {
    ModuleId id;
    const char* buttonName;  // objectName of the toolbar button
    const char* hint;        // toolbar tooltip
    const char* menuText;    // "Modules" menu entry
    const char* popupText;   // tray pop-up menu entry
    const char* windowClass; // class of the module window
    const char* caption;     // window caption given on opening
    const char* picture;     // toolbar picture, relative to Resources/
};

// Rows in module-table order (index 0 is ModuleId::Preference).
const std::array<ModuleInfo, kModuleCount>& ModuleTable();
const ModuleInfo& Module(ModuleId id);

// Modules in toolbar order: the order of the buttons, the "Modules" menu and the pop-up menu.
const std::array<ModuleId, kModuleCount>& ToolbarOrder();

}  // namespace quillux::gui
