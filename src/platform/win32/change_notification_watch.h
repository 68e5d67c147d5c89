#pragma once

#include "platform/folder_watch.h"
#include "platform/tree_watch.h"

#include <memory>
#include <string>

namespace quorrin::platform::win32 {

// A folder watch through the system's change notification; nothing when
// the folder cannot be watched. The system reports a changed size or time
// when it writes the file's directory entry, which for a file still open
// for writing can come later than the write itself.
std::unique_ptr<FolderWatch> watchWithChangeNotification(const std::string& dir);

// The same over `root` and every folder below it, which one notification
// of the system covers: the folders a walk adds are watched already. A root
// that cannot be watched is the one unwatched folder.
std::unique_ptr<TreeWatch> watchTreeWithChangeNotification(const std::string& root);

} // namespace quorrin::platform::win32
