#include "engine/setup/setup_data.h"

#include <cstring>
#include <type_traits>

namespace quillux::engine {

static_assert(std::is_trivially_copyable_v<TQxSetupData>);
static_assert(std::is_standard_layout_v<TQxSetupData>);

void TQxSetupData::Clear() {
    std::memset(static_cast<void*>(this), 0, sizeof(*this));
}

}  // namespace quillux::engine
