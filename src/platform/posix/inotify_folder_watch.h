#pragma once

#include "platform/folder_watch.h"

#include <memory>
#include <string>

namespace quorrin::platform::posix {

// A folder watch through inotify; nothing when the folder cannot be watched
// (no such folder, or the system's limit of watches is reached).
std::unique_ptr<FolderWatch> watchWithInotify(const std::string& dir);

} // namespace quorrin::platform::posix
