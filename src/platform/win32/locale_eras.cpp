#include "platform/win32/locale_eras.h"

#include "platform/win32/short_date_translation.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace quorrin::platform::win32 {

namespace {

// The enumeration's callback takes no context; the texts of the one
// enumeration running on this thread are gathered here.
thread_local std::vector<std::string>* collected = nullptr;

BOOL CALLBACK collect(LPSTR text)
{
    collected->emplace_back(text);
    return TRUE;
}

std::vector<std::string> calendarTexts(LCID locale, CALID calendarId, CALTYPE type)
{
    std::vector<std::string> texts;
    collected = &texts;
    EnumCalendarInfoA(collect, locale, calendarId, type);
    collected = nullptr;
    return texts;
}

} // namespace

std::vector<Era> localeEras(LCID locale, int calendarType)
{
    if (calendarType != calendar::japaneseEra && calendarType != calendar::taiwan && calendarType != calendar::korean)
        return {};
    const auto calendarId = static_cast<CALID>(calendarType);
    const auto names = calendarTexts(locale, calendarId, CAL_SERASTRING);
    const auto years = calendarTexts(locale, calendarId, CAL_IYEAROFFSETRANGE);
    std::vector<Era> eras;
    for (std::size_t i = 0; i < names.size() && i < years.size(); ++i)
        eras.push_back(Era{names[i], std::atoi(years[i].c_str()), 1, 1});
    // The system lists the newest era first.
    std::sort(eras.begin(), eras.end(), [](const Era& a, const Era& b) { return a.startYear < b.startYear; });
    return eras;
}

} // namespace quorrin::platform::win32
