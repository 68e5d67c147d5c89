#pragma once

#include <chrono>

namespace quorrin::browse {

// When a listing that follows the disk reads again. The first change after
// a quiet spell is read at once; a burst of changes (an archive being
// unpacked) costs at most one read per interval, and never keeps the reads
// going more than half the time; a change seen while a read runs, or after
// the last read began, brings one more read later, so the final state is
// always shown.
class RefreshPacer {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    using Duration = std::chrono::steady_clock::duration;

    explicit RefreshPacer(Duration interval = std::chrono::seconds(1)) : interval_(interval) {}

    // A watch told of a change.
    void changed() { pending_ = true; }
    // True when a read should begin now; it then runs until finished().
    bool start(TimePoint now);
    // The read begun last is over; nothing when none runs.
    void finished(TimePoint now);
    bool running() const { return running_; }

private:
    Duration interval_;
    bool pending_ = false;
    bool running_ = false;
    TimePoint started_{};
    TimePoint earliest_{}; // of the next read
};

} // namespace quorrin::browse
