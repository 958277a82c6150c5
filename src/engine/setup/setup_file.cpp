#include "engine/setup/setup_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

namespace quillux::engine {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kRecordBytes = TQxSetupData::kRecordBytes;

std::string Quoted(const fs::path& path) {
    return "\"" + path.string() + "\"";
}

std::string ErrorText(int error) {
    return std::generic_category().message(error);
}

// Closes a descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int Get() const { return fd_; }
    // Closes now and reports the error close() gives (a deferred write error shows here).
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

struct ReadResult {
    bool missing = false;
    std::size_t bytes = 0;  // bytes placed at the start of the record
    int error = 0;          // errno of a failed open or read, 0 when none
};

ReadResult ReadRecordBytes(const fs::path& path, unsigned char* target) {
    ReadResult result;
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0) {
        result.missing = errno == ENOENT;
        result.error = result.missing ? 0 : errno;
        return result;
    }
    while (result.bytes < kRecordBytes) {
        const ssize_t count = ::read(file.Get(), target + result.bytes, kRecordBytes - result.bytes);
        if (count < 0) {
            if (errno == EINTR) continue;
            result.error = errno;
            break;
        }
        if (count == 0) break;
        result.bytes += static_cast<std::size_t>(count);
    }
    return result;
}

// True when `path` holds something a save must not write over: a file that is not one whole
// readable record. A missing file, or a longer one, may be replaced.
bool MustBeSetAside(const fs::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return errno != ENOENT;
    if (!S_ISREG(status.st_mode)) return true;
    if (static_cast<std::size_t>(status.st_size) < kRecordBytes) return true;
    return ::access(path.c_str(), R_OK) != 0;
}

// Moves a damaged file out of the way; returns the new name, or an empty path on failure with
// `error` set.
fs::path SetAside(const fs::path& path, std::error_code& error) {
    const fs::path target = DamagedSetupFilePath(path);
    fs::rename(path, target, error);
    return error ? fs::path() : target;
}

int WriteAll(int fd, const unsigned char* data, std::size_t size) {
    std::size_t written = 0;
    while (written < size) {
        const ssize_t count = ::write(fd, data + written, size - written);
        if (count < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        written += static_cast<std::size_t>(count);
    }
    return 0;
}

// Permissions for a new file: those of the file being replaced, else the usual 0666 less the
// process umask (mkstemp creates 0600, which would lock other users out of a shared folder).
mode_t PermissionsFor(const fs::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) return status.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes `size` bytes to a temporary file beside `path`, flushes it and renames it over
// `path`. Returns 0 or the errno of the step that failed; the temporary file never stays.
int ReplaceFile(const fs::path& path, const unsigned char* data, std::size_t size) {
    fs::path folder = path.parent_path();
    if (folder.empty()) folder = ".";
    std::string pattern = (folder / (path.filename().string() + ".tmp-XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    Descriptor file(::mkstemp(name.data()));
    if (file.Get() < 0) return errno;
    const fs::path temporary(name.data());
    int error = 0;
    if (::fchmod(file.Get(), PermissionsFor(path)) != 0) error = errno;
    if (error == 0) error = WriteAll(file.Get(), data, size);
    if (error == 0 && ::fsync(file.Get()) != 0) error = errno;
    const int closeError = file.Close();
    if (error == 0) error = closeError;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    // Make the rename itself durable; a folder that cannot be synced is no reason to fail.
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return 0;
}

}  // namespace

fs::path DamagedSetupFilePath(const fs::path& path) {
    fs::path candidate = path;
    candidate += ".bad";
    std::error_code ignored;
    for (int number = 2; fs::exists(fs::symlink_status(candidate, ignored)); ++number) {
        candidate = path;
        candidate += ".bad" + std::to_string(number);
    }
    return candidate;
}

SetupLoadOutcome LoadSetupFile(const fs::path& path, TQxSetupData& record, Messenger& messenger) {
    record.Clear();
    const ReadResult read = ReadRecordBytes(path, reinterpret_cast<unsigned char*>(&record));
    if (read.missing) {
        SaveSetupFile(path, record, messenger);
        return SetupLoadOutcome::Created;
    }
    if (read.error == 0 && read.bytes == kRecordBytes) return SetupLoadOutcome::Read;

    std::string text = "The setup file " + Quoted(path);
    if (read.error != 0) {
        text += " could not be read (" + ErrorText(read.error) + ").";
    } else {
        text += " is damaged: it holds " + std::to_string(read.bytes) + " of the " +
                std::to_string(kRecordBytes) + " bytes of the settings.";
    }
    text += read.bytes > 0 ? " The settings that could be read are kept; the others start empty."
                           : " The program starts with empty settings.";
    std::error_code error;
    const fs::path movedTo = SetAside(path, error);
    if (error) {
        text += "\n\nThe file could not be moved aside (" + error.message() +
                "), so the settings will not be saved over it.";
    } else {
        text += "\n\nThe damaged file was kept as " + Quoted(movedTo) + ".";
    }
    messenger.Warning(text);
    return SetupLoadOutcome::Damaged;
}

bool SaveSetupFile(const fs::path& path, const TQxSetupData& record, Messenger& messenger) {
    if (MustBeSetAside(path)) {
        std::error_code error;
        SetAside(path, error);
        if (error) {
            messenger.Error("The settings could not be saved to " + Quoted(path) +
                            ": the damaged file there could not be moved aside (" +
                            error.message() + ").");
            return false;
        }
    }
    const int error =
        ReplaceFile(path, reinterpret_cast<const unsigned char*>(&record), sizeof(record));
    if (error != 0) {
        messenger.Error("The settings could not be saved to " + Quoted(path) + " (" +
                        ErrorText(error) + ").");
        return false;
    }
    return true;
}

}  // namespace quillux::engine
