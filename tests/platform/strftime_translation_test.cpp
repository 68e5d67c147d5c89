#include "platform/posix/strftime_translation.h"

#include <gtest/gtest.h>

#include <string>

namespace quorrin::platform::posix {
namespace {

// Locale patterns are typed in as the C library ships them, so these cases
// hold on a machine that has none of the locales installed.

struct DateCase {
    const char* name;
    const char* strftimeFmt;
    char separator;
    const char* expected;
};

class TranslateDatePattern : public testing::TestWithParam<DateCase> {};

TEST_P(TranslateDatePattern, GivesFormatterTokens)
{
    const DateCase& c = GetParam();
    EXPECT_EQ(translateDatePattern(c.strftimeFmt, c.separator), c.expected);
}

const DateCase dateCases[] = {
    // The patterns of common locales.
    {"C", "%m/%d/%y", '/', "mm/dd/yy"},
    {"de_DE", "%d.%m.%Y", '.', "dd/mm/yyyy"},
    {"ja_JP", "%Y年%m月%d日", '/', "yyyy\"年\"mm\"月\"dd\"日\""},
    {"ko_KR", "%Y년 %m월 %d일", '/', "yyyy\"년 \"mm\"월 \"dd\"일\""},
    {"hu_HU", "%Y. %m. %d.", '.', "yyyy/\" \"mm/\" \"dd/"},
    // Letters outside conversions would read as tokens unless quoted.
    {"LettersQuoted", "%d de %B de %Y", '/', "dd\" de \"mmmm\" de \"yyyy"},
    // Punctuation other than the separator is quoted, a ":" included, which
    // the formatter would otherwise show as the time separator.
    {"OtherPunctuationQuoted", "%d.%m:%Y", '/', "dd\".\"mm\":\"yyyy"},
    // Padding flags decide between one and two digits.
    {"NoPaddingFlag", "%-m/%-d/%Y", '/', "m/d/yyyy"},
    {"SpacePaddedDay", "%e.%m.%Y", '.', "d/mm/yyyy"},
    {"LastPaddingFlagWins", "%-0m/%0-d", '/', "mm/d"},
    {"WidthIgnored", "%10Y/%3m", '/', "yyyy/mm"},
    // Alternative eras and digits have no tokens: the plain forms stand in.
    {"EraAndDigitModifiers", "%EY/%Om/%Od %Ey", '/', "yyyy/mm/dd\" \"yy"},
    // Names.
    {"Names", "%a, %d %b %Y", '/', "ddd\", \"dd\" \"mmm\" \"yyyy"},
    // Composite conversions expand; their own punctuation is quoted unless
    // it is the separator.
    {"SlashDateOtherSeparator", "%D", '.', "mm\"/\"dd\"/\"yy"},
    {"IsoDateOtherSeparator", "%F", '/', "yyyy\"-\"mm\"-\"dd"},
    // A percent sign is literal text.
    {"Percent", "%d%%%m", '/', "dd\"%\"mm"},
    // Conversions without a token are left out, literals around them merge.
    {"UnknownDropped", "%d.%m.%Y%j", '.', "dd/mm/yyyy"},
    {"UnknownBetweenLiterals", "%Y (%U) %m", '/', "yyyy\" () \"mm"},
    // A double quote cannot stand inside double quotes.
    {"DoubleQuoteInRun", "%dx\"y%m", '/', "dd\"x\"'\"'\"y\"mm"},
    // Tokens of one letter side by side stay apart.
    {"SameLetterTokensApart", "%e%d", '/', "d\"\"dd"},
    {"DifferentLettersJoin", "%Y%m%d", '/', "yyyymmdd"},
};

INSTANTIATE_TEST_SUITE_P(Patterns, TranslateDatePattern, testing::ValuesIn(dateCases),
                         [](const testing::TestParamInfo<DateCase>& info) { return std::string(info.param.name); });

TEST(DateSeparatorOf, IsTheFirstAsciiPunctuationOutsideConversions)
{
    struct Case {
        const char* fmt;
        char expected;
    };
    const Case cases[] = {
        {"%m/%d/%y", '/'},
        {"%d.%m.%Y", '.'},
        {"%d-%m/%Y", '-'},
        // No punctuation at all: the default.
        {"%Y年%m月%d日", '/'},
        {"", '/'},
        // Composite conversions count with their expansion.
        {"%F", '-'},
        // Flags and "%%" are part of conversions, not literal text.
        {"%d%%%m.%Y", '.'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fmt);
        EXPECT_EQ(dateSeparatorOf(c.fmt), c.expected);
    }
}

TEST(TimeSeparatorOf, IsTheFirstAsciiPunctuationOfTheExpandedPattern)
{
    struct Case {
        const char* tFmt;
        const char* tFmtAmpm;
        char expected;
    };
    const Case cases[] = {
        {"%H:%M:%S", "%I:%M:%S %p", ':'},
        {"%H.%M.%S", "", '.'},
        // %r takes the twelve-hour pattern, or the C library's own when the
        // locale has none.
        {"%r", "%I.%M.%S %p", '.'},
        {"%r", "", ':'},
        // Kanji between the fields: the default.
        {"%H時%M分%S秒", "%p%I時%M分%S秒", ':'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.tFmt) + " | " + c.tFmtAmpm);
        EXPECT_EQ(timeSeparatorOf(c.tFmt, c.tFmtAmpm), c.expected);
    }
}

struct ClockCase {
    const char* name;
    const char* tFmt;
    const char* tFmtAmpm;
    ClockStyle expected;
    const char* longTimeFormat;
};

class ClockStyleOf : public testing::TestWithParam<ClockCase> {};

TEST_P(ClockStyleOf, FollowsTheHourConversion)
{
    const ClockCase& c = GetParam();
    const ClockStyle style = clockStyleOf(c.tFmt, c.tFmtAmpm);
    EXPECT_EQ(style.twelveHour, c.expected.twelveHour);
    EXPECT_EQ(style.leadingZero, c.expected.leadingZero);
    EXPECT_EQ(style.ampmFirst, c.expected.ampmFirst);
    EXPECT_EQ(longTimeFormatOf(c.tFmt, c.tFmtAmpm), c.longTimeFormat);
}

const ClockCase clockCases[] = {
    // The patterns of common locales.
    {"C", "%H:%M:%S", "%I:%M:%S %p", {false, true, false}, "hh:mm:ss"},
    {"en_US", "%r", "%I:%M:%S %p", {true, true, false}, "hh:mm:ss AMPM"},
    {"ja_JP", "%H時%M分%S秒", "%p%I時%M分%S秒", {false, true, false}, "hh:mm:ss"},
    // A locale whose clock is the twelve-hour one with the designator first.
    {"AmpmFirstViaR", "%r", "%p%I時%M分%S秒", {true, true, true}, "AMPM hh:mm:ss"},
    // %r without a twelve-hour pattern of the locale uses the C library's.
    {"RWithoutAmpmPattern", "%r", "", {true, true, false}, "hh:mm:ss AMPM"},
    // Space-padded hours and padding flags: no leading zero.
    {"SpacePadded24", "%k:%M:%S", "", {false, false, false}, "h:mm:ss"},
    {"NoPaddingFlag12", "%-I:%M %p", "", {true, false, false}, "h:mm:ss AMPM"},
    {"ZeroPaddingFlag", "%0k:%M", "", {false, true, false}, "hh:mm:ss"},
    // The first hour conversion decides; a designator after it does not
    // count as first.
    {"FirstHourDecides", "%H %p %I", "", {false, true, false}, "hh:mm:ss"},
    // "%%p" is literal text, not a designator.
    {"PercentNotAmpm", "%%p %I:%M", "", {true, true, false}, "hh:mm:ss AMPM"},
    // Nothing to go by: the default clock.
    {"Empty", "", "", {false, false, false}, "h:mm:ss"},
};

INSTANTIATE_TEST_SUITE_P(Patterns, ClockStyleOf, testing::ValuesIn(clockCases),
                         [](const testing::TestParamInfo<ClockCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace quorrin::platform::posix
