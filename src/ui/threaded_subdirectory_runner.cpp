#include "ui/threaded_subdirectory_runner.h"

#include <QMetaObject>

#include <memory>
#include <utility>

namespace quorrin::ui {

ThreadedSubdirectoryRunner::ThreadedSubdirectoryRunner(QObject& context, const platform::FileSystem& fs,
                                                       const text::TextRules& rules, InWindow inWindow)
    : context_(context), fs_(fs), rules_(rules), inWindow_(std::move(inWindow))
{
}

void ThreadedSubdirectoryRunner::start(const std::string& dir, bool foldCase, Land land)
{
    workers_.start([this, dir, foldCase, land = std::move(land)](std::stop_token stop) {
        // Shared, so the queued call that carries it stays copyable.
        auto found = std::make_shared<std::optional<std::vector<browse::Subdirectory>>>(
            browse::readSubdirectories(fs_, rules_, dir, foldCase));
        if (stop.stop_requested())
            return;
        QMetaObject::invokeMethod(
            &context_, [this, land, found] { inWindow_([&] { land(std::move(*found)); }); }, Qt::QueuedConnection);
    });
}

} // namespace quorrin::ui
