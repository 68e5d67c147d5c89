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

private:
    std::optional<std::string> previous_;
};

// 2006-01-28 09:05:07 UTC.
constexpr std::int64_t sampleUnixSeconds = 1'138'439'107;

TEST(PosixLocaleSettings, ReadsTheCLocale)
{
    // The C locale's LC_TIME is the one every system has.
    const std::string previous = std::setlocale(LC_TIME, nullptr);
    std::setlocale(LC_TIME, "C");
    const PosixLocaleSettings locale;
    std::setlocale(LC_TIME, previous.c_str());
    const DateTimeSettings& s = locale.dateTimeSettings();
    EXPECT_EQ(std::string{s.dateSeparator} + s.timeSeparator, "/:");
    EXPECT_EQ(s.shortDateFormat, "mm/dd/yy");
    EXPECT_EQ(s.longTimeFormat, "hh:mm:ss");
    EXPECT_EQ(s.pmText, "PM");
    EXPECT_EQ(s.longMonthNames[8] + s.shortMonthNames.back() + s.longDayNames.back(), "SeptemberDecSaturday");
    EXPECT_TRUE(s.eras.empty());
}

TEST(PosixLocaleSettings, ConvertsWithTheTimeZone)
{
    const struct {
        const char* tz;
        FileTime time;
        LocalDateTime expected;
    } cases[] = {
        {"JST-9", fileTimeFromUnix(sampleUnixSeconds), {2006, 1, 28, 18, 5, 7}},
        // Odd seconds stay; the part of a second is cut, not rounded up.
        {"UTC", fileTimeFromUnix(sampleUnixSeconds, 999'999'900), {2006, 1, 28, 9, 5, 7}},
        // Summer time comes from the zone's rules, not a fixed offset.
        {"CET-1CEST,M3.5.0,M10.5.0/3", fileTimeFromUnix(1'151'755'200), {2006, 7, 1, 14, 0, 0}},
        {"CET-1CEST,M3.5.0,M10.5.0/3", fileTimeFromUnix(sampleUnixSeconds), {2006, 1, 28, 10, 5, 7}},
        // Before 1970.
        {"JST-9", fileTimeFromUnix(-14'182'940), {1969, 7, 21, 5, 17, 40}},
        {"UTC", fileTimeFromUnix(-1, 500'000'000), {1969, 12, 31, 23, 59, 59}},
        // Half a second before the file-time epoch is still the previous second.
        {"UTC", FileTime{-ticksPerSecond / 2}, {1600, 12, 31, 23, 59, 59}},
    };

    for (const auto& c : cases) {
        ScopedTimeZone zone(c.tz);
        const std::optional<LocalDateTime> local = PosixLocaleSettings().toLocalTime(c.time);
        ASSERT_TRUE(local.has_value()) << c.tz << " " << c.time.ticks;
        EXPECT_EQ(*local, c.expected) << c.tz << " " << c.time.ticks;
    }
    // A reread picks up a new zone even when only the variable changed and
    // the C library was not told.
    ScopedTimeZone zone("UTC");
    PosixLocaleSettings locale;
    setenv("TZ", "JST-9", 1);
    locale.reread();
    EXPECT_EQ(locale.toLocalTime(fileTimeFromUnix(sampleUnixSeconds)), (LocalDateTime{2006, 1, 28, 18, 5, 7}));
}

} // namespace
} // namespace quorrin::platform::posix
