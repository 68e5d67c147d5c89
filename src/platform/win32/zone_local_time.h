#pragma once

#include "platform/date_time_settings.h"

#include <windows.h>

#include <optional>

namespace quorrin::platform::win32 {

// The local time of a file time in a time zone (the system's own for
// nullptr), through the offset that the zone's rules put in force at that
// date: a summer file keeps its summer time whatever the season is now.
std::optional<LocalDateTime> localTimeIn(const TIME_ZONE_INFORMATION* zone, FileTime time);

} // namespace quorrin::platform::win32
