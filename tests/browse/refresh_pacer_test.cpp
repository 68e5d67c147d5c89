#include "browse/refresh_pacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorrin::browse {
namespace {

// Changes at `changes` (milliseconds from the start), the window's timer
// asking every 200 ms, each read taking `readMs`, for five seconds: the
// moments reads began.
std::vector<int> readsFor(const std::vector<int>& changes, int readMs)
{
    RefreshPacer pacer;
    std::vector<int> starts;
    int readEnds = -1;
    for (int at = 0; at <= 5000; at += 50) {
        const auto now = RefreshPacer::TimePoint{} + std::chrono::milliseconds(at);
        if (at == readEnds)
            pacer.finished(now);
        for (const int change : changes)
            if (change == at)
                pacer.changed();
        if (at % 200 == 0 && pacer.start(now)) {
            starts.push_back(at);
            readEnds = at + readMs;
        }
    }
    return starts;
}

// A change every 100 ms up to `last`.
std::vector<int> burstUntil(int last)
{
    std::vector<int> changes;
    for (int at = 0; at <= last; at += 100)
        changes.push_back(at);
    return changes;
}

TEST(RefreshPacer, ReadsSoonAtMostOnceASecondAndOnceMoreAfterTheLastChange)
{
    const struct {
        const char* what;
        std::vector<int> changes;
        int readMs;
        std::vector<int> reads;
    } cases[] = {
        {"nothing changed", {}, 50, {}},
        {"one change is read at the next tick", {100}, 50, {200}},
        {"a change soon after a read waits for the second to pass", {0, 300}, 50, {0, 1000}},
        {"a change during a read is read after it", {0, 100}, 300, {0, 1000}},
        {"no read begins while one runs, and a slow one waits as long again", {0, 500}, 1500, {0, 3000}},
        {"a burst of fast reads: one a second, and one after the burst", burstUntil(2500), 50, {0, 1000, 2000, 3000}},
        {"a burst of slow reads: never reading more than half the time", burstUntil(5000), 700, {0, 1400, 2800, 4200}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(readsFor(c.changes, c.readMs), c.reads);
    }
}

} // namespace
} // namespace quorrin::browse
