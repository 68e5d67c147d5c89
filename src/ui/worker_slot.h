#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <stop_token>
#include <thread>
#include <vector>

namespace quorrin::ui {

// One worker thread at a time. A new one retires the one before, which is
// told to stop and left to end by itself, so that starting never waits for
// an old read; the slot's end waits for them all.
class WorkerSlot {
public:
    WorkerSlot() = default;
    WorkerSlot(const WorkerSlot&) = delete;
    WorkerSlot& operator=(const WorkerSlot&) = delete;
    ~WorkerSlot();

    void start(std::function<void(std::stop_token stop)> work);
    // Tells the worker to stop, without waiting for it.
    void retire();

private:
    struct Worker {
        std::jthread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };

    Worker current_;
    std::vector<Worker> retired_;
};

// Lets a worker of `slot` free `value`: a listing of a million names takes
// the event loop tens of milliseconds to free. Small values are freed at
// once, which costs less than a thread.
template <typename T> void freeBeside(WorkerSlot& slot, T value, std::size_t items)
{
    constexpr std::size_t worthAThread = 10'000;
    if (items < worthAThread)
        return;
    slot.start([owned = std::make_shared<T>(std::move(value))](std::stop_token) mutable { owned.reset(); });
}

} // namespace quorrin::ui
