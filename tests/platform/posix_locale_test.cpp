#include "platform/posix/posix_locale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace quorrin::platform::posix {
namespace {

// Sets the process's time zone for one test and puts the previous one back.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* tz)
    {
        if (const char* old = std::getenv("TZ"))
            previous_ = old;
        setenv("TZ", tz, 1);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (previous_)
            setenv("TZ", previous_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::optional<std::string> previous_;
};

// Runs a test in the C locale's LC_TIME, the one locale every system has.
class ScopedCTimeLocale {
public:
    ScopedCTimeLocale() : previous_(std::setlocale(LC_TIME, nullptr)) { std::setlocale(LC_TIME, "C"); }
    ~ScopedCTimeLocale() { std::setlocale(LC_TIME, previous_.c_str()); }
    ScopedCTimeLocale(const ScopedCTimeLocale&) = delete;
    ScopedCTimeLocale& operator=(const ScopedCTimeLocale&) = delete;

private:
    std::string previous_;
};

// 2006-01-28 09:05:07 UTC.
constexpr std::int64_t sampleUnixSeconds = 1'138'439'107;

TEST(PosixLocaleSettings, ReadsTheCLocale)
{
    ScopedCTimeLocale cLocale;
    const PosixLocaleSettings locale;
    const DateTimeSettings& s = locale.dateTimeSettings();
    EXPECT_EQ(s.dateSeparator, '/');
    EXPECT_EQ(s.timeSeparator, ':');
    EXPECT_EQ(s.shortDateFormat, "mm/dd/yy");
    EXPECT_EQ(s.longTimeFormat, "hh:mm:ss");
    EXPECT_EQ(s.pmText, "PM");
    EXPECT_EQ(s.shortMonthNames.back(), "Dec");
    EXPECT_EQ(s.longMonthNames[8], "September");
    EXPECT_EQ(s.longDayNames.back(), "Saturday");
    EXPECT_TRUE(s.eras.empty());
}

struct LocalTimeCase {
    const char* name;
    const char* tz;
    FileTime time;
    LocalDateTime expected;
};

class PosixLocalTime : public testing::TestWithParam<LocalTimeCase> {};

TEST_P(PosixLocalTime, ConvertsWithTheTimeZone)
{
    const LocalTimeCase& c = GetParam();
    ScopedTimeZone zone(c.tz);
    const PosixLocaleSettings locale;
    const std::optional<LocalDateTime> local = locale.toLocalTime(c.time);
    ASSERT_TRUE(local.has_value());
    EXPECT_EQ(*local, c.expected);
}

const LocalTimeCase localTimeCases[] = {
    {"Japan", "JST-9", fileTimeFromUnix(sampleUnixSeconds), {2006, 1, 28, 18, 5, 7}},
    // Odd seconds stay; the part of a second is cut, not rounded up.
    {"FractionCut", "UTC", fileTimeFromUnix(sampleUnixSeconds, 999'999'900), {2006, 1, 28, 9, 5, 7}},
    // Summer time comes from the zone's rules, not a fixed offset.
    {"SummerTime", "CET-1CEST,M3.5.0,M10.5.0/3", fileTimeFromUnix(1'151'755'200), {2006, 7, 1, 14, 0, 0}},
    // Before 1970.
    {"Before1970Japan", "JST-9", fileTimeFromUnix(-14'182'940), {1969, 7, 21, 5, 17, 40}},
    {"HalfSecondBefore1970", "UTC", fileTimeFromUnix(-1, 500'000'000), {1969, 12, 31, 23, 59, 59}},
    // Half a second before the file-time epoch is still the previous second.
    {"HalfSecondBefore1601", "UTC", FileTime{-ticksPerSecond / 2}, {1600, 12, 31, 23, 59, 59}},
};

INSTANTIATE_TEST_SUITE_P(Moments, PosixLocalTime, testing::ValuesIn(localTimeCases),
                         [](const testing::TestParamInfo<LocalTimeCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(PosixLocaleSettings, RereadPicksUpANewTimeZone)
{
    ScopedTimeZone zone("UTC");
    PosixLocaleSettings locale;
    // Only the variable changes; the C library is not told.
    setenv("TZ", "JST-9", 1);
    locale.reread();
    const std::optional<LocalDateTime> local = locale.toLocalTime(fileTimeFromUnix(sampleUnixSeconds));
    ASSERT_TRUE(local.has_value());
    EXPECT_EQ(*local, (LocalDateTime{2006, 1, 28, 18, 5, 7}));
}

} // namespace
} // namespace quorrin::platform::posix
