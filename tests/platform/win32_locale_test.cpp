#include "listing/date_time_format.h"
#include "listing/dos_date_time.h"
#include "platform/win32/ansi_text_rules.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/zone_local_time.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <limits>
#include <random>
#include <string>
#include <vector>

namespace quorrin::platform::win32 {
namespace {

constexpr LCID enUS = 0x0409;
constexpr LCID jaJP = 0x0411;

// Runs a test under one thread locale and puts the previous one back.
class ThreadLocale {
public:
    explicit ThreadLocale(LCID locale) : previous_(GetThreadLocale()) { SetThreadLocale(locale); }
    ~ThreadLocale() { SetThreadLocale(previous_); }

private:
    LCID previous_;
};

FileTime utc(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second, WORD millisecond = 0)
{
    const SYSTEMTIME st{year, month, 0, day, hour, minute, second, millisecond};
    FILETIME ft{};
    SystemTimeToFileTime(&st, &ft);
    return FileTime{static_cast<std::int64_t>(std::uint64_t{ft.dwHighDateTime} << 32 | ft.dwLowDateTime)};
}

// The listing's date column for a file time, all the way through our code.
std::string ourText(const Win32LocaleSettings& locale, const text::TextRules& rules, FileTime time)
{
    const auto local = locale.toLocalTime(time);
    if (!local)
        return "(no local time)";
    const auto packed = listing::packDosDateTime(*local);
    if (!packed)
        return "(cannot pack)";
    std::string out;
    listing::appendDateTimeText(out, listing::unpackDosDateTime(*packed), locale.dateTimeSettings(), rules);
    return out;
}

// The same moment as the system formats it: local time at 2-second
// resolution, the short date, and the time unless it is midnight.
std::string systemText(LCID lcid, FileTime time)
{
    const auto ticks = static_cast<std::uint64_t>(time.ticks);
    const FILETIME ft{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME universal{};
    SYSTEMTIME st{};
    FileTimeToSystemTime(&ft, &universal);
    SystemTimeToTzSpecificLocalTime(nullptr, &universal, &st);
    st.wSecond = static_cast<WORD>(st.wSecond / 2 * 2);
    st.wMilliseconds = 0;
    char date[128] = {}, clock[128] = {};
    GetDateFormatA(lcid, DATE_SHORTDATE, &st, nullptr, date, sizeof date);
    std::string text = date;
    if (st.wHour != 0 || st.wMinute != 0 || st.wSecond != 0) {
        GetTimeFormatA(lcid, 0, &st, nullptr, clock, sizeof clock);
        text += std::string(" ") + clock;
    }
    return text;
}

// Edge instants (midnight, odd seconds, the ends of the DOS range) and a
// fixed random sample of the rest.
std::vector<FileTime> instants()
{
    std::vector<FileTime> list{utc(2006, 1, 28, 0, 0, 0), utc(2006, 1, 28, 0, 0, 1, 999), utc(2000, 2, 29, 12, 0, 0),
                               utc(1980, 1, 1, 0, 0, 2), utc(2107, 12, 31, 23, 59, 58)};
    std::mt19937_64 random(20060128);
    std::uniform_int_distribution<std::int64_t> pick(utc(1980, 1, 2, 0, 0, 0).ticks, utc(2107, 12, 30, 0, 0, 0).ticks);
    for (int i = 0; i < 300; ++i)
        list.push_back(FileTime{pick(random)});
    return list;
}

TEST(Win32Locale, DateTextMatchesTheSystemsOwnFormattingForTheSameInstants)
{
    for (const LCID lcid : {enUS, jaJP}) {
        const ThreadLocale use(lcid);
        const Win32LocaleSettings locale;
        const AnsiTextRules rules;
        for (const FileTime t : instants())
            EXPECT_EQ(ourText(locale, rules, t), systemText(lcid, t)) << lcid << " ticks " << t.ticks;
    }
    // Local time cuts sub-seconds and refuses what the system cannot show.
    const Win32LocaleSettings locale;
    const auto cut = locale.toLocalTime(utc(2006, 1, 28, 9, 5, 7, 999));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut, locale.toLocalTime(utc(2006, 1, 28, 9, 5, 7)));
    EXPECT_FALSE(locale.toLocalTime(FileTime{-1}));
    EXPECT_FALSE(locale.toLocalTime(FileTime{std::numeric_limits<std::int64_t>::min()}));
}

// Central Europe: one hour east of UTC, two from the last Sunday of March
// at 02:00 to the last Sunday of October at 03:00.
TIME_ZONE_INFORMATION centralEurope()
{
    TIME_ZONE_INFORMATION zone{};
    zone.Bias = -60;
    zone.StandardDate = SYSTEMTIME{0, 10, 0, 5, 3, 0, 0, 0};
    zone.DaylightDate = SYSTEMTIME{0, 3, 0, 5, 2, 0, 0, 0};
    zone.DaylightBias = -60;
    return zone;
}

TEST(Win32Locale, AFileTimeTakesTheOffsetInForceAtItsOwnDate)
{
    const TIME_ZONE_INFORMATION zone = centralEurope();
    const struct {
        FileTime time;
        LocalDateTime expected;
    } cases[] = {
        {utc(2006, 1, 28, 9, 5, 7), {2006, 1, 28, 10, 5, 7}},    {utc(2006, 7, 28, 9, 5, 7), {2006, 7, 28, 11, 5, 7}},
        {utc(2006, 3, 26, 0, 59, 59), {2006, 3, 26, 1, 59, 59}}, {utc(2006, 3, 26, 1, 0, 0), {2006, 3, 26, 3, 0, 0}},
        {utc(2006, 10, 29, 1, 0, 0), {2006, 10, 29, 2, 0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(localTimeIn(&zone, c.time), c.expected) << c.time.ticks;
}

// Switches the user's calendar for one test, as the control panel would,
// and puts the old one back.
class UserCalendar {
public:
    explicit UserCalendar(const char* type)
    {
        char old[16] = {};
        GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_ICALENDARTYPE, old, sizeof old);
        previous_ = old;
        switched_ = SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_ICALENDARTYPE, type) != FALSE;
    }
    ~UserCalendar() { SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_ICALENDARTYPE, previous_.c_str()); }
    bool switched() const { return switched_; }

private:
    std::string previous_;
    bool switched_ = false;
};

TEST(Win32Locale, JapaneseNamesAndTheEraCalendarCountingEraYears)
{
    if (GetACP() != 932)
        GTEST_SKIP() << "era names need code page 932; this run has " << GetACP();
    const ThreadLocale use(jaJP);
    const AnsiTextRules rules;
    {
        // Names come from the locale, Sunday first; the Gregorian calendar
        // of a Japanese locale shows no era.
        const Win32LocaleSettings gregorian;
        const DateTimeSettings& s = gregorian.dateTimeSettings();
        EXPECT_EQ(s.longDayNames[0], rules.fromUtf8("日曜日"));
        EXPECT_EQ(s.amText, rules.fromUtf8("午前"));
        EXPECT_EQ(s.shortDateFormat.find_first_of("gG"), std::string::npos);
    }
    const UserCalendar japaneseEra("3");
    ASSERT_TRUE(japaneseEra.switched());
    const Win32LocaleSettings locale;
    const DateTimeSettings& s = locale.dateTimeSettings();
    EXPECT_EQ(s.shortDateFormat.find_first_of("yY"), std::string::npos) << s.shortDateFormat;
    EXPECT_NE(s.shortDateFormat.find('e'), std::string::npos) << s.shortDateFormat;
    ASSERT_FALSE(s.eras.empty());
    EXPECT_EQ(s.eras.back().name, rules.fromUtf8("令和"));
    EXPECT_EQ(s.eras.back().startYear, 2019);
}

} // namespace
} // namespace quorrin::platform::win32
