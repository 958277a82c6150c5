#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillux::engine {

// A stored short string: one length byte and 255 bytes of Windows-1252 text. Bytes past the
// length carry no meaning and are kept as they are, so a record reads back byte for byte.
struct ShortString {
    static constexpr int kMaxLength = 255;

    std::uint8_t length;
    char text[kMaxLength];

    // The text as UTF-8.
    std::string Get() const;
    // Stores UTF-8 text: characters Windows-1252 cannot hold become "?", and text longer than
    // 255 characters is cut to 255 characters.
    void Set(std::string_view utf8);
};
static_assert(sizeof(ShortString) == 256);

}  // namespace quillux::engine
