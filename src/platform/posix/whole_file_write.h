#pragma once

#include "platform/write_outcome.h"

#include <string>
#include <string_view>

namespace quorrin::platform::posix {

// Makes `bytes` the whole content of the file at `path`, the way a careful
// editor saves:
// - A symbolic link is followed, through every link of a chain, and stays a
//   link; a dangling one gets its target created.
// - A regular file is replaced atomically (a new file beside it, synced,
//   then renamed over it) when the folder may be written and the new file
//   can carry the old one's owner, group and mode, and the old file has no
//   second hard link. A failure then leaves the old file as it was and
//   nothing beside it.
// - Otherwise the file is written in place, as its permissions allow: the
//   space is reserved first, and the old bytes that the write overwrites are
//   kept in memory and written back when it fails part way. Only when that
//   too fails is the outcome `leftIncomplete`.
// - A file without write permission is refused even where its folder would
//   allow the rename, so protecting a file keeps working.
// - A character device (a terminal, /dev/null, /dev/full) is written in
//   place; a directory, a block device, a pipe or a socket is refused as a
//   file that cannot be created.
WriteOutcome writeWholeFile(const std::string& path, std::string_view bytes);

} // namespace quorrin::platform::posix
