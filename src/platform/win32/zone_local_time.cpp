#include "platform/win32/zone_local_time.h"

namespace quorrin::platform::win32 {

std::optional<LocalDateTime> localTimeIn(const TIME_ZONE_INFORMATION* zone, FileTime time)
{
    if (time.ticks < 0)
        return std::nullopt;
    const auto ticks = static_cast<std::uint64_t>(time.ticks);
    const FILETIME utc{static_cast<DWORD>(ticks & 0xFFFFFFFFu), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME universal{};
    SYSTEMTIME local{};
    // FileTimeToLocalFileTime would apply today's offset to every date.
    if (!FileTimeToSystemTime(&utc, &universal) || !SystemTimeToTzSpecificLocalTime(zone, &universal, &local))
        return std::nullopt;
    return LocalDateTime{local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
}

} // namespace quorrin::platform::win32
