#pragma once

#include "platform/file_system.h"
#include "text/text_rules.h"

namespace quorrin::platform::win32 {

// The Windows file system through the A functions: the system's own path
// rules (drive letters, a current directory per drive, "\x" from the current
// drive's root), its wildcard matching and its error codes, unchanged.
class Win32FileSystem final : public FileSystem {
public:
    // The rules must outlive the file system: they find the characters of
    // the paths the system answers with.
    explicit Win32FileSystem(const text::TextRules& rules) : rules_(rules) {}

    PathSyntax pathSyntax() const override { return PathSyntax{'\\', true}; }
    std::string currentDirectory() const override;
    void changeDirectory(const std::string& path) override;
    std::string volumeCurrentDirectory(const Volume& volume) const override;
    bool directoryExists(const std::string& path) const override;
    bool fileExists(const std::string& path) const override;
    std::optional<DirEntry> lookUp(const std::string& path) const override;
    void search(const std::string& pattern, std::uint32_t searchAttr,
                const std::function<void(const DirEntry&)>& visit) const override;
    bool subdirectories(const std::string& dir, const SubdirectoryVisit& visit) const override;
    std::vector<Volume> volumes() const override;
    std::optional<VolumeInformation> volumeInformation(const std::string& root) const override;
    std::optional<std::string> remoteName(const Volume& volume) const override;
    std::unique_ptr<FolderWatch> watchFolder(const std::string& dir) const override;
    std::unique_ptr<TreeWatch> watchTree(const std::string& root) const override;

private:
    const text::TextRules& rules_;
};

} // namespace quorrin::platform::win32
