#include "gui/shell/module_id.h"

namespace quillux::gui {

const std::array<ModuleInfo, kModuleCount>& ModuleTable() {
    // Texts as the program has always shown them, "Weigth" and the trailing space of
    // "DMX Address " included.
    static const std::array<ModuleInfo, kModuleCount> table{{
        {ModuleId::Preference, "SpeedButtonPreference", "Preference", "Preference", "Preferences",
         "TFormPreference", "QLX Preferences", "Preferences.bmp"},
        {ModuleId::Photometric, "SpeedButtonPhotometric", "Photometric", "Photometric",
         "Photometric", "TFormPhotometric", "QLX Photometric", "Bulboff.bmp"},
        {ModuleId::ElectricalBasicFormula, "SpeedButtonElectricalBasicFormula",
         "Electrical Basic Laws", "Electrical Basic Laws", "Electrical Basic Laws",
         "TFormElectricalBasicFormula", "QLX Basic Electrical Formula", "Electrical_Formula.bmp"},
        {ModuleId::ElectricalPhaseLoad, "SpeedButtonElectricalPhaseLoad", "Electrical Phase Load",
         "Electrical Phase Load", "Electrical Phase Load", "TFormElectricalPhaseLoad",
         "QLX Phase Load", "Electrical Load.bmp"},
        {ModuleId::ElectricalLoadList, "SpeedButtonElectricalLoadList", "Electrical Load List",
         "Electrical Load List", "Electrical Load List", "TFormElectricalLoadList",
         "QLX Electrical Load List", "Electrical Load List.bmp"},
        {ModuleId::ElectricalVoltageDrop, "SpeedButtonElectricalVoltageDrop",
         "Electrical Voltage Drop", "Electrical Voltage Drop", "Electrical Voltage Drop",
         "TFormElectricalVoltageDrop", "QLX Electrical Voltage Drop", "Voltage Drop.bmp"},
        {ModuleId::ResistanceColorCode, "SpeedButtonResistanceColorCode", "Resistance Color Code",
         "Resistance Color Code", "Resistance Color Code", "TFormResistanceColorCode",
         "QLX Resistance Color Code", "Resistance.bmp"},
        {ModuleId::Rigging, "SpeedButtonRigging", "Rigging", "Rigging", "Rigging", "TFormRigging",
         "QLX Rigging 2 points", "Rigging.bmp"},
        {ModuleId::WeightLoadList, "SpeedButtonWeightLoadList", "Weigth Load List",
         "Weigth Load List", "Weigth Load List", "TFormWeightLoadList", "QLX Weight Load List",
         "Weight Load List.bmp"},
        {ModuleId::TruckLoadVolume, "SpeedButtonTruckLoadVolume", "Truck Load And Volume",
         "Truck Load And Volume", "Truck Load And Volume", "TFormTruckLoadVolume",
         "QLX Truck Load and Volume", "Truck Load List.bmp"},
        {ModuleId::GeneralConverter, "SpeedButtonGeneralConverter", "General Converter",
         "General Converter", "General Converter", "TFormGeneralConverter",
         "QLX General Converter", "Converter.bmp"},
        {ModuleId::DMXAddress, "SpeedButtonDMXAddress", "DMX Address ", "DMX Address ",
         "DMX Address ", "TFormDMXAddress2", "QLX DMX Address Calculator", "DMX.bmp"},
        {ModuleId::ManufacturerDatabase, "SpeedButtonManufacturerDatabase",
         "Database Manufacturer", "Database Manufacturer", "Database Manufacturer",
         "TFormManufacturerDatabase", "QLX Manufacturer Database", "TABLEmanufacturer.BMP"},
        {ModuleId::FixtureDatabase, "SpeedButtonFixtureDatabase", "Database Fixture",
         "Database Fixture", "Database Fixture", "TFormFixtureDatabase", "QLX Fixture Database",
         "TABLEFixture.BMP"},
        {ModuleId::RoadCaseDatabase, "SpeedButtonRoadCaseDatabase", "Database Roadcase",
         "Database Roadcase", "Database Roadcase", "TFormRoadcaseDatabase",
         "QLX Roadcase Database", "TABLERoadCase.BMP"},
    }};
    return table;
}

const ModuleInfo& Module(ModuleId id) { return ModuleTable()[static_cast<int>(id) - 1]; }

const std::array<ModuleId, kModuleCount>& ToolbarOrder() {
    static const std::array<ModuleId, kModuleCount> order{
        ModuleId::Photometric,         ModuleId::ElectricalBasicFormula,
        ModuleId::ElectricalPhaseLoad, ModuleId::ElectricalLoadList,
        ModuleId::ElectricalVoltageDrop, ModuleId::ResistanceColorCode,
        ModuleId::Rigging,             ModuleId::WeightLoadList,
        ModuleId::TruckLoadVolume,     ModuleId::GeneralConverter,
        ModuleId::DMXAddress,          ModuleId::ManufacturerDatabase,
        ModuleId::FixtureDatabase,     ModuleId::RoadCaseDatabase,
        ModuleId::Preference,
    };
    return order;
}

}  // namespace quillux::gui
