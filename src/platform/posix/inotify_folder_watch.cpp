#include "platform/posix/inotify_folder_watch.h"

#include <sys/inotify.h>
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

class InotifyFolderWatch final : public FolderWatch {
public:
    explicit InotifyFolderWatch(int fd) : fd_(fd) {}
    InotifyFolderWatch(const InotifyFolderWatch&) = delete;
    InotifyFolderWatch& operator=(const InotifyFolderWatch&) = delete;
    ~InotifyFolderWatch() override { close(fd_); }

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
    bool changed_ = false;
};

} // namespace

std::unique_ptr<FolderWatch> watchWithInotify(const std::string& dir)
{
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0)
        return nullptr;
    if (inotify_add_watch(fd, dir.c_str(), watchedEvents | IN_ONLYDIR) < 0) {
        close(fd);
        return nullptr;
    }
    return std::make_unique<InotifyFolderWatch>(fd);
}

} // namespace quorrin::platform::posix
