#pragma once

#include "platform/write_outcome.h"

#include <string>
#include <string_view>

namespace quorrin::platform::posix {

// Replaces the file's content with `bytes` so that it is never seen half
// written: a temporary file in the same folder is written and synced, then
// renamed over the target. On any failure the target holds exactly what it
// held before and the temporary file is gone. A target without write
// permission is refused even where its folder would allow the rename, so
// protecting a file keeps working. A symbolic link is followed and stays a
// link.
//
// Only a regular file can be replaced. A character device (a terminal,
// /dev/null, /dev/full) is written in place, since renaming over it would
// swap the device for a plain file; a directory, a block device, a pipe or a
// socket is refused as a file that cannot be created.
WriteOutcome replaceFileAtomically(const std::string& path, std::string_view bytes);

} // namespace quorrin::platform::posix
