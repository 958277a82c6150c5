#include "engine/setup/short_string.h"

#include <cstring>

#include "engine/text/windows1252.h"

namespace quillux::engine {

std::string ShortString::Get() const {
    return Windows1252ToUtf8(std::string_view(text, length));
}

void ShortString::Set(std::string_view utf8) {
    const std::string bytes = Utf8ToWindows1252(utf8, kMaxLength);
    length = static_cast<std::uint8_t>(bytes.size());
    std::memcpy(text, bytes.data(), bytes.size());
}

}  // namespace quillux::engine
