#pragma once

#include "browse/file_list_read.h"
#include "browse/file_type.h"
#include "platform/file_system.h"
#include "text/text_rules.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::browse {

// How far a listing reaches below the listed folder. A plain struct, so a
// command line fills it as easily as the window's menu.
struct WalkOptions {
    bool subfolders = false;
    int depth = 0;   // levels below the listed folder; 0 for all of them
    int threads = 0; // folders read at once; 0 for one per core
};

// One folder of a walk: its path as the path column shows it, and what a
// file-list read of it with the listing's mask and file type found.
struct ListedFolder {
    std::string path;
    ListedEntries entries;
};

struct FolderTree {
    // Depth first: a folder's own entries, then each of its subfolders in
    // the directory list's order. Folders that list nothing are left out.
    std::vector<ListedFolder> folders;
    // Folders that could not be read (no permission, removed while walked,
    // path too long), in the order the walk met them.
    std::vector<std::string> unreadable;
    std::size_t entryCount = 0;
    // Stopped by its progress answer: nothing is listed then.
    bool cancelled = false;
};

// Told the number of entries found so far, from the calling thread, after
// folders it read; false stops the walk.
using WalkProgress = std::function<bool(std::size_t entriesSoFar)>;

// The folders below `dir` (not `dir` itself) that options reach: exactly
// those the directory list shows, never a symbolic link to a folder (so a
// loop cannot happen) and never a file system without user files. Each is
// read as the file list reads `dir`, several at once. The walk keeps its
// own stack, so a chain of folders thousands deep costs no call depth.
// Each folder walked is added to `watch`, when given, before it is read.
FolderTree readFoldersBelow(const platform::FileSystem& fs, const text::TextRules& rules, const std::string& dir,
                            std::string_view mask, FileType type, const WalkOptions& options,
                            const WalkProgress& progress, platform::TreeWatch* watch = nullptr);

} // namespace quorrin::browse
