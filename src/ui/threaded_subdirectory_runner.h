#pragma once

#include "browse/read_runner.h"
#include "platform/file_system.h"
#include "text/text_rules.h"
#include "ui/worker_slot.h"

#include <QObject>

#include <functional>
#include <string>

namespace quorrin::ui {

// Reads a directory list's subdirectories on a worker thread: in a folder
// of a million files, finding its few folders means reading every name.
// The rows come back to `context`'s thread as a queued call, run through
// `inWindow` as the window runs a user action.
class ThreadedSubdirectoryRunner final : public browse::SubdirectoryRunner {
public:
    using InWindow = std::function<void(const std::function<void()>& landing)>;

    ThreadedSubdirectoryRunner(QObject& context, const platform::FileSystem& fs, const text::TextRules& rules,
                               InWindow inWindow);

    void start(const std::string& dir, bool foldCase, Land land) override;

private:
    QObject& context_;
    const platform::FileSystem& fs_;
    const text::TextRules& rules_;
    InWindow inWindow_;
    // Last, so the workers end before anything they use goes.
    WorkerSlot workers_;
};

} // namespace quorrin::ui
