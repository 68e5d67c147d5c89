#include "platform/posix/inotify_folder_watch.h"

#include <cerrno>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorrin::platform::posix {

namespace {

// Everything that can change a file list's rows: names coming and going,
// writes, and times or permissions set; also the folder itself going away.
constexpr std::uint32_t watchedEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY |
                                        IN_CLOSE_WRITE | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;

// An event about an entry of the folder (it carries the entry's name), the
// folder going away, or events lost to a full queue. New permissions or
// times of the folder itself change none of its rows.
bool countsAsChange(const inotify_event& event)
{
    return event.len > 0 || (event.mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED | IN_Q_OVERFLOW)) != 0;
}

// One inotify instance and the folders it watches.
class InotifyWatch final : public TreeWatch {
public:
    InotifyWatch(int fd, std::size_t watchLimit) : fd_(fd), watchLimit_(watchLimit) {}
    InotifyWatch(const InotifyWatch&) = delete;
    InotifyWatch& operator=(const InotifyWatch&) = delete;
    ~InotifyWatch() override { close(fd_); }

    // False, counting the folder, when no watch is left for it.
    bool watch(const std::string& dir)
    {
        const bool limitReached = watched_ >= watchLimit_;
        if (!limitReached && inotify_add_watch(fd_, dir.c_str(), watchedEvents | IN_ONLYDIR) >= 0) {
            ++watched_;
            return true;
        }
        // A folder gone or closed to the user is for the walk to report;
        // only a system out of watches leaves a folder it lists unseen.
        struct stat st {};
        const bool outOfWatches =
            limitReached ? stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) : errno == ENOSPC || errno == ENOMEM;
        unwatched_ += outOfWatches ? 1 : 0;
        return false;
    }

    void add(const std::string& dir) override { watch(dir); }
    std::size_t unwatched() const override { return unwatched_; }

    bool changed() override
    {
        alignas(inotify_event) char buffer[4096];
        ssize_t length = 0;
        while (!changed_ && (length = read(fd_, buffer, sizeof buffer)) > 0) {
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                changed_ = changed_ || countsAsChange(*event);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return changed_;
    }

private:
    int fd_;
    std::size_t watchLimit_;
    std::size_t watched_ = 0;
    std::size_t unwatched_ = 0;
    bool changed_ = false;
};

std::unique_ptr<InotifyWatch> newInotifyWatch(std::size_t watchLimit)
{
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0)
        return nullptr;
    return std::make_unique<InotifyWatch>(fd, watchLimit);
}

} // namespace

std::unique_ptr<FolderWatch> watchWithInotify(const std::string& dir)
{
    auto watch = newInotifyWatch(1);
    if (watch == nullptr || !watch->watch(dir))
        return nullptr;
    return watch;
}

std::unique_ptr<TreeWatch> watchTreeWithInotify(const std::string& root, std::size_t watchLimit)
{
    auto watch = newInotifyWatch(watchLimit);
    if (watch != nullptr)
        watch->add(root);
    return watch;
}

} // namespace quorrin::platform::posix
