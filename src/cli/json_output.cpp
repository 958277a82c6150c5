#include "cli/json_output.h"

#include <iostream>

namespace quillux::cli {

void PrintJson(const Json& object) {
    std::cout << object.dump() << '\n';
}

}  // namespace quillux::cli
