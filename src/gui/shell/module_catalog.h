#pragma once

namespace quillux::gui {

class ModuleRegistry;

// Registers every module window this build has (module_catalog.cpp: one line per module).
void RegisterModules(ModuleRegistry& registry);

}  // namespace quillux::gui
