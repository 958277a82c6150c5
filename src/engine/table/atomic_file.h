#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace quillux::engine {

// A file could not be written; what() names the file and the reason.
class FileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Replaces `path` with `data` so that a reader sees either the old file or the whole new one:
// the bytes go to a temporary file in the same folder, are flushed to disk, and the temporary
// file is renamed over `path`. On failure the old file is untouched, the temporary file is
// removed and FileWriteError is thrown.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view data);

}  // namespace quillux::engine
