#include "ui/threaded_read_runner.h"

#include <QMetaObject>

#include <chrono>
#include <stdexcept>
#include <utility>

namespace quorrin::ui {

namespace {

// How often a running read shows its count.
constexpr auto countInterval = std::chrono::milliseconds(50);

} // namespace

ThreadedReadRunner::ThreadedReadRunner(QObject& context, const platform::FileSystem& fs, const text::TextRules& rules,
                                       Hooks hooks)
    : context_(context), fs_(fs), rules_(rules), hooks_(std::move(hooks))
{
}

void ThreadedReadRunner::start(const browse::ReadRequest& request, Land land)
{
    const std::uint64_t generation = ++generation_;
    running_ = true;
    hooks_.started();
    workers_.start([this, generation, request, land = std::move(land)](std::stop_token stop) {
        auto lastShown = std::chrono::steady_clock::now();
        // Shared, so the queued call that carries it stays copyable.
        auto entries = std::make_shared<browse::ListedEntries>();
        std::string error;
        try {
            *entries =
                browse::readEntries(fs_, rules_, request.dir, request.mask, request.type, {}, [&](std::size_t found) {
                    if (stop.stop_requested())
                        return false;
                    const auto now = std::chrono::steady_clock::now();
                    if (now - lastShown >= countInterval) {
                        lastShown = now;
                        QMetaObject::invokeMethod(
                            &context_,
                            [this, generation, found] {
                                if (generation == generation_ && running_)
                                    hooks_.found(found);
                            },
                            Qt::QueuedConnection);
                    }
                    return true;
                });
        } catch (const std::exception& e) {
            error = e.what();
        }
        if (!entries->stopped && !stop.stop_requested())
            QMetaObject::invokeMethod(
                &context_,
                [this, generation, land, entries, error] { landed(generation, land, std::move(*entries), error); },
                Qt::QueuedConnection);
    });
}

void ThreadedReadRunner::landed(std::uint64_t generation, const Land& land, browse::ListedEntries entries,
                                const std::string& error)
{
    if (generation != generation_ || !running_)
        return;
    running_ = false;
    workers_.retire();
    hooks_.ended();
    hooks_.inWindow([&] {
        land(std::move(entries));
        if (!error.empty())
            throw std::runtime_error(error);
    });
}

void ThreadedReadRunner::stop()
{
    if (!running_)
        return;
    running_ = false;
    ++generation_;
    workers_.retire();
    hooks_.ended();
}

} // namespace quorrin::ui
