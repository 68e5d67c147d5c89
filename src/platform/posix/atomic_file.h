#pragma once

#include <string>
#include <string_view>

namespace quorrin::platform::posix {

// Replaces the file's content with `bytes` so that it is never seen half
// written: a temporary file in the same folder is written and synced, then
// renamed over the target. False on any failure, and the target then holds
// exactly what it held before. A target without write permission is refused
// even where its folder would allow the rename, so protecting a file keeps
// working. A symbolic link is followed and stays a link.
bool replaceFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace quorrin::platform::posix
