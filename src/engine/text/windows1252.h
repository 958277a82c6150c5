#pragma once

#include <string>
#include <string_view>

namespace quillux::engine {

// The program's 8-bit character set. Conversions are exact for every character Windows-1252
// holds; others become "?" on the way in. Invalid UTF-8 bytes also become "?".
std::string Utf8ToWindows1252(std::string_view utf8, std::size_t maxCharacters = std::string::npos);
std::string Windows1252ToUtf8(std::string_view bytes);

}  // namespace quillux::engine
