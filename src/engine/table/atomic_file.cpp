#include "engine/table/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/text/join.h"

namespace quillux::engine {

namespace {

std::string Reason(int error) { return std::strerror(error); }

std::atomic<unsigned> temporaryCounter{0};

}  // namespace

void WriteFileAtomically(const std::filesystem::path& path, std::string_view data) {
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary =
            folder / Join({".", path.filename().string(), ".tmp-", std::to_string(::getpid()), "-",
                           std::to_string(temporaryCounter.fetch_add(1))});
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0)
        throw FileWriteError(Join({"Cannot create file \"", path.string(), "\": ", Reason(errno)}));

    auto fail = [&](const char* what, int error) {
        if (fd >= 0) ::close(fd);
        ::unlink(temporary.c_str());
        throw FileWriteError(Join({what, " \"", path.string(), "\": ", Reason(error)}));
    };

    // Keep the permissions of the file being replaced.
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) ::fchmod(fd, existing.st_mode & 07777);

    const char* cursor = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, cursor, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            fail("Cannot write file", errno);
        }
        cursor += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::fsync(fd) != 0) fail("Cannot write file", errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) fail("Cannot write file", errno);
    if (::rename(temporary.c_str(), path.c_str()) != 0) fail("Cannot replace file", errno);
}

}  // namespace quillux::engine
