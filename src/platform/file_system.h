#pragma once

#include "platform/dir_entry.h"
#include "platform/folder_watch.h"
#include "platform/tree_watch.h"
#include "platform/volume.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quorrin::platform {

// How paths are spelled on this file system.
struct PathSyntax {
    char separator = '\\';    // between names
    bool driveLetters = true; // "C:" prefixes and a current directory per drive
};

// The file system as the browsing controls see it: one process-wide current
// directory (shared by every control, as the system's own is), searches that
// return everything a listing needs, and the volumes to choose from.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual PathSyntax pathSyntax() const = 0;

    // Absolute, no trailing separator except for a root ("C:\", "/").
    virtual std::string currentDirectory() const = 0;

    // Relative paths start from the current directory; "C:" alone goes to
    // that drive's own current directory. Throws DirectoryChangeError and
    // then leaves the current directory as it was.
    virtual void changeDirectory(const std::string& path) = 0;

    // The directory a move to this volume lands in: the drive's own current
    // directory on Windows, the last one visited on it during this run on
    // POSIX (its root when none was).
    virtual std::string volumeCurrentDirectory(const Volume& volume) const = 0;

    virtual bool directoryExists(const std::string& path) const = 0;
    // A directory is no file.
    virtual bool fileExists(const std::string& path) const = 0;

    // The entry a path names, whatever its attributes; nothing when it does
    // not exist or cannot be looked at.
    virtual std::optional<DirEntry> lookUp(const std::string& path) const = 0;

    // Every entry of the directory part of `pattern` whose name matches its
    // last component, skipping those that share a bit with
    // exclusionSet(searchAttr). A directory that cannot be searched visits
    // nothing and is no error.
    virtual void search(const std::string& pattern, std::uint32_t searchAttr,
                        const std::function<void(const DirEntry&)>& visit) const = 0;

    // The subdirectories of `dir` a directory list shows: hidden, system and
    // volume-label ones left out, links to directories included and marked
    // as links; never "." or "..". False, having visited nothing, when `dir`
    // cannot be read. The base answers through search().
    using SubdirectoryVisit = std::function<void(const std::string& name, bool isLink)>;
    virtual bool subdirectories(const std::string& dir, const SubdirectoryVisit& visit) const;

    // The subdirectories of `dir` a walk through a tree goes down into:
    // those subdirectories() reports, less the links. A file system that
    // counts a folder's subfolders may answer without reading its entries.
    // False, having visited nothing, when `dir` cannot be read. The base
    // answers through subdirectories().
    using WalkedSubdirectoryVisit = std::function<void(const std::string& name)>;
    virtual bool subdirectoriesToWalk(const std::string& dir, const WalkedSubdirectoryVisit& visit) const;

    // True where `dir` is the mount point of a file system that holds no
    // user files (process, device and kernel tables), which a walk through a
    // tree never enters.
    virtual bool holdsNoUserFiles(const std::string& /*dir*/) const { return false; }

    // Volumes in the order a drive selector lists them. Never touches a
    // medium, never blocks on an absent one.
    virtual std::vector<Volume> volumes() const = 0;

    // Label and case flags of the volume at `root`; where paths have no
    // drives, of the innermost mount that holds `root`, which may be any
    // folder on it. Nothing when the volume cannot be read (no medium, not
    // ready). Never raises a system dialog.
    virtual std::optional<VolumeInformation> volumeInformation(const std::string& root) const = 0;

    // The share a network volume is connected to.
    virtual std::optional<std::string> remoteName(const Volume& volume) const = 0;

    // A watch on the folder `dir`, begun now; nothing when the folder cannot
    // be watched, and then it has to be taken as changed every time.
    virtual std::unique_ptr<FolderWatch> watchFolder(const std::string& dir) const
    {
        (void)dir;
        return nullptr;
    }

    // A watch on the folder `root` and on the folders added to it, begun
    // now; `root` counts among the unwatched folders when it cannot be
    // watched. The base watches each folder through watchFolder().
    virtual std::unique_ptr<TreeWatch> watchTree(const std::string& root) const;
};

} // namespace quorrin::platform
