#include "platform/win32/change_notification_watch.h"

#include <windows.h>

namespace quorrin::platform::win32 {

namespace {

constexpr DWORD watchedChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME |
                                 FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SIZE |
                                 FILE_NOTIFY_CHANGE_LAST_WRITE;

class ChangeNotificationWatch final : public TreeWatch {
public:
    ChangeNotificationWatch(const std::string& dir, bool subtree)
        : handle_(FindFirstChangeNotificationA(dir.c_str(), subtree ? TRUE : FALSE, watchedChanges))
    {
    }
    ChangeNotificationWatch(const ChangeNotificationWatch&) = delete;
    ChangeNotificationWatch& operator=(const ChangeNotificationWatch&) = delete;
    ~ChangeNotificationWatch() override
    {
        if (watching())
            FindCloseChangeNotification(handle_);
    }

    bool watching() const { return handle_ != INVALID_HANDLE_VALUE; }

    // The notification already covers every folder below the root.
    void add(const std::string&) override {}
    std::size_t unwatched() const override { return watching() ? 0 : 1; }

    bool changed() override
    {
        // The handle stays signalled once a change came; the watch ends with
        // the read it was made for, so it is never re-armed.
        changed_ = changed_ || (watching() && WaitForSingleObject(handle_, 0) != WAIT_TIMEOUT);
        return changed_;
    }

private:
    HANDLE handle_;
    bool changed_ = false;
};

} // namespace

std::unique_ptr<FolderWatch> watchWithChangeNotification(const std::string& dir)
{
    auto watch = std::make_unique<ChangeNotificationWatch>(dir, false);
    if (!watch->watching())
        return nullptr;
    return watch;
}

std::unique_ptr<TreeWatch> watchTreeWithChangeNotification(const std::string& root)
{
    return std::make_unique<ChangeNotificationWatch>(root, true);
}

} // namespace quorrin::platform::win32
