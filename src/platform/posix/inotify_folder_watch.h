#pragma once

#include "platform/folder_watch.h"
#include "platform/tree_watch.h"

#include <cstddef>
#include <limits>
#include <memory>
#include <string>

namespace quorrin::platform::posix {

// A folder watch through inotify; nothing when the folder cannot be watched
// (no such folder, or the system's limit of watches is reached).
std::unique_ptr<FolderWatch> watchWithInotify(const std::string& dir);

// A tree watch on one inotify instance, `root` watched from the start;
// nothing when the system gives no instance. Past `watchLimit` folders, or
// where the system's own limit is reached first, folders are unwatched.
std::unique_ptr<TreeWatch> watchTreeWithInotify(const std::string& root,
                                                std::size_t watchLimit = std::numeric_limits<std::size_t>::max());

} // namespace quorrin::platform::posix
