#include "platform/posix/atomic_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorrin::platform::posix {

namespace {

// The link's final target; the path itself when it does not exist yet.
std::string resolvedTarget(const std::string& path)
{
    char* real = realpath(path.c_str(), nullptr);
    if (real == nullptr)
        return path;
    std::string target(real);
    std::free(real);
    return target;
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A fresh file beside the target that nobody else is writing.
int createTemporary(const std::string& target, std::string& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + "." + std::to_string(getpid()) + "-" + std::to_string(attempt) + ".tmp";
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeTemporary(int fd, std::string_view bytes, const struct stat* previous)
{
    // The new file keeps the old one's permissions; a new one gets the
    // user's umask through the creation mode.
    if (previous != nullptr && fchmod(fd, previous->st_mode & 07777) != 0)
        return false;
    return writeAll(fd, bytes) && fsync(fd) == 0;
}

}  // namespace

bool replaceFileAtomically(const std::string& path, std::string_view bytes)
{
    const std::string target = resolvedTarget(path);
    struct stat previous {};
    const bool exists = stat(target.c_str(), &previous) == 0;
    if (!exists && errno != ENOENT)
        return false;
    if (exists) {
        const int probe = open(target.c_str(), O_WRONLY | O_CLOEXEC);
        if (probe < 0)
            return false;
        close(probe);
    }

    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0)
        return false;
    const bool written = writeTemporary(fd, bytes, exists ? &previous : nullptr);
    const bool closed = close(fd) == 0;
    if (!written || !closed || rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }

    // The rename itself reaches the disk with the folder's own sync; the
    // content is safe either way, so a failure here changes nothing.
    const int folder = open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return true;
}

}  // namespace quorrin::platform::posix
