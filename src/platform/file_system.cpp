#include "platform/file_system.h"

#include "platform/folder_watch_set.h"

namespace quorrin::platform {

bool FileSystem::subdirectories(const std::string& dir, const SubdirectoryVisit& visit) const
{
    if (!directoryExists(dir))
        return false;
    // Only a root ends in the separator ("/", "C:\"); a name's last byte
    // may equal it on a double-byte code page, so it is not looked at.
    const PathSyntax syntax = pathSyntax();
    const bool root = dir.size() == 1 || (syntax.driveLetters && dir.size() == 3 && dir[1] == ':');
    const std::string pattern = root ? dir + "*.*" : dir + syntax.separator + "*.*";
    search(pattern, attr::directory, [&](const DirEntry& entry) {
        if (entry.isDirectory() && entry.name != "." && entry.name != "..")
            visit(entry.name, false);
    });
    return true;
}

std::unique_ptr<TreeWatch> FileSystem::watchTree(const std::string& root) const
{
    auto watch = std::make_unique<FolderWatchSet>([this](const std::string& dir) { return watchFolder(dir); });
    watch->add(root);
    return watch;
}

bool FileSystem::subdirectoriesToWalk(const std::string& dir, const WalkedSubdirectoryVisit& visit) const
{
    return subdirectories(dir, [&](const std::string& name, bool isLink) {
        if (!isLink)
            visit(name);
    });
}

} // namespace quorrin::platform
