#include "browse/folder_tree_read.h"

#include "browse/path_text.h"
#include "browse/subdirectories.h"

#include <utility>

namespace quorrin::browse {

namespace {

struct PendingFolder {
    std::string path;
    int level = 0; // 1 for a subfolder of the listed folder
};

} // namespace

FolderTree readFoldersBelow(const platform::FileSystem& fs, const platform::TextRules& rules, const std::string& dir,
                            std::string_view mask, FileType type, const WalkOptions& options,
                            const WalkProgress& progress)
{
    FolderTree tree;
    if (!options.subfolders)
        return tree;
    const platform::PathSyntax syntax = fs.pathSyntax();
    std::vector<PendingFolder> stack;
    // Pushed last to first, so the first subfolder is walked first.
    auto pushSubfolders = [&](const std::string& parent, const std::vector<Subdirectory>& subfolders, int level) {
        if (options.depth > 0 && level > options.depth)
            return;
        for (auto it = subfolders.rbegin(); it != subfolders.rend(); ++it) {
            if (!it->isLink)
                stack.push_back(PendingFolder{joinPath(rules, syntax, parent, it->name), level});
        }
    };

    // The listed folder's own entries are the file list's; a folder it
    // cannot read is the file list's to report.
    if (const auto top = readSubdirectories(fs, rules, dir))
        pushSubfolders(dir, *top, 1);
    while (!stack.empty()) {
        PendingFolder folder = std::move(stack.back());
        stack.pop_back();
        if (fs.holdsNoUserFiles(folder.path))
            continue;
        const auto subfolders = readSubdirectories(fs, rules, folder.path);
        if (!subfolders) {
            tree.unreadable.push_back(std::move(folder.path));
            continue;
        }
        ListedEntries entries = readEntries(fs, rules, folder.path, mask, type, {});
        pushSubfolders(folder.path, *subfolders, folder.level + 1);
        if (!entries.items.empty()) {
            tree.entryCount += entries.items.size();
            tree.folders.push_back(ListedFolder{std::move(folder.path), std::move(entries)});
        }
        if (progress && !progress(tree.entryCount)) {
            tree.cancelled = true;
            break;
        }
    }
    return tree;
}

} // namespace quorrin::browse
