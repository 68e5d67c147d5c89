#include "platform/posix/posix_locale.h"

#include "platform/posix/strftime_translation.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <limits>
#include <string>
#include <utility>

#include <langinfo.h>

namespace quorrin::platform::posix {

namespace {

// The C library answers an item it does not know with an empty text.
std::string langinfo(nl_item item)
{
    return nl_langinfo(item);
}

// A locale that leaves a text empty keeps the built-in default.
void readText(std::string& target, nl_item item)
{
    std::string text = langinfo(item);
    if (!text.empty())
        target = std::move(text);
}

template <std::size_t N> void readTexts(std::array<std::string, N>& targets, const std::array<nl_item, N>& items)
{
    for (std::size_t i = 0; i < N; ++i)
        readText(targets[i], items[i]);
}

constexpr std::array<nl_item, 12> shortMonthItems{ABMON_1, ABMON_2, ABMON_3, ABMON_4,  ABMON_5,  ABMON_6,
                                                  ABMON_7, ABMON_8, ABMON_9, ABMON_10, ABMON_11, ABMON_12};
constexpr std::array<nl_item, 12> longMonthItems{MON_1, MON_2, MON_3, MON_4,  MON_5,  MON_6,
                                                 MON_7, MON_8, MON_9, MON_10, MON_11, MON_12};
// Sunday first, as the formatter counts days.
constexpr std::array<nl_item, 7> shortDayItems{ABDAY_1, ABDAY_2, ABDAY_3, ABDAY_4, ABDAY_5, ABDAY_6, ABDAY_7};
constexpr std::array<nl_item, 7> longDayItems{DAY_1, DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7};

DateTimeSettings readCurrentLocale()
{
    DateTimeSettings s;
    const std::string dateFmt = langinfo(D_FMT);
    const std::string timeFmt = langinfo(T_FMT);
    const std::string timeFmtAmpm = langinfo(T_FMT_AMPM);

    s.dateSeparator = dateSeparatorOf(dateFmt);
    std::string shortDate = translateDatePattern(dateFmt, s.dateSeparator);
    if (!shortDate.empty())
        s.shortDateFormat = std::move(shortDate);
    s.timeSeparator = timeSeparatorOf(timeFmt, timeFmtAmpm);
    s.longTimeFormat = longTimeFormatOf(timeFmt, timeFmtAmpm);

    readText(s.amText, AM_STR);
    readText(s.pmText, PM_STR);
    readTexts(s.shortMonthNames, shortMonthItems);
    readTexts(s.longMonthNames, longMonthItems);
    readTexts(s.shortDayNames, shortDayItems);
    readTexts(s.longDayNames, longDayItems);
    return s;
}

// Whole seconds since 1970, rounded towards the past so that a moment just
// before a second boundary never shows the next second, before 1970 too.
std::int64_t unixSeconds(FileTime time)
{
    std::int64_t seconds = time.ticks / ticksPerSecond;
    if (time.ticks % ticksPerSecond < 0)
        --seconds;
    return seconds - unixEpochOffsetSeconds;
}

} // namespace

PosixLocaleSettings::PosixLocaleSettings()
{
    reread();
}

const DateTimeSettings& PosixLocaleSettings::dateTimeSettings() const
{
    return settings_;
}

void PosixLocaleSettings::reread()
{
    settings_ = readCurrentLocale();
    // localtime_r need not look at TZ again by itself.
    tzset();
}

std::optional<LocalDateTime> PosixLocaleSettings::toLocalTime(FileTime time) const
{
    const std::int64_t seconds = unixSeconds(time);
    // A narrower time_t cannot hold every file time.
    if constexpr (sizeof(std::time_t) < sizeof(std::int64_t)) {
        if (seconds < std::numeric_limits<std::time_t>::min() || seconds > std::numeric_limits<std::time_t>::max())
            return std::nullopt;
    }
    const auto t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    if (localtime_r(&t, &tm) == nullptr)
        return std::nullopt;
    return LocalDateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

} // namespace quorrin::platform::posix
