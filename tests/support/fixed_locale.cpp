#include "support/fixed_locale.h"

namespace quorrin::testing {

std::optional<platform::LocalDateTime> FixedLocale::toLocalTime(platform::FileTime time) const
{
    std::int64_t seconds = time.ticks / platform::ticksPerSecond - platform::unixEpochOffsetSeconds;
    if (time.ticks < 0 && time.ticks % platform::ticksPerSecond != 0)
        --seconds;
    std::int64_t days = seconds / 86400;
    std::int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    // Civil date from days since 1970-01-01 (proleptic Gregorian).
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return platform::LocalDateTime{year,
                                   month,
                                   day,
                                   static_cast<int>(rest / 3600),
                                   static_cast<int>(rest % 3600 / 60),
                                   static_cast<int>(rest % 60)};
}

} // namespace quorrin::testing
