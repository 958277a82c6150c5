#include "gui/shell/module_catalog.h"

#include "gui/shell/form_preference.h"
#include "gui/electrical/form_electrical_basic_formula.h"
#include "gui/electrical/form_electrical_voltage_drop.h"
#include "gui/resistor/form_resistance_color_code.h"
#include "gui/converter/form_general_converter.h"
#include "gui/shell/module_registry.h"

namespace quillux::gui {

// One registration per module window (see module_registry.h). Keep the includes above and
// the lines below in module-table order.
void RegisterModules(ModuleRegistry& registry) {
    registry.Register(ModuleId::Preference, [](Shell& shell) { return new TFormPreference(shell); });
    registry.Register(ModuleId::ElectricalBasicFormula,
                      [](Shell& shell) { return new TFormElectricalBasicFormula(shell); });
    registry.Register(ModuleId::ElectricalVoltageDrop,
                      [](Shell& shell) { return new TFormElectricalVoltageDrop(shell); });
    registry.Register(ModuleId::ResistanceColorCode,
                      [](Shell& shell) { return new TFormResistanceColorCode(shell); });
    registry.Register(ModuleId::GeneralConverter,
                      [](Shell& shell) { return new TFormGeneralConverter(shell); });
}

}  // namespace quillux::gui
