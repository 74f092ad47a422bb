#include "users/file_replace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
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

constexpr size_t kUniqueChars = 6;  // the "XXXXXX" of mkostemp

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A new temporary file beside file, locked, still under its name; -1 with errno on failure. A
// cleaner may take the file away between its creation and the lock; then another is made.
int CreateLockedTemporary(const std::filesystem::path& directory, const std::filesystem::path& file,
                          std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = (directory / ("." + file.filename().string() + "." + std::string(kUniqueChars, 'X')))
                   .string();
        const int fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd < 0) return -1;
        struct stat opened {};
        struct stat named {};
        int flocked;
        while ((flocked = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (flocked == 0 && ::fstat(fd, &opened) == 0 && ::stat(name.c_str(), &named) == 0 &&
            SameFile(opened, named)) {
            return fd;
        }
        const int error = errno;
        ::close(fd);
        if (flocked != 0) {
            ::unlink(name.c_str());
            errno = error;
            return -1;
        }
    }
    errno = EAGAIN;
    return -1;
}

// ".ZRVI001.ini.a1B2c3": a dot, the name of the replaced file, a dot and six characters.
bool IsTemporaryName(std::string_view name,
                     const std::function<bool(std::string_view)>& isReplaced) {
    if (name.size() < 2 + kUniqueChars + 1 || name.front() != '.' ||
        name[name.size() - kUniqueChars - 1] != '.') {
        return false;
    }
    return isReplaced(name.substr(1, name.size() - kUniqueChars - 2));
}

}  // namespace

int RemoveStaleTemporaryFiles(const std::filesystem::path& directory,
                              const std::function<bool(std::string_view)>& isReplaced) {
    DIR* folder = ::opendir(directory.c_str());
    if (!folder) return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(folder)) {
        if (!IsTemporaryName(entry->d_name, isReplaced)) continue;
        const int dirFd = ::dirfd(folder);
        const int fd =
            ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) continue;
        struct stat opened {};
        struct stat named {};
        // Held by its writer: still being written. Not a regular file, or replaced under the
        // same name in the meantime: not ours to remove.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 &&
            S_ISREG(opened.st_mode) &&
            ::fstatat(dirFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            SameFile(opened, named) && ::unlinkat(dirFd, entry->d_name, 0) == 0) {
            ++removed;
        }
        ::close(fd);
    }
    ::closedir(folder);
    return removed;
}

ReplaceResult ReplaceFileContent(const std::filesystem::path& file, std::string_view bytes,
                                 mode_t newFileMode) {
    const std::filesystem::path directory = file.has_parent_path() ? file.parent_path() : ".";
    mode_t mode = newFileMode;
    struct stat existing {};
    if (::stat(file.c_str(), &existing) == 0) mode = existing.st_mode & 07777;

    // A dot name never matches the profile pattern, so a leftover of a power cut stays unlisted.
    std::string temp;
    const int fd = CreateLockedTemporary(directory, file, temp);
    if (fd < 0) return {errno};

    int error = ::fchmod(fd, mode) == 0 ? 0 : errno;
    if (error == 0) error = WriteAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    // The lock goes with the descriptor, so the file is renamed before it is closed; its content
    // has been confirmed by the disk already.
    if (error == 0 && ::rename(temp.c_str(), file.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temp.c_str());
    ::close(fd);
    if (error != 0) return {error};
    SyncDirectory(directory);
    return {};
}

}  // namespace users
