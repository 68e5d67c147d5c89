#include "platform/posix/atomic_file.h"

#include <cerrno>
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

// A fresh file beside the target that nobody else is writing. Its name is
// short and fixed in length, so a target whose name is as long as the file
// system allows still gets one.
int createTemporary(const std::string& target, std::string& name)
{
    const std::string stem = folderOf(target) + "/.~" + std::to_string(getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = stem + std::to_string(attempt) + ".tmp";
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writable(const std::string& path)
{
    const int probe = open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (probe < 0)
        return false;
    close(probe);
    return true;
}

// A device has no content to keep and no folder entry that could be
// replaced, so it takes the bytes where it is. The open does not wait (a
// modem line without carrier would hang it); the writing does.
WriteOutcome writeInPlace(const std::string& device, std::string_view bytes)
{
    const int fd = open(device.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return WriteOutcome::cannotCreate;
    const int flags = fcntl(fd, F_GETFL);
    const bool blocking = flags >= 0 && fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
    const bool written = blocking && writeAll(fd, bytes);
    const bool closed = close(fd) == 0;
    return written && closed ? WriteOutcome::written : WriteOutcome::cannotWrite;
}

WriteOutcome replaceRegularFile(const std::string& target, std::string_view bytes, const struct stat* previous)
{
    if (previous != nullptr && !writable(target))
        return WriteOutcome::cannotCreate;

    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0)
        return WriteOutcome::cannotCreate;
    auto fail = [&](WriteOutcome outcome) {
        unlink(temporary.c_str());
        return outcome;
    };

    // The new file keeps the old one's permissions; a new one gets the
    // user's umask through the creation mode.
    if (previous != nullptr && fchmod(fd, previous->st_mode & 07777) != 0) {
        close(fd);
        return fail(WriteOutcome::cannotCreate);
    }
    // A full disk may show itself only when the data is synced or the file
    // closed, so both count as part of the writing.
    const bool written = writeAll(fd, bytes) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed)
        return fail(WriteOutcome::cannotWrite);
    if (rename(temporary.c_str(), target.c_str()) != 0)
        return fail(WriteOutcome::cannotCreate);

    // The rename itself reaches the disk with the folder's own sync; the
    // content is safe either way, so a failure here changes nothing.
    const int folder = open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return WriteOutcome::written;
}

} // namespace

WriteOutcome replaceFileAtomically(const std::string& path, std::string_view bytes)
{
    const std::string target = resolvedTarget(path);
    struct stat previous {};
    if (stat(target.c_str(), &previous) != 0)
        return errno == ENOENT ? replaceRegularFile(target, bytes, nullptr) : WriteOutcome::cannotCreate;
    if (S_ISREG(previous.st_mode))
        return replaceRegularFile(target, bytes, &previous);
    if (S_ISCHR(previous.st_mode))
        return writeInPlace(target, bytes);
    return WriteOutcome::cannotCreate;
}

} // namespace quorrin::platform::posix
