#pragma once

#include "platform/posix/posix_file_system.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>

namespace quorrin::ui::test {

// The machine's file system, with searches a test can hold: a search waits
// before handing over its entry number `holdAt` until the test releases it,
// so the test sees the window while a read is under way.
class HeldFileSystem final : public platform::FileSystem {
public:
    explicit HeldFileSystem(const text::TextRules& rules) : real_(rules) {}

    // Searches begun from now on wait before their entry `entry` (1 for the
    // first; 0: never).
    void holdAt(std::size_t entry)
    {
        const std::lock_guard lock(mutex_);
        holdAt_ = entry;
        changed_.notify_all();
    }
    // True once a search waits at the entry holdAt named (within five
    // seconds).
    bool waitUntilHeld()
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(5), [&] { return holdAt_ != 0 && heldAt_ == holdAt_; });
    }

    platform::PathSyntax pathSyntax() const override { return real_.pathSyntax(); }
    std::string currentDirectory() const override { return real_.currentDirectory(); }
    void changeDirectory(const std::string& path) override { real_.changeDirectory(path); }
    std::string volumeCurrentDirectory(const platform::Volume& volume) const override
    {
        return real_.volumeCurrentDirectory(volume);
    }
    bool directoryExists(const std::string& path) const override { return real_.directoryExists(path); }
    bool fileExists(const std::string& path) const override { return real_.fileExists(path); }
    std::optional<platform::DirEntry> lookUp(const std::string& path) const override { return real_.lookUp(path); }
    void search(const std::string& pattern, std::uint32_t searchAttr,
                const std::function<void(const platform::DirEntry&)>& visit) const override
    {
        std::size_t handed = 0;
        real_.search(pattern, searchAttr, [&](const platform::DirEntry& entry) {
            waitBefore(++handed);
            visit(entry);
        });
    }
    bool subdirectories(const std::string& dir, const SubdirectoryVisit& visit) const override
    {
        return real_.subdirectories(dir, visit);
    }
    bool holdsNoUserFiles(const std::string& dir) const override { return real_.holdsNoUserFiles(dir); }
    std::vector<platform::Volume> volumes() const override { return real_.volumes(); }
    std::optional<platform::VolumeInformation> volumeInformation(const std::string& root) const override
    {
        return real_.volumeInformation(root);
    }
    std::optional<std::string> remoteName(const platform::Volume& volume) const override
    {
        return real_.remoteName(volume);
    }
    std::unique_ptr<platform::FolderWatch> watchFolder(const std::string& dir) const override
    {
        return real_.watchFolder(dir);
    }

private:
    void waitBefore(std::size_t entry) const
    {
        std::unique_lock lock(mutex_);
        if (entry != holdAt_)
            return;
        heldAt_ = entry;
        changed_.notify_all();
        // A test that forgets to release fails instead of hanging.
        changed_.wait_for(lock, std::chrono::seconds(10), [&] { return holdAt_ != entry; });
        heldAt_ = 0;
    }

    platform::posix::PosixFileSystem real_;
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::size_t holdAt_ = 0;
    mutable std::size_t heldAt_ = 0;
};

} // namespace quorrin::ui::test
