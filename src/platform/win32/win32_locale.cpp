#include "platform/win32/win32_locale.h"

#include "platform/win32/locale_eras.h"
#include "platform/win32/short_date_translation.h"
#include "platform/win32/zone_local_time.h"

#include <windows.h>

#include <cstdlib>
#include <utility>

namespace quorrin::platform::win32 {

namespace {

std::string localeText(LCID locale, LCTYPE type)
{
    char buffer[256] = {};
    const int n = GetLocaleInfoA(locale, type, buffer, sizeof buffer);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n - 1)) : std::string();
}

int localeNumber(LCID locale, LCTYPE type, int fallback)
{
    const std::string text = localeText(locale, type);
    return text.empty() ? fallback : std::atoi(text.c_str());
}

// A locale that leaves a text empty keeps the built-in default.
void readText(std::string& target, LCID locale, LCTYPE type)
{
    std::string text = localeText(locale, type);
    if (!text.empty())
        target = std::move(text);
}

DateTimeSettings readLocale(const text::TextRules& rules, LCID locale)
{
    DateTimeSettings s;
    if (const std::string sep = localeText(locale, LOCALE_SDATE); !sep.empty())
        s.dateSeparator = sep[0];
    if (const std::string sep = localeText(locale, LOCALE_STIME); !sep.empty())
        s.timeSeparator = sep[0];

    const int calendarType = localeNumber(locale, LOCALE_ICALENDARTYPE, calendar::gregorian);
    const std::string shortDate = localeText(locale, LOCALE_SSHORTDATE);
    if (!shortDate.empty())
        s.shortDateFormat =
            translateShortDatePattern(rules, shortDate, calendarType, PRIMARYLANGID(LANGIDFROMLCID(locale)));
    s.longTimeFormat =
        buildLongTimeFormat(localeNumber(locale, LOCALE_ITIME, 1) == 0, localeNumber(locale, LOCALE_ITLZERO, 0) != 0,
                            localeNumber(locale, LOCALE_ITIMEMARKPOSN, 0) != 0);
    readText(s.amText, locale, LOCALE_S1159);
    readText(s.pmText, locale, LOCALE_S2359);
    for (int i = 0; i < 12; ++i) {
        readText(s.shortMonthNames[i], locale, LOCALE_SABBREVMONTHNAME1 + i);
        readText(s.longMonthNames[i], locale, LOCALE_SMONTHNAME1 + i);
    }
    // The locale counts days from Monday; the formatter from Sunday.
    for (int i = 0; i < 7; ++i) {
        readText(s.shortDayNames[(i + 1) % 7], locale, LOCALE_SABBREVDAYNAME1 + i);
        readText(s.longDayNames[(i + 1) % 7], locale, LOCALE_SDAYNAME1 + i);
    }
    s.eras = localeEras(locale, calendarType);
    return s;
}

} // namespace

Win32LocaleSettings::Win32LocaleSettings()
{
    reread();
}

void Win32LocaleSettings::reread()
{
    settings_ = readLocale(rules_, GetThreadLocale());
}

std::optional<LocalDateTime> Win32LocaleSettings::toLocalTime(FileTime time) const
{
    return localTimeIn(nullptr, time);
}

} // namespace quorrin::platform::win32
