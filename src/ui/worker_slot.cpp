#include "ui/worker_slot.h"

#include <utility>

namespace quorrin::ui {

WorkerSlot::~WorkerSlot()
{
    retire();
    // Each jthread asks its worker to stop and joins it.
    retired_.clear();
}

void WorkerSlot::start(std::function<void(std::stop_token stop)> work)
{
    retire();
    auto done = std::make_shared<std::atomic<bool>>(false);
    current_.done = done;
    current_.thread = std::jthread([work = std::move(work), done](std::stop_token stop) {
        work(stop);
        *done = true;
    });
}

void WorkerSlot::retire()
{
    // Those that have ended are joined at once.
    std::erase_if(retired_, [](const Worker& w) { return w.done->load(); });
    if (!current_.thread.joinable())
        return;
    current_.thread.request_stop();
    retired_.push_back(std::exchange(current_, {}));
}

} // namespace quorrin::ui
