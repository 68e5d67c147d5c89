#pragma once

#include "platform/file_system.h"
#include "support/memory_tree.h"
#include "text/text_rules.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::testing {

// A Windows-like file system held in memory: drive letters with a current
// directory each, network shares, attributes, 64-bit sizes, drives that are
// not ready and folders that refuse entry or search, all answering with the
// error codes Windows gives. Path rules are those of the Win32 calls: "D:"
// alone is drive D's own current directory, "\x" starts at the root of the
// current drive, "." and ".." are resolved before anything is looked up,
// names match without regard to single-byte letter case, and the current
// directory is reported with each name's stored case.
//
// The builder functions take absolute paths and throw std::invalid_argument
// for a path they cannot place; they ignore denials and readiness.
class MemoryFileSystem final : public platform::FileSystem {
public:
    explicit MemoryFileSystem(const text::TextRules& rules);

    // --- building the world -------------------------------------------------
    // The first drive added becomes the current one, at its root.
    void addDrive(char letter, platform::DriveType type, std::string label = {});
    void setRemoteName(char letter, std::string remoteName);
    void setCaseFlags(char letter, bool caseSensitive, bool casePreserving);
    void setNotReady(char letter, bool notReady);
    // root: "\\server\share". Its tree is separate from any drive mapped to it.
    void addShare(const std::string& root, std::string label = {});

    // Creates missing parents as plain directories; an existing directory
    // takes the new attributes and time.
    void addDirectory(const std::string& path, std::uint32_t attributes = 0, platform::FileTime lastWrite = {});
    // Creates missing parents; an existing file is replaced in its place.
    void addFile(const std::string& path, std::uint64_t size = 0, platform::FileTime lastWrite = {},
                 std::uint32_t attributes = platform::attr::archive);
    void remove(const std::string& path);
    // changeDirectory fails with 5, and a search finds nothing.
    void denyEnter(const std::string& path);
    // Can be entered, but a search finds nothing.
    void denySearch(const std::string& path);

    // Every pattern passed to search(), in order, so tests can count reads.
    const std::vector<std::string>& searchLog() const { return searchLog_; }

    // --- platform::FileSystem -----------------------------------------------
    platform::PathSyntax pathSyntax() const override { return platform::PathSyntax{'\\', true}; }
    std::string currentDirectory() const override;
    void changeDirectory(const std::string& path) override;
    std::string volumeCurrentDirectory(const platform::Volume& volume) const override;
    bool directoryExists(const std::string& path) const override;
    bool fileExists(const std::string& path) const override;
    std::optional<platform::DirEntry> lookUp(const std::string& path) const override;
    void search(const std::string& pattern, std::uint32_t searchAttr,
                const std::function<void(const platform::DirEntry&)>& visit) const override;
    // Refuses a folder that denies entry or search, as a real read would.
    bool subdirectories(const std::string& dir, const SubdirectoryVisit& visit) const override;
    std::vector<platform::Volume> volumes() const override;
    std::optional<platform::VolumeInformation> volumeInformation(const std::string& root) const override;
    std::optional<std::string> remoteName(const platform::Volume& volume) const override;
    // Any later addition or removal anywhere counts as a change of `dir`.
    std::unique_ptr<platform::FolderWatch> watchFolder(const std::string& dir) const override;

private:
    // An absolute location (volume and names, "." and ".." applied), or the
    // error code of a path that names none.
    struct Target {
        MemoryVolume* volume = nullptr;
        std::vector<std::string> names;
        int error = 0;
    };

    Target target(std::string_view path) const;
    // The entry a target or path names on a ready volume.
    WalkResult reach(const Target& found) const;
    WalkResult resolve(std::string_view path) const;
    MemoryVolume* volumeOfShare(std::string_view share) const;
    MemoryVolume& drive(char letter);
    // The builder's view: absolute paths only, readiness ignored.
    Target absoluteTarget(const std::string& path) const;
    MemoryNode& build(const std::string& path, bool isFile);
    MemoryNode& existing(const std::string& path) const;

    const text::TextRules& rules_;
    std::map<char, std::unique_ptr<MemoryVolume>> drives_; // by upper-case letter
    std::vector<std::unique_ptr<MemoryVolume>> shares_;
    MemoryVolume* current_ = nullptr;
    mutable std::vector<std::string> searchLog_;
    // Counts the changes made by addDirectory, addFile and remove; shared
    // with the watches so they may outlive the file system.
    std::shared_ptr<std::uint64_t> changes_ = std::make_shared<std::uint64_t>(0);
    mutable std::mutex searchLogMutex_;
};

} // namespace quorrin::testing
