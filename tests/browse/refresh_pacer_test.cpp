#include "browse/refresh_pacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorrin::browse {
namespace {

// What happens at one moment, in milliseconds from the start: a watch tells
// of a change, the window's timer asks whether to read, or the read ends.
enum class Event { change, tick, finish };
struct Step {
    int at;
    Event event;
};
using Script = std::vector<Step>;

// The moments at which reads began.
std::vector<int> readsOf(const Script& script)
{
    RefreshPacer pacer;
    std::vector<int> starts;
    const RefreshPacer::TimePoint zero{};
    for (const auto& [at, event] : script) {
        const auto now = zero + std::chrono::milliseconds(at);
        switch (event) {
        case Event::change: pacer.changed(); break;
        case Event::tick:
            if (pacer.start(now))
                starts.push_back(at);
            break;
        case Event::finish: pacer.finished(now); break;
        }
    }
    return starts;
}

// The moments reads began while a change came every 100 ms until
// `lastChange`, the timer asked every 200 ms as the window's does, and each
// read took `readMs`; five seconds in all.
std::vector<int> readsDuringBurst(int lastChange, int readMs)
{
    RefreshPacer pacer;
    std::vector<int> starts;
    const RefreshPacer::TimePoint zero{};
    int readEnds = -1;
    for (int at = 0; at <= 5000; at += 50) {
        const auto now = zero + std::chrono::milliseconds(at);
        if (at == readEnds)
            pacer.finished(now);
        if (at % 100 == 0 && at <= lastChange)
            pacer.changed();
        if (at % 200 == 0 && pacer.start(now)) {
            starts.push_back(at);
            readEnds = at + readMs;
        }
    }
    return starts;
}

TEST(RefreshPacer, ReadsSoonButAtMostOncePerSecondAndAlwaysOnceMoreAfterTheLastChange)
{
    using enum Event;
    const struct {
        const char* what;
        Script script;
        std::vector<int> reads;
    } cases[] = {
        {"nothing changed", {{0, tick}, {200, tick}, {1200, tick}}, {}},
        {"one change is read at the next tick", {{100, change}, {200, tick}, {250, finish}, {400, tick}}, {200}},
        {"a change soon after a read waits for the second to pass",
         {{0, change}, {0, tick}, {50, finish}, {300, change}, {400, tick}, {800, tick}, {1000, tick}},
         {0, 1000}},
        {"a change during a read is read after it",
         {{0, change}, {0, tick}, {100, change}, {200, tick}, {300, finish}, {1000, tick}, {2000, tick}},
         {0, 1000}},
        {"no read begins while one runs, however long",
         {{0, change},
          {0, tick},
          {500, change},
          {1000, tick},
          {1400, tick},
          {1500, finish},
          {2000, tick},
          {3000, tick}},
         {0, 3000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(readsOf(c.script), c.reads);
    }
}

TEST(RefreshPacer, ABurstCostsOneReadASecondOrLessAndEndsWithARead)
{
    const struct {
        const char* what;
        int lastChange;
        int readMs;
        std::vector<int> reads;
    } bursts[] = {
        {"fast reads: one a second, and one after the burst", 2500, 50, {0, 1000, 2000, 3000}},
        {"slow reads: never reading more than half the time", 5000, 700, {0, 1400, 2800, 4200}},
    };
    for (const auto& b : bursts) {
        SCOPED_TRACE(b.what);
        EXPECT_EQ(readsDuringBurst(b.lastChange, b.readMs), b.reads);
    }
}

} // namespace
} // namespace quorrin::browse
