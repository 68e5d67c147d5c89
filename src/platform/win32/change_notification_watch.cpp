#include "platform/win32/change_notification_watch.h"

#include <windows.h>

namespace quorrin::platform::win32 {

namespace {

constexpr DWORD watchedChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME |
                                 FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SIZE |
                                 FILE_NOTIFY_CHANGE_LAST_WRITE;

class ChangeNotificationWatch final : public FolderWatch {
public:
    explicit ChangeNotificationWatch(HANDLE handle) : handle_(handle) {}
    ChangeNotificationWatch(const ChangeNotificationWatch&) = delete;
    ChangeNotificationWatch& operator=(const ChangeNotificationWatch&) = delete;
    ~ChangeNotificationWatch() override { FindCloseChangeNotification(handle_); }

    bool changed() override
    {
        // The handle stays signalled once a change came; the watch ends with
        // the read it was made for, so it is never re-armed.
        changed_ = changed_ || WaitForSingleObject(handle_, 0) != WAIT_TIMEOUT;
        return changed_;
    }

private:
    HANDLE handle_;
    bool changed_ = false;
};

} // namespace

std::unique_ptr<FolderWatch> watchWithChangeNotification(const std::string& dir)
{
    const HANDLE handle = FindFirstChangeNotificationA(dir.c_str(), FALSE, watchedChanges);
    if (handle == INVALID_HANDLE_VALUE)
        return nullptr;
    return std::make_unique<ChangeNotificationWatch>(handle);
}

} // namespace quorrin::platform::win32
