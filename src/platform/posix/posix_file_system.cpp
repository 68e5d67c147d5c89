#include "platform/posix/posix_file_system.h"

#include "platform/errors.h"
#include "platform/posix/errno_codes.h"
#include "platform/posix/inotify_folder_watch.h"
#include "platform/posix/volume_labels.h"
#include "text/wildcard.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <linux/magic.h>
#include <memory>
#include <string_view>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>
#include <utility>

namespace quorrin::platform::posix {

namespace {

FileTime modificationTime(const struct stat& st)
{
    return fileTimeFromUnix(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
}

// The last name of a path ("/" for the root), as a search would report it.
std::string baseName(std::string_view path)
{
    const std::size_t end = path.find_last_not_of('/');
    if (end == std::string_view::npos)
        return "/";
    const std::size_t slash = path.find_last_of('/', end);
    const std::size_t start = slash == std::string_view::npos ? 0 : slash + 1;
    return std::string(path.substr(start, end + 1 - start));
}

bool isDotOrDotDot(const std::string& name)
{
    return name == "." || name == "..";
}

// Masks that take every name need no matching at all, which keeps a read
// of a huge folder cheap.
bool matchesEverything(std::string_view pattern)
{
    return pattern == "*" || pattern == "*.*";
}

std::string readWholeFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool isRemovableDevice(const std::string& device)
{
    // /dev/sdb1 is removable when its disk /sys/block/sdb says so.
    std::string name = device.substr(device.find_last_of('/') + 1);
    while (!name.empty()) {
        const std::string flag = readWholeFile(("/sys/block/" + name + "/removable").c_str());
        if (!flag.empty())
            return flag[0] == '1';
        name.pop_back();
    }
    return false;
}

struct DirCloser {
    void operator()(DIR* d) const { closedir(d); }
};

// The subdirectories a directory list shows, from an open directory.
void visitSubdirectories(DIR* handle, const FileSystem::SubdirectoryVisit& visit)
{
    const int fd = dirfd(handle);
    std::string name;
    while (const dirent* d = readdir(handle)) {
        // Dot-names are hidden, "." and ".." among them.
        if (d->d_name[0] == '.')
            continue;
        unsigned char type = d->d_type;
        struct stat st {};
        // Only a file system that does not say, or a link, costs a stat.
        if (type == DT_UNKNOWN && fstatat(fd, d->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0)
            type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISLNK(st.st_mode) ? DT_LNK : DT_REG;
        const bool isLink = type == DT_LNK;
        if (type == DT_DIR || (isLink && fstatat(fd, d->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode))) {
            name.assign(d->d_name);
            visit(name, isLink);
        }
    }
}

// File systems whose folders have 2 links plus one per subfolder.
bool keepsSubfolderCount(decltype(statfs::f_type) type)
{
    return type == EXT4_SUPER_MAGIC || type == TMPFS_MAGIC || type == XFS_SUPER_MAGIC;
}

} // namespace

PosixFileSystem::PosixFileSystem(const text::TextRules& rules) : rules_(rules), uid_(geteuid())
{
    groups_.push_back(getegid());
    const int count = getgroups(0, nullptr);
    if (count > 0) {
        std::vector<gid_t> extra(static_cast<std::size_t>(count));
        const int got = getgroups(count, extra.data());
        if (got > 0)
            groups_.insert(groups_.end(), extra.begin(), extra.begin() + got);
    }
}

std::string PosixFileSystem::currentDirectory() const
{
    std::string buffer(4096, '\0');
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        // A directory removed under our feet has no name any more; it is
        // still the one entered last, whose parent ".." should reach.
        if (errno != ERANGE || buffer.size() > (1u << 20))
            return entered_.empty() ? std::string("/") : entered_;
        buffer.resize(buffer.size() * 2);
    }
    buffer.resize(buffer.find('\0'));
    return buffer;
}

void PosixFileSystem::changeDirectory(const std::string& path)
{
    if (path.empty() || chdir(path.c_str()) != 0)
        throw DirectoryChangeError(windowsCodeForErrno(path.empty() ? ENOENT : errno));
    const std::string now = currentDirectory();
    entered_ = now;
    if (const MountEntry* m = mountHolding(mounts(), now))
        lastVisited_[m->mountPoint] = now;
}

std::string PosixFileSystem::volumeCurrentDirectory(const Volume& volume) const
{
    const auto it = lastVisited_.find(volume.root);
    if (it != lastVisited_.end() && directoryExists(it->second))
        return it->second;
    return volume.root;
}

bool PosixFileSystem::directoryExists(const std::string& path) const
{
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool PosixFileSystem::fileExists(const std::string& path) const
{
    const auto entry = lookUp(path);
    return entry && !entry->isDirectory();
}

bool PosixFileSystem::writableByUser(const struct stat& st) const
{
    if (uid_ == 0)
        return true;
    if (st.st_uid == uid_)
        return (st.st_mode & S_IWUSR) != 0;
    if (std::find(groups_.begin(), groups_.end(), st.st_gid) != groups_.end())
        return (st.st_mode & S_IWGRP) != 0;
    return (st.st_mode & S_IWOTH) != 0;
}

std::uint32_t PosixFileSystem::attributesOf(const std::string& name, const struct stat& st) const
{
    std::uint32_t a = S_ISDIR(st.st_mode) ? attr::directory : attr::archive;
    if (name.starts_with('.') && !isDotOrDotDot(name))
        a |= attr::hidden;
    if (!writableByUser(st))
        a |= attr::readOnly;
    return a;
}

std::optional<DirEntry> PosixFileSystem::entryAt(int dirFd, const char* pathFromDir, std::string name) const
{
    struct stat st {};
    if (fstatat(dirFd, pathFromDir, &st, 0) == 0) {
        DirEntry e{std::move(name), 0, 0, modificationTime(st)};
        e.attributes = attributesOf(e.name, st);
        e.size = S_ISREG(st.st_mode) ? static_cast<std::uint64_t>(st.st_size) : 0;
        return e;
    }
    // A link whose target is gone (or loops) still names something the user
    // can see in the folder: an empty file with the link's own time.
    if (fstatat(dirFd, pathFromDir, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode)) {
        DirEntry e{std::move(name), 0, 0, modificationTime(st)};
        e.attributes = attributesOf(e.name, st);
        return e;
    }
    return std::nullopt;
}

std::optional<DirEntry> PosixFileSystem::lookUp(const std::string& path) const
{
    if (path.empty())
        return std::nullopt;
    return entryAt(AT_FDCWD, path.c_str(), baseName(path));
}

void PosixFileSystem::search(const std::string& pattern, std::uint32_t searchAttr,
                             const std::function<void(const DirEntry&)>& visit) const
{
    const std::size_t slash = pattern.find_last_of('/');
    const std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : pattern.substr(0, slash);
    const std::string namePattern = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
    if (namePattern.empty())
        return;

    std::unique_ptr<DIR, DirCloser> handle(opendir(dir.c_str()));
    if (!handle)
        return;
    const int fd = dirfd(handle.get());
    const bool takeAll = matchesEverything(namePattern);
    const std::uint32_t excluded = exclusionSet(searchAttr);

    struct stat self {};
    struct stat parent {};
    // The root has no parent to show, as on a drive root.
    const bool atRoot = fstatat(fd, ".", &self, 0) == 0 && fstatat(fd, "..", &parent, 0) == 0 &&
                        self.st_dev == parent.st_dev && self.st_ino == parent.st_ino;

    // A directory the search leaves out needs no stat: the directory read
    // already says what it is (a link to one still gets looked at).
    const bool skipDirectories = (excluded & attr::directory) != 0;

    // The names first, then their details in the order of their inode
    // numbers: on a large folder that order reads the file system's inode
    // tables front to back instead of jumping about, which is much faster.
    std::string names;
    std::vector<std::pair<ino_t, std::size_t>> byInode; // inode, where the name starts
    while (const dirent* d = readdir(handle.get())) {
        const std::string_view name = d->d_name;
        if (atRoot && (name == "." || name == ".."))
            continue;
        if (skipDirectories && d->d_type == DT_DIR)
            continue;
        if (!takeAll && !matchesPattern(rules_, name, namePattern))
            continue;
        byInode.emplace_back(d->d_ino, names.size());
        names.append(name);
        names += '\0';
    }
    std::sort(byInode.begin(), byInode.end());
    // In inode order the names are read from all over their buffer, which
    // in a folder of a million files is far larger than the processor's
    // caches: each name is fetched while the kernel looks at the ones before.
    constexpr std::size_t fetchAhead = 8;
    for (std::size_t i = 0; i < byInode.size(); ++i) {
        if (i + fetchAhead < byInode.size())
            __builtin_prefetch(names.data() + byInode[i + fetchAhead].second);
        const char* name = names.c_str() + byInode[i].second;
        // An entry deleted between readdir and stat is simply no longer there.
        const auto entry = entryAt(fd, name, name);
        if (entry && (entry->attributes & excluded) == 0)
            visit(*entry);
    }
}

bool PosixFileSystem::subdirectories(const std::string& dir, const SubdirectoryVisit& visit) const
{
    std::unique_ptr<DIR, DirCloser> handle(opendir(dir.c_str()));
    if (!handle)
        return false;
    visitSubdirectories(handle.get(), visit);
    return true;
}

bool PosixFileSystem::subdirectoriesToWalk(const std::string& dir, const WalkedSubdirectoryVisit& visit) const
{
    // Opened first, so that a folder that cannot be read says so even when
    // its entries need no reading.
    const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // A folder's ".." entries count among its links: with two, it has no
    // subfolder, and its entries (links to folders at most) need no read.
    struct stat st {};
    if (fstat(fd, &st) == 0 && st.st_nlink == 2 && countsSubfolders(fd, st.st_dev)) {
        close(fd);
        return true;
    }
    std::unique_ptr<DIR, DirCloser> handle(fdopendir(fd));
    if (!handle) {
        close(fd);
        return false;
    }
    visitSubdirectories(handle.get(), [&](const std::string& name, bool isLink) {
        if (!isLink)
            visit(name);
    });
    return true;
}

bool PosixFileSystem::countsSubfolders(int dirFd, dev_t device) const
{
    const std::lock_guard lock(subfolderCountsMutex_);
    const auto known = countsSubfolders_.find(device);
    if (known != countsSubfolders_.end())
        return known->second;
    // Only where the count is known to be kept: others (btrfs, network and
    // FUSE file systems, layered ones) say 1 or anything.
    struct statfs info {};
    const bool counts = fstatfs(dirFd, &info) == 0 && keepsSubfolderCount(info.f_type);
    countsSubfolders_.emplace(device, counts);
    return counts;
}

bool PosixFileSystem::holdsNoUserFiles(const std::string& dir) const
{
    // Asked from the threads of a walk, while the window may reread the
    // mount table for its volumes: kept apart, read once.
    const std::lock_guard lock(kernelMountsMutex_);
    if (!kernelMounts_) {
        kernelMounts_.emplace();
        // A later mount on the same point hides the earlier ones.
        std::map<std::string, bool> kernelAt;
        for (const MountEntry& m : parseMountInfo(readWholeFile("/proc/self/mountinfo")))
            kernelAt[m.mountPoint] = isKernelFileSystem(m.fsType);
        for (const auto& [mountPoint, kernel] : kernelAt) {
            if (kernel)
                kernelMounts_->insert(mountPoint);
        }
    }
    return kernelMounts_->contains(dir);
}

const std::vector<MountEntry>& PosixFileSystem::mounts() const
{
    if (!mountsRead_) {
        mounts_ = parseMountInfo(readWholeFile("/proc/self/mountinfo"));
        mountsRead_ = true;
    }
    return mounts_;
}

std::vector<Volume> PosixFileSystem::volumes() const
{
    mountsRead_ = false;
    auto all = selectVolumes(mounts(), isRemovableDevice);
    // A bind-mounted file (containers mount /etc/hosts that way) is no place
    // to browse; network mounts are not probed, so a dead server cannot hang
    // the selector.
    std::erase_if(all, [&](const Volume& v) { return v.type != DriveType::remote && !directoryExists(v.root); });
    return all;
}

std::optional<VolumeInformation> PosixFileSystem::volumeInformation(const std::string& root) const
{
    // Mounts nest, so the volume is the innermost one that holds the path:
    // a FAT stick under /media folds case while the disk around it does not.
    const MountEntry* holding = mountHolding(mounts(), root);
    if (holding == nullptr)
        return root == "/" ? std::optional(VolumeInformation{"", true, true}) : std::nullopt;
    const bool insensitive = isCaseInsensitiveFileSystem(holding->fsType);
    return VolumeInformation{labelOfDevice(holding->source), !insensitive, true};
}

std::optional<std::string> PosixFileSystem::remoteName(const Volume& volume) const
{
    const auto& all = mounts();
    const auto it =
        std::find_if(all.rbegin(), all.rend(), [&](const MountEntry& m) { return m.mountPoint == volume.root; });
    if (it == all.rend() || !isRemoteFileSystem(it->fsType))
        return std::nullopt;
    return it->source;
}

std::unique_ptr<FolderWatch> PosixFileSystem::watchFolder(const std::string& dir) const
{
    return watchWithInotify(dir);
}

std::unique_ptr<TreeWatch> PosixFileSystem::watchTree(const std::string& root) const
{
    if (auto watch = watchTreeWithInotify(root, treeWatchLimit_))
        return watch;
    // No inotify instance left: every folder then counts as unwatched.
    return FileSystem::watchTree(root);
}

} // namespace quorrin::platform::posix
