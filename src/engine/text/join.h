#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace quillux::engine {

// Joins pieces of a message. Plain operator+ chains of std::string trip a false -Wrestrict
// warning in GCC 12 at -O2.
inline std::string Join(std::initializer_list<std::string_view> pieces) {
    std::string out;
    for (const auto piece : pieces) out.append(piece);
    return out;
}

}  // namespace quillux::engine
