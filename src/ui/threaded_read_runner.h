#pragma once

#include "browse/read_runner.h"
#include "platform/file_system.h"
#include "text/text_rules.h"
#include "ui/worker_slot.h"

#include <QObject>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quorrin::ui {

// Reads a file list's folder on a worker thread, so that the event loop
// keeps turning while a folder of a million files is read; what the read
// found comes back to `context`'s thread as a queued call. A superseded
// read is told to stop and left to end by itself: a new read never waits
// for the old one.
class ThreadedReadRunner final : public browse::ReadRunner {
public:
    // Composes the listing of what a read found, on the worker; made when
    // the read begins, so it composes as the listing looked then.
    using Compose = std::function<std::vector<std::string>(const browse::ListedEntries& entries)>;

    // What the window hears, all on its own thread.
    struct Hooks {
        std::function<void()> started;                // every read begun
        std::function<void(std::size_t found)> found; // the running count, now and then
        std::function<void()> ended;                  // no read is under way any more
        std::function<Compose()> composer;            // at every read begun
        // The lines composed of a read, just before it lands.
        std::function<void(std::vector<std::string> lines)> composed;
        // Runs a read's landing as the window runs a user action; a read
        // that failed lands empty and throws its error from inside.
        std::function<void(const std::function<void()>& landing)> inWindow;
    };

    ThreadedReadRunner(QObject& context, const platform::FileSystem& fs, const text::TextRules& rules, Hooks hooks);
    ThreadedReadRunner(const ThreadedReadRunner&) = delete;
    ThreadedReadRunner& operator=(const ThreadedReadRunner&) = delete;

    void start(browse::ReadRequest request, Land land) override;
    void stop() override;

private:
    void landed(std::uint64_t generation, const Land& land, browse::ListedEntries entries,
                const std::shared_ptr<platform::FolderWatch>& watch, std::vector<std::string> lines,
                const std::string& error);

    QObject& context_;
    const platform::FileSystem& fs_;
    const text::TextRules& rules_;
    Hooks hooks_;
    std::uint64_t generation_ = 0;
    bool running_ = false;
    // Last, so the workers end before anything they use goes.
    WorkerSlot workers_;
};

} // namespace quorrin::ui
