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
    {"en_US", "%m/%d/%Y", '/', "mm/dd/yyyy"},
    {"en_GB", "%d/%m/%y", '/', "dd/mm/yy"},
    {"de_DE", "%d.%m.%Y", '.', "dd/mm/yyyy"},
    {"sv_SE", "%Y-%m-%d", '-', "yyyy/mm/dd"},
    {"ja_JP", "%Y年%m月%d日", '/', "yyyy\"年\"mm\"月\"dd\"日\""},
    {"zh_CN", "%Y年%m月%d日", '/', "yyyy\"年\"mm\"月\"dd\"日\""},
    {"ko_KR", "%Y년 %m월 %d일", '/', "yyyy\"년 \"mm\"월 \"dd\"일\""},
    {"hu_HU", "%Y. %m. %d.", '.', "yyyy/\" \"mm/\" \"dd/"},
    // Letters outside conversions would read as tokens unless quoted.
    {"LettersQuoted", "%d de %B de %Y", '/', "dd\" de \"mmmm\" de \"yyyy"},
    // Punctuation other than the separator is quoted, a ":" included, which
    // the formatter would otherwise show as the time separator.
    {"OtherPunctuationQuoted", "%d.%m.%Y", '/', "dd\".\"mm\".\"yyyy"},
    {"ColonQuoted", "%d:%m", '/', "dd\":\"mm"},
    // Padding flags decide between one and two digits.
    {"NoPaddingFlag", "%-m/%-d/%Y", '/', "m/d/yyyy"},
    {"SpacePaddingFlag", "%_m/%_d/%Y", '/', "m/d/yyyy"},
    {"SpacePaddedDay", "%e.%m.%Y", '.', "d/mm/yyyy"},
    {"ZeroPaddedDay", "%0e.%m.%Y", '.', "dd/mm/yyyy"},
    {"LastPaddingFlagWins", "%-0m/%0-d", '/', "mm/d"},
    {"CaseFlagsIgnored", "%^b %#d", '/', "mmm\" \"dd"},
    {"WidthIgnored", "%10Y/%3m", '/', "yyyy/mm"},
    // Alternative eras and digits have no tokens: the plain forms stand in.
    {"EraAndDigitModifiers", "%EY/%Om/%Od %Ey", '/', "yyyy/mm/dd\" \"yy"},
    {"FlagWithModifier", "%-Om/%-Od", '/', "m/d"},
    // Names.
    {"Names", "%a, %d %b %Y", '/', "ddd\", \"dd\" \"mmm\" \"yyyy"},
    {"LongNames", "%A %e %B", '/', "dddd\" \"d\" \"mmmm"},
    {"MonthNameAlias", "%h %d", '/', "mmm\" \"dd"},
    // Composite conversions expand; their own punctuation is quoted unless
    // it is the separator.
    {"SlashDate", "%D", '/', "mm/dd/yy"},
    {"SlashDateOtherSeparator", "%D", '.', "mm\"/\"dd\"/\"yy"},
    {"IsoDate", "%F", '-', "yyyy/mm/dd"},
    {"IsoDateOtherSeparator", "%F", '/', "yyyy\"-\"mm\"-\"dd"},
    // A percent sign is literal text.
    {"Percent", "%d%%%m", '/', "dd\"%\"mm"},
    // Conversions without a token are left out, literals around them merge.
    {"UnknownDropped", "%d.%m.%Y%j", '.', "dd/mm/yyyy"},
    {"CenturyDropped", "%C%y", '/', "yy"},
    {"UnknownBetweenLiterals", "%Y (%U) %m", '/', "yyyy\" () \"mm"},
    {"TrailingPercentDropped", "%d/%", '/', "dd/"},
    // A double quote cannot stand inside double quotes.
    {"DoubleQuoteLiteral", "%d\"%m", '/', "dd'\"'mm"},
    {"DoubleQuoteInRun", "%dx\"y%m", '/', "dd\"x\"'\"'\"y\"mm"},
    // Tokens of one letter side by side stay apart.
    {"SameLetterTokensApart", "%e%d", '/', "d\"\"dd"},
    {"MonthThenMonthName", "%m%b", '/', "mm\"\"mmm"},
    {"DifferentLettersJoin", "%Y%m%d", '/', "yyyymmdd"},
    {"Empty", "", '/', ""},
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
        {"%Y-%m-%d", '-'},
        {"%Y. %m. %d.", '.'},
        {"%d-%m/%Y", '-'},
        // No punctuation at all: the default.
        {"%Y年%m月%d日", '/'},
        {"%Y년 %m월 %d일", '/'},
        {"%Y%m%d", '/'},
        {"", '/'},
        // Composite conversions count with their expansion.
        {"%F", '-'},
        {"%D", '/'},
        // Flags and "%%" are part of conversions, not literal text.
        {"%-d.%-m.%Y", '.'},
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
        {"%T", "", ':'},
        {"%R", "", ':'},
        // %r takes the twelve-hour pattern, or the C library's own when the
        // locale has none.
        {"%r", "%I.%M.%S %p", '.'},
        {"%r", "", ':'},
        // Kanji between the fields: the default.
        {"%H時%M分%S秒", "%p%I時%M分%S秒", ':'},
        {"", "", ':'},
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
    {"de_DE", "%T", "", {false, true, false}, "hh:mm:ss"},
    {"ja_JP", "%H時%M分%S秒", "%p%I時%M分%S秒", {false, true, false}, "hh:mm:ss"},
    {"ko_KR", "%H시 %M분 %S초", "%p %I시 %M분 %S초", {false, true, false}, "hh:mm:ss"},
    // A locale whose clock is the twelve-hour one with the designator first.
    {"AmpmFirstViaR", "%r", "%p%I時%M分%S秒", {true, true, true}, "AMPM hh:mm:ss"},
    {"AmpmFirst", "%p %I:%M:%S", "", {true, true, true}, "AMPM hh:mm:ss"},
    {"LowerCaseAmpmFirst", "%P %I:%M", "", {true, true, true}, "AMPM hh:mm:ss"},
    // %r without a twelve-hour pattern of the locale uses the C library's.
    {"RWithoutAmpmPattern", "%r", "", {true, true, false}, "hh:mm:ss AMPM"},
    {"HourMinute", "%R", "", {false, true, false}, "hh:mm:ss"},
    // Space-padded hours and padding flags: no leading zero.
    {"SpacePadded24", "%k:%M:%S", "", {false, false, false}, "h:mm:ss"},
    {"SpacePadded12", "%l:%M:%S %p", "", {true, false, false}, "h:mm:ss AMPM"},
    {"NoPaddingFlag12", "%-I:%M %p", "", {true, false, false}, "h:mm:ss AMPM"},
    {"SpacePaddingFlag24", "%_H:%M", "", {false, false, false}, "h:mm:ss"},
    {"ZeroPaddingFlag", "%0k:%M", "", {false, true, false}, "hh:mm:ss"},
    // The first hour conversion decides; a designator after it does not
    // count as first.
    {"FirstHourDecides", "%H %p %I", "", {false, true, false}, "hh:mm:ss"},
    {"AmpmAfterHour", "%I:%M %p", "", {true, true, false}, "hh:mm:ss AMPM"},
    // "%%p" is literal text, not a designator.
    {"PercentNotAmpm", "%%p %I:%M", "", {true, true, false}, "hh:mm:ss AMPM"},
    // Nothing to go by: the default clock.
    {"Empty", "", "", {false, false, false}, "h:mm:ss"},
};

INSTANTIATE_TEST_SUITE_P(Patterns, ClockStyleOf, testing::ValuesIn(clockCases),
                         [](const testing::TestParamInfo<ClockCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace quorrin::platform::posix
