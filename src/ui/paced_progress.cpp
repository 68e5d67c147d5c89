#include "ui/paced_progress.h"

#include <QMetaObject>

#include <chrono>
#include <utility>

namespace quorrin::ui {

namespace {

constexpr auto countInterval = std::chrono::milliseconds(50);

} // namespace

std::function<bool(std::size_t found)> pacedProgress(std::stop_token stop, QObject& context,
                                                     std::function<void(std::size_t found)> show)
{
    return [stop = std::move(stop), &context, show = std::move(show),
            lastShown = std::chrono::steady_clock::now()](std::size_t found) mutable {
        if (stop.stop_requested())
            return false;
        const auto now = std::chrono::steady_clock::now();
        if (now - lastShown >= countInterval) {
            lastShown = now;
            QMetaObject::invokeMethod(
                &context, [show, found] { show(found); }, Qt::QueuedConnection);
        }
        return true;
    };
}

} // namespace quorrin::ui
