#pragma once

#include "platform/folder_watch.h"

#include <cstddef>
#include <string>

namespace quorrin::platform {

// One watch over the folders of a tree: it tells whether anything changed
// in any of them, as a FolderWatch does for one. Folders are added as a walk
// meets them, before it reads them, so a change during the walk counts too.
class TreeWatch : public FolderWatch {
public:
    // Watches one more folder from now on. A folder the system has no watch
    // left for (its limit reached) is counted instead; one that is gone or
    // cannot be read is the walk's to report. Called from one thread at a
    // time.
    virtual void add(const std::string& dir) = 0;

    // The folders added whose changes this watch cannot see.
    virtual std::size_t unwatched() const = 0;
};

} // namespace quorrin::platform
