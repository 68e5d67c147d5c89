#include "browse/refresh_pacer.h"

#include <algorithm>

namespace quorrin::browse {

bool RefreshPacer::start(TimePoint now)
{
    if (!pending_ || running_ || now < earliest_)
        return false;
    pending_ = false;
    running_ = true;
    started_ = now;
    return true;
}

void RefreshPacer::finished(TimePoint now)
{
    if (!running_)
        return;
    running_ = false;
    // A slow read waits as long again, so the window stays usable while a
    // huge folder keeps changing.
    earliest_ = std::max(started_ + interval_, now + (now - started_));
}

} // namespace quorrin::browse
