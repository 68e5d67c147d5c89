#pragma once

#include "platform/file_system.h"
#include "platform/posix/mount_table.h"
#include "text/text_rules.h"

#include <limits>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <vector>

namespace quorrin::platform::posix {

// The real file system of a POSIX system, mapped onto the Windows model the
// controls were designed around: dot-files are hidden, files the user cannot
// write are read-only, every non-directory carries the archive bit, symbolic
// links are followed (a dangling one is an empty file with its own time), and
// mount points stand in for drives.
class PosixFileSystem final : public FileSystem {
public:
    explicit PosixFileSystem(const text::TextRules& rules);

    PathSyntax pathSyntax() const override { return PathSyntax{'/', false}; }
    std::string currentDirectory() const override;
    void changeDirectory(const std::string& path) override;
    std::string volumeCurrentDirectory(const Volume& volume) const override;
    bool directoryExists(const std::string& path) const override;
    bool fileExists(const std::string& path) const override;
    std::optional<DirEntry> lookUp(const std::string& path) const override;
    void search(const std::string& pattern, std::uint32_t searchAttr,
                const std::function<void(const DirEntry&)>& visit) const override;
    bool subdirectories(const std::string& dir, const SubdirectoryVisit& visit) const override;
    bool subdirectoriesToWalk(const std::string& dir, const WalkedSubdirectoryVisit& visit) const override;
    bool holdsNoUserFiles(const std::string& dir) const override;
    std::vector<Volume> volumes() const override;
    std::optional<VolumeInformation> volumeInformation(const std::string& root) const override;
    std::optional<std::string> remoteName(const Volume& volume) const override;
    std::unique_ptr<FolderWatch> watchFolder(const std::string& dir) const override;
    std::unique_ptr<TreeWatch> watchTree(const std::string& root) const override;

    // Tests play a system whose watches run out after so many folders of a
    // tree; the system's own limit applies otherwise.
    void limitTreeWatches(std::size_t folders) { treeWatchLimit_ = folders; }

private:
    std::optional<DirEntry> entryAt(int dirFd, const char* pathFromDir, std::string name) const;
    std::uint32_t attributesOf(const std::string& name, const struct stat& st) const;
    bool writableByUser(const struct stat& st) const;
    const std::vector<MountEntry>& mounts() const;
    bool countsSubfolders(int dirFd, dev_t device) const;

    const text::TextRules& rules_;
    uid_t uid_;
    std::vector<gid_t> groups_;
    mutable std::vector<MountEntry> mounts_;
    mutable bool mountsRead_ = false;
    // The directory entered last, which stays the current one when it is
    // removed.
    std::string entered_;
    mutable std::mutex kernelMountsMutex_;
    mutable std::optional<std::set<std::string>> kernelMounts_;
    // Per device: whether a folder's link count is 2 plus its subfolders.
    mutable std::mutex subfolderCountsMutex_;
    mutable std::map<dev_t, bool> countsSubfolders_;
    // Last directory visited on each volume in this run, by mount point.
    std::map<std::string, std::string> lastVisited_;
    std::size_t treeWatchLimit_ = std::numeric_limits<std::size_t>::max();
};

} // namespace quorrin::platform::posix
