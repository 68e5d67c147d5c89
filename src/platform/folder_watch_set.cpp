#include "platform/folder_watch_set.h"

#include <algorithm>

namespace quorrin::platform {

void FolderWatchSet::add(const std::string& dir)
{
    if (auto watch = watchFolder_(dir))
        watches_.push_back(std::move(watch));
    else
        ++unwatched_;
}

bool FolderWatchSet::changed()
{
    return std::any_of(watches_.begin(), watches_.end(), [](const auto& watch) { return watch->changed(); });
}

} // namespace quorrin::platform
