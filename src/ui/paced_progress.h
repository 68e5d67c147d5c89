#pragma once

#include <QObject>

#include <cstddef>
#include <functional>
#include <stop_token>

namespace quorrin::ui {

// The progress answer a worker thread gives a read or a walk: false once
// the worker is asked to stop; the count found so far is handed to `show`
// on `context`'s thread, at most every 50 ms, so a count label can follow
// a read of a million files without flooding the event loop.
std::function<bool(std::size_t found)> pacedProgress(std::stop_token stop, QObject& context,
                                                     std::function<void(std::size_t found)> show);

} // namespace quorrin::ui
