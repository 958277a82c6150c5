#pragma once

#include <filesystem>

#include "engine/common/messenger.h"
#include "engine/setup/setup_data.h"

namespace quillux::engine {

enum class SetupLoadOutcome {
    Read,     // a whole record was read
    Created,  // there was no file: the zero record was used and written at once
    Damaged,  // the file was short or unreadable: what could be read is kept, the user was
              // told, and the file was moved aside so that no save can overwrite it
};

// Reads the setup file into `record`. The record is zero-filled first; a file longer than one
// record gives its first 58,376 bytes. A damaged file is renamed to the name returned by
// DamagedSetupFilePath (the user's only copy of the settings is never written over) and the
// user gets one warning naming both files.
SetupLoadOutcome LoadSetupFile(const std::filesystem::path& path, TQxSetupData& record,
                               Messenger& messenger);

// Writes the whole record to a temporary file in the same folder, flushes it to disk and
// renames it over `path`, so an interrupted or failed save leaves the previous file as it
// was. An existing file that is not a readable whole record is moved aside first. On failure
// the user gets an error message naming the file and false is returned.
bool SaveSetupFile(const std::filesystem::path& path, const TQxSetupData& record,
                   Messenger& messenger);

// Where a damaged setup file is moved: "<name>.bad", or "<name>.bad2", "<name>.bad3"... when
// earlier damaged copies are still there.
std::filesystem::path DamagedSetupFilePath(const std::filesystem::path& path);

}  // namespace quillux::engine
