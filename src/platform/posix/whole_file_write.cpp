#include "platform/posix/whole_file_write.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace quorrin::platform::posix {

namespace {

// As many links as the kernel itself follows before it calls it a loop.
constexpr int maxLinkDepth = 40;

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a chain of symbolic links finally names, whether or not it
// exists yet; nothing for a loop or a link that cannot be read.
std::optional<std::string> followLinks(std::string path)
{
    for (int depth = 0; depth < maxLinkDepth; ++depth) {
        struct stat st {};
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string target(4096, '\0');
        const ssize_t n = readlink(path.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) == target.size())
            return std::nullopt;
        target.resize(static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : folderOf(path) + "/" + target;
    }
    return std::nullopt;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // A full disk may show itself only here, so the result counts.
    bool close()
    {
        const bool ok = fd_ < 0 || ::close(fd_) == 0;
        fd_ = -1;
        return ok;
    }

private:
    int fd_;
};

// From where the descriptor stands: a terminal cannot be written at an
// offset.
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

bool writeAllFromStart(int fd, std::string_view bytes)
{
    return lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, bytes);
}

bool readAllAt(int fd, std::string& bytes, std::size_t size)
{
    bytes.resize(size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, bytes.data() + done, size - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
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

bool mayWrite(const std::string& path)
{
    const int probe = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (probe < 0)
        return false;
    ::close(probe);
    return true;
}

// Gives the new file the old one's owner, group and mode, and says whether
// they all took: a user cannot give a file away, nor to a group of which
// they are no member, and the system quietly drops a set-group-ID bit it
// does not allow.
bool takeOver(int fd, const struct stat& previous)
{
    struct stat now {};
    if (fstat(fd, &now) != 0)
        return false;
    if ((now.st_uid != previous.st_uid || now.st_gid != previous.st_gid) &&
        fchown(fd, previous.st_uid, previous.st_gid) != 0)
        return false;
    if (fchmod(fd, previous.st_mode & 07777) != 0 || fstat(fd, &now) != 0)
        return false;
    return now.st_uid == previous.st_uid && now.st_gid == previous.st_gid &&
           (now.st_mode & 07777) == (previous.st_mode & 07777);
}

// The atomic replacement. Nothing when it would change what the user sees
// of an existing file, or the folder refuses it; the file is then written in
// place instead.
std::optional<WriteOutcome> replaceThroughTemporary(const std::string& target, std::string_view bytes,
                                                    const struct stat* previous)
{
    const std::optional<WriteOutcome> inPlace =
        previous != nullptr ? std::nullopt : std::optional(WriteOutcome::cannotCreate);
    if (previous != nullptr && previous->st_nlink != 1)
        return inPlace;
    std::string temporary;
    Descriptor out(createTemporary(target, temporary));
    if (!out.valid())
        return inPlace;
    auto discard = [&](std::optional<WriteOutcome> outcome) {
        out.close();
        unlink(temporary.c_str());
        return outcome;
    };
    // A new file gets the user's umask through the creation mode.
    if (previous != nullptr && !takeOver(out.get(), *previous))
        return discard(inPlace);
    if (!writeAll(out.get(), bytes) || fsync(out.get()) != 0 || !out.close())
        return discard(WriteOutcome::cannotWrite);
    if (rename(temporary.c_str(), target.c_str()) != 0)
        return discard(inPlace);

    // The rename itself reaches the disk with the folder's own sync; the
    // content is safe either way, so a failure here changes nothing.
    const Descriptor folder(open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid())
        fsync(folder.get());
    return WriteOutcome::written;
}

// Whether the disk has room for the file to grow to `size`: blocks are
// reserved where the file system can, else its free space is asked. A
// system that tells nothing is given the benefit of the doubt.
bool roomFor(int fd, off_t oldSize, std::size_t size)
{
    if (size == 0 || static_cast<off_t>(size) <= oldSize)
        return true;
#ifdef FALLOC_FL_KEEP_SIZE
    if (fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) == 0)
        return true;
    if (errno != EOPNOTSUPP && errno != ENOSYS)
        return false;
#endif
    struct statvfs fs {};
    if (fstatvfs(fd, &fs) != 0)
        return true;
    const auto growth = static_cast<unsigned long long>(size) - static_cast<unsigned long long>(oldSize);
    return growth <= static_cast<unsigned long long>(fs.f_bavail) * fs.f_frsize;
}

// Writes over the file's own content. The old bytes that the new ones
// cover are read first, so a write that fails part way can put them back;
// the old tail is cut off only once the new bytes are on the disk.
WriteOutcome overwriteRegularFile(const std::string& target, std::string_view bytes)
{
    // Opened for reading too where the permissions allow, to keep the old bytes.
    const int readWrite = open(target.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    bool restorable = readWrite >= 0;
    Descriptor fd(restorable ? readWrite : open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (!fd.valid() || fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return WriteOutcome::cannotCreate;
    std::string covered;
    restorable =
        restorable && readAllAt(fd.get(), covered, std::min(static_cast<std::size_t>(st.st_size), bytes.size()));
    if (!roomFor(fd.get(), st.st_size, bytes.size()))
        return WriteOutcome::cannotWrite;

    const auto newSize = static_cast<off_t>(bytes.size());
    if (writeAllFromStart(fd.get(), bytes) && fsync(fd.get()) == 0) {
        if (newSize >= st.st_size)
            return fd.close() ? WriteOutcome::written : WriteOutcome::leftIncomplete;
        if (ftruncate(fd.get(), newSize) == 0)
            return fsync(fd.get()) == 0 && fd.close() ? WriteOutcome::written : WriteOutcome::leftIncomplete;
    }
    const bool restored = restorable && writeAllFromStart(fd.get(), covered) && ftruncate(fd.get(), st.st_size) == 0 &&
                          fsync(fd.get()) == 0 && fd.close();
    return restored ? WriteOutcome::cannotWrite : WriteOutcome::leftIncomplete;
}

// A device has no content to keep and no folder entry that could be
// replaced, so it takes the bytes where it is. The open does not wait (a
// modem line without carrier would hang it); the writing does.
WriteOutcome writeToDevice(const std::string& device, std::string_view bytes)
{
    Descriptor fd(open(device.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid())
        return WriteOutcome::cannotCreate;
    const int flags = fcntl(fd.get(), F_GETFL);
    const bool blocking = flags >= 0 && fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) == 0;
    const bool written = blocking && writeAll(fd.get(), bytes);
    return written && fd.close() ? WriteOutcome::written : WriteOutcome::cannotWrite;
}

} // namespace

WriteOutcome writeWholeFile(const std::string& path, std::string_view bytes)
{
    const std::optional<std::string> target = followLinks(path);
    if (!target)
        return WriteOutcome::cannotCreate;
    struct stat previous {};
    if (stat(target->c_str(), &previous) != 0)
        return errno == ENOENT ? *replaceThroughTemporary(*target, bytes, nullptr) : WriteOutcome::cannotCreate;
    if (S_ISCHR(previous.st_mode))
        return writeToDevice(*target, bytes);
    if (!S_ISREG(previous.st_mode) || !mayWrite(*target))
        return WriteOutcome::cannotCreate;
    if (const auto replaced = replaceThroughTemporary(*target, bytes, &previous))
        return *replaced;
    return overwriteRegularFile(*target, bytes);
}

} // namespace quorrin::platform::posix
