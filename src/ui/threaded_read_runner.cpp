#include "ui/threaded_read_runner.h"

#include "ui/paced_progress.h"

#include <QMetaObject>

#include <stdexcept>
#include <utility>

namespace quorrin::ui {

namespace {

// A watch carried over in a queued call, which must be copyable.
class SharedWatch final : public platform::FolderWatch {
public:
    explicit SharedWatch(std::shared_ptr<platform::FolderWatch> watch) : watch_(std::move(watch)) {}
    bool changed() override { return watch_->changed(); }

private:
    std::shared_ptr<platform::FolderWatch> watch_;
};

} // namespace

ThreadedReadRunner::ThreadedReadRunner(QObject& context, const platform::FileSystem& fs, const text::TextRules& rules,
                                       Hooks hooks)
    : context_(context), fs_(fs), rules_(rules), hooks_(std::move(hooks))
{
}

void ThreadedReadRunner::start(browse::ReadRequest request, Land land)
{
    const std::uint64_t generation = ++generation_;
    running_ = true;
    hooks_.started();
    workers_.start([this, generation, request = std::move(request), land = std::move(land),
                    compose = hooks_.composer()](std::stop_token stop) {
        // Shared, so the queued call that carries them stays copyable.
        std::shared_ptr<platform::FolderWatch> watch;
        auto entries = std::make_shared<browse::ListedEntries>();
        auto lines = std::make_shared<std::vector<std::string>>();
        std::string error;
        try {
            // Begun before the read, so a change during the read counts.
            watch = fs_.watchFolder(request.dir);
            *entries = browse::readEntries(fs_, rules_, request.dir, request.mask, request.type, {},
                                           pacedProgress(stop, context_,
                                                         [this, generation](std::size_t found) {
                                                             if (generation == generation_ && running_)
                                                                 hooks_.found(found);
                                                         }),
                                           request.previous);
            if (!entries->stopped && !stop.stop_requested())
                *lines = compose(*entries);
        } catch (const std::exception& e) {
            error = e.what();
        }
        if (!entries->stopped && !stop.stop_requested())
            QMetaObject::invokeMethod(
                &context_,
                [this, generation, land, watch, entries, lines, error] {
                    landed(generation, land, std::move(*entries), watch, std::move(*lines), error);
                },
                Qt::QueuedConnection);
    });
}

void ThreadedReadRunner::landed(std::uint64_t generation, const Land& land, browse::ListedEntries entries,
                                const std::shared_ptr<platform::FolderWatch>& watch, std::vector<std::string> lines,
                                const std::string& error)
{
    if (generation != generation_ || !running_)
        return;
    running_ = false;
    workers_.retire();
    hooks_.ended();
    if (error.empty())
        hooks_.composed(std::move(lines));
    hooks_.inWindow([&] {
        land(std::move(entries), watch ? std::make_unique<SharedWatch>(watch) : nullptr);
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
