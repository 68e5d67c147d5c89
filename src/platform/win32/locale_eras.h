#pragma once

#include "platform/date_time_settings.h"

#include <windows.h>

#include <vector>

namespace quorrin::platform::win32 {

// The eras of the locale's calendar, oldest first; none outside the era
// calendars. The A functions give each era's first Gregorian year only, so
// every era is taken to begin on the 1st of January of that year.
std::vector<Era> localeEras(LCID locale, int calendarType);

} // namespace quorrin::platform::win32
