#pragma once

#include "platform/folder_watch.h"

#include <memory>
#include <string>

namespace quorrin::platform::win32 {

// A folder watch through the system's change notification; nothing when
// the folder cannot be watched. The system reports a changed size or time
// when it writes the file's directory entry, which for a file still open
// for writing can come later than the write itself.
std::unique_ptr<FolderWatch> watchWithChangeNotification(const std::string& dir);

} // namespace quorrin::platform::win32
