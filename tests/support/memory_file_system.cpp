#include "support/memory_file_system.h"

#include "platform/errors.h"
#include "support/windows_path.h"
#include "text/ascii_case.h"
#include "text/text_scan.h"
#include "text/wildcard.h"

namespace quorrin::testing {

namespace {

using platform::DirEntry;
using Kind = windows_path::PathStart::Kind;

} // namespace

MemoryFileSystem::MemoryFileSystem(const text::TextRules& rules) : rules_(rules) {}

// --- resolving paths --------------------------------------------------------

MemoryVolume* MemoryFileSystem::volumeOfShare(std::string_view share) const
{
    for (const auto& volume : shares_) {
        if (rules_.sameFileName(volume->prefix, share))
            return volume.get();
    }
    return nullptr;
}

MemoryFileSystem::Target MemoryFileSystem::target(std::string_view path) const
{
    const windows_path::PathStart start = windows_path::parseStart(rules_, path);
    Target found;
    switch (start.kind) {
    case Kind::malformed: break;
    case Kind::unc: found.volume = volumeOfShare(start.share); break;
    case Kind::driveAbsolute:
    case Kind::driveRelative:
        if (const auto it = drives_.find(start.drive); it != drives_.end())
            found.volume = it->second.get();
        break;
    case Kind::rootOfCurrent:
    case Kind::relative: found.volume = current_; break;
    }
    if (found.volume == nullptr) {
        found.error = win_error::pathNotFound;
        return found;
    }
    if (start.kind == Kind::driveRelative || start.kind == Kind::relative)
        found.names = found.volume->current;
    const std::vector<std::string> names = windows_path::splitNames(rules_, start.rest);
    for (const std::string& name : names) {
        if (!windows_path::isValidName(rules_, name))
            found.error = win_error::invalidName;
    }
    windows_path::appendNames(found.names, names);
    return found;
}

WalkResult MemoryFileSystem::reach(const Target& found) const
{
    if (found.error != 0)
        return {nullptr, found.error};
    if (!found.volume->ready)
        return {nullptr, win_error::notReady};
    return walk(rules_, found.volume->root, found.names);
}

WalkResult MemoryFileSystem::resolve(std::string_view path) const
{
    return reach(target(path));
}

// --- platform::FileSystem ---------------------------------------------------

std::string MemoryFileSystem::currentDirectory() const
{
    return current_ == nullptr ? std::string() : current_->format(current_->current);
}

void MemoryFileSystem::changeDirectory(const std::string& path)
{
    const Target found = path.empty() ? Target{nullptr, {}, win_error::pathNotFound} : target(path);
    const WalkResult walked = reach(found);
    if (walked.node == nullptr)
        throw DirectoryChangeError(walked.error);
    if (!walked.node->entry.isDirectory())
        throw DirectoryChangeError(win_error::directoryExpected);
    if (walked.node->enterDenied)
        throw DirectoryChangeError(win_error::accessDenied);
    current_ = found.volume;
    current_->current = walked.node->namesFromRoot();
}

std::string MemoryFileSystem::volumeCurrentDirectory(const platform::Volume& volume) const
{
    const auto it = drives_.find(text::upperAscii(volume.letter));
    return it == drives_.end() ? std::string() : it->second->format(it->second->current);
}

bool MemoryFileSystem::directoryExists(const std::string& path) const
{
    const auto entry = lookUp(path);
    return entry && entry->isDirectory();
}

bool MemoryFileSystem::fileExists(const std::string& path) const
{
    const auto entry = lookUp(path);
    return entry && !entry->isDirectory();
}

std::optional<DirEntry> MemoryFileSystem::lookUp(const std::string& path) const
{
    const WalkResult walked = path.empty() ? WalkResult{} : resolve(path);
    if (walked.node == nullptr)
        return std::nullopt;
    // "name\" asks for a directory; Windows finds no file by it.
    const bool asDirectory = text::findLastOf(rules_, path, windows_path::separators) == path.size() - 1;
    if (asDirectory && !walked.node->entry.isDirectory())
        return std::nullopt;
    return walked.node->entry;
}

void MemoryFileSystem::search(const std::string& pattern, std::uint32_t searchAttr,
                              const std::function<void(const DirEntry&)>& visit) const
{
    {
        // A walk searches from several threads at once.
        const std::lock_guard lock(searchLogMutex_);
        searchLog_.push_back(pattern);
    }
    const std::size_t cut = text::findLastOf(rules_, pattern, "\\/:");
    const std::string_view whole = pattern;
    const std::string_view directory = cut == std::string_view::npos ? std::string_view{} : whole.substr(0, cut + 1);
    const std::string_view namePattern = cut == std::string_view::npos ? whole : whole.substr(cut + 1);

    const WalkResult walked = resolve(directory);
    const MemoryNode* dir = walked.node;
    if (dir == nullptr || !dir->entry.isDirectory() || dir->enterDenied || dir->searchDenied)
        return;

    // Collected first, so a visitor may change the tree it is shown.
    std::vector<DirEntry> found;
    const std::uint32_t excluded = platform::exclusionSet(searchAttr);
    auto offer = [&](const DirEntry& entry) {
        if ((entry.attributes & excluded) == 0 && text::matchesPattern(rules_, entry.name, namePattern))
            found.push_back(entry);
    };
    // Below a root the search also returns "." and ".."; both carry the
    // searched directory's own attributes and time.
    if (dir->parent != nullptr) {
        for (const char* name : {".", ".."}) {
            DirEntry self = dir->entry;
            self.name = name;
            offer(self);
        }
    }
    for (const auto& child : dir->children)
        offer(child->entry);
    for (const DirEntry& entry : found)
        visit(entry);
}

bool MemoryFileSystem::subdirectories(const std::string& dir, const SubdirectoryVisit& visit) const
{
    const MemoryNode* node = resolve(dir).node;
    if (node == nullptr || node->enterDenied || node->searchDenied)
        return false;
    return FileSystem::subdirectories(dir, visit);
}

std::vector<platform::Volume> MemoryFileSystem::volumes() const
{
    std::vector<platform::Volume> list;
    for (const auto& [letter, volume] : drives_) {
        const char lower = text::lowerAscii(letter);
        list.push_back(platform::Volume{lower, std::string(1, lower) + ":\\", volume->type});
    }
    return list;
}

std::optional<platform::VolumeInformation> MemoryFileSystem::volumeInformation(const std::string& root) const
{
    const MemoryVolume* found = nullptr;
    auto consider = [&](const std::unique_ptr<MemoryVolume>& volume) {
        if (rules_.sameFileName(volume->prefix + "\\", root))
            found = volume.get();
    };
    for (const auto& [letter, volume] : drives_)
        consider(volume);
    for (const auto& volume : shares_)
        consider(volume);
    if (found == nullptr || !found->ready)
        return std::nullopt;
    return found->info;
}

std::optional<std::string> MemoryFileSystem::remoteName(const platform::Volume& volume) const
{
    const auto it = drives_.find(text::upperAscii(volume.letter));
    return it == drives_.end() ? std::nullopt : it->second->remoteName;
}

namespace {

class MemoryFolderWatch final : public platform::FolderWatch {
public:
    explicit MemoryFolderWatch(std::shared_ptr<const std::uint64_t> changes)
        : changes_(std::move(changes)), start_(*changes_)
    {
    }
    bool changed() override { return *changes_ != start_; }

private:
    std::shared_ptr<const std::uint64_t> changes_;
    std::uint64_t start_;
};

} // namespace

std::unique_ptr<platform::FolderWatch> MemoryFileSystem::watchFolder(const std::string& dir) const
{
    if (!directoryExists(dir))
        return nullptr;
    return std::make_unique<MemoryFolderWatch>(changes_);
}

} // namespace quorrin::testing
