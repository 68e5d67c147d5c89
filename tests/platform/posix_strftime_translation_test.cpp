#include "platform/posix/strftime_translation.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace quorrin::platform::posix {
namespace {

// Locale patterns are typed in as the C library ships them, so these cases
// hold on a machine that has none of the locales installed.

// Letters and punctuation other than the separator are quoted (a double
// quote by single ones), padding flags decide the digits, conversions
// without a token are dropped, composite ones expand, and tokens of one
// letter side by side stay apart.
TEST(TranslateDatePattern, GivesFormatterTokens)
{
    const struct {
        const char* strftimeFmt;
        char separator;
        const char* expected;
    } cases[] = {{"%m/%d/%y", '/', "mm/dd/yy"},
                 {"%d.%m.%Y", '.', "dd/mm/yyyy"},
                 {"%Y年%m月%d日", '/', "yyyy\"年\"mm\"月\"dd\"日\""},
                 {"%Y. %m. %d.", '.', "yyyy/\" \"mm/\" \"dd/"},
                 {"%d de %B de %Y", '/', "dd\" de \"mmmm\" de \"yyyy"},
                 {"%d.%m:%Y", '/', "dd\".\"mm\":\"yyyy"},
                 {"%-m/%-d/%Y", '/', "m/d/yyyy"},
                 {"%e.%m.%Y", '.', "d/mm/yyyy"},
                 {"%EY/%Om/%Od %Ey", '/', "yyyy/mm/dd\" \"yy"},
                 {"%D", '.', "mm\"/\"dd\"/\"yy"},
                 {"%d%%%m", '/', "dd\"%\"mm"},
                 {"%Y (%U) %m", '/', "yyyy\" () \"mm"},
                 {"%dx\"y%m", '/', "dd\"x\"'\"'\"y\"mm"},
                 {"%e%d", '/', "d\"\"dd"}};
    for (const auto& c : cases)
        EXPECT_EQ(translateDatePattern(c.strftimeFmt, c.separator), c.expected) << c.strftimeFmt;
}

// The separator is the first ASCII punctuation outside conversions, of the
// expanded pattern ("%r" takes the twelve-hour one, or the C library's), or
// the default where there is none.
TEST(SeparatorOf, IsTheFirstAsciiPunctuationOutsideConversions)
{
    const std::pair<const char*, char> cases[] = {
        {"%m/%d/%y", '/'}, {"%d-%m/%Y", '-'}, {"%Y年%m月%d日", '/'}, {"%F", '-'}, {"%d%%%m.%Y", '.'}};
    for (const auto& [fmt, expected] : cases)
        EXPECT_EQ(dateSeparatorOf(fmt), expected) << fmt;
    const struct {
        const char *tFmt, *tFmtAmpm;
        char expected;
    } timeCases[] = {
        {"%H.%M.%S", "", '.'}, {"%r", "%I.%M.%S %p", '.'}, {"%r", "", ':'}, {"%H時%M分%S秒", "%p%I時%M分%S秒", ':'}};
    for (const auto& c : timeCases)
        EXPECT_EQ(timeSeparatorOf(c.tFmt, c.tFmtAmpm), c.expected) << c.tFmt << " | " << c.tFmtAmpm;
}

// The first hour conversion decides the clock; "%%p" is no designator.
TEST(ClockStyleOf, FollowsTheHourConversion)
{
    const struct {
        const char *tFmt, *tFmtAmpm;
        ClockStyle expected;
        const char* longTimeFormat;
    } cases[] = {{"%r", "%I:%M:%S %p", {true, true, false}, "hh:mm:ss AMPM"},
                 {"%H時%M分%S秒", "%p%I時%M分%S秒", {false, true, false}, "hh:mm:ss"},
                 {"%r", "%p%I時%M分%S秒", {true, true, true}, "AMPM hh:mm:ss"},
                 {"%r", "", {true, true, false}, "hh:mm:ss AMPM"},
                 {"%-I:%M %p", "", {true, false, false}, "h:mm:ss AMPM"},
                 {"%H %p %I", "", {false, true, false}, "hh:mm:ss"},
                 {"%%p %I:%M", "", {true, true, false}, "hh:mm:ss AMPM"},
                 {"", "", {false, false, false}, "h:mm:ss"}};

    for (const auto& c : cases) {
        const ClockStyle style = clockStyleOf(c.tFmt, c.tFmtAmpm);
        EXPECT_EQ((std::tuple{style.twelveHour, style.leadingZero, style.ampmFirst}),
                  (std::tuple{c.expected.twelveHour, c.expected.leadingZero, c.expected.ampmFirst}))
            << c.tFmt;
        EXPECT_EQ(longTimeFormatOf(c.tFmt, c.tFmtAmpm), c.longTimeFormat) << c.tFmt;
    }
}

} // namespace
} // namespace quorrin::platform::posix
