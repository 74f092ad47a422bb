#include "users/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace users {
namespace {

int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (written == 0) return ENOSPC;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return 0;
}

// The rename is made durable by syncing the directory; a failure here no longer endangers the
// file (old or new content is whole either way), so it is not reported.
void SyncDirectory(const std::filesystem::path& directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

ReplaceResult ReplaceFileContent(const std::filesystem::path& file, std::string_view bytes,
                                 mode_t newFileMode) {
    const std::filesystem::path directory = file.has_parent_path() ? file.parent_path() : ".";
    mode_t mode = newFileMode;
    struct stat existing {};
    if (::stat(file.c_str(), &existing) == 0) mode = existing.st_mode & 07777;

    // A dot name never matches the profile pattern, so a leftover of a power cut stays unlisted.
    std::string temp = (directory / ("." + file.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return {errno};

    int error = ::fchmod(fd, mode) == 0 ? 0 : errno;
    if (error == 0) error = WriteAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temp.c_str(), file.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return {error};
    }
    SyncDirectory(directory);
    return {};
}

}  // namespace users
