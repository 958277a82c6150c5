#include <cstdlib>

#include "gui/shell/form_main.h"

namespace quillux::gui {

// Interim: reference tables are wired once their engine lands.
engine::ReferenceTables& TFormMain::Tables() { std::abort(); }
void TFormMain::OpenReferenceTables() {}
void TFormMain::ApplyManufacturerFilterAtStart() {}
void TFormMain::RebuildManufacturerMerge() {}
void TFormMain::SaveAllDatabase() {}
void TFormMain::Import1Click() {}

}  // namespace quillux::gui
