#include "listing/date_time_format.h"

#include "platform/posix/utf8_text_rules.h"
#include "support/shift_jis_text_rules.h"

#include <gtest/gtest.h>

namespace quorrin::listing {
namespace {

using platform::DateTimeSettings;
using platform::LocalDateTime;

const LocalDateTime morning{2006, 1, 28, 9, 5, 6}; // a Saturday

DateTimeSettings japanese()
{
    DateTimeSettings s;
    s.shortDateFormat = "yyyy/MM/dd";
    s.longTimeFormat = platform::buildLongTimeFormat(false, false, false);
    s.amText = "午前";
    s.pmText = "午後";
    return s;
}

DateTimeSettings unitedStates()
{
    DateTimeSettings s;
    s.shortDateFormat = "M/d/yyyy";
    s.longTimeFormat = platform::buildLongTimeFormat(true, false, false);
    s.amText = "AM";
    s.pmText = "PM";
    return s;
}

std::string format(std::string_view pattern, const LocalDateTime& time, const DateTimeSettings& settings = {})
{
    const platform::posix::Utf8TextRules rules;
    std::string out;
    appendFormattedDateTime(out, pattern, time, settings, rules);
    return out;
}

std::string dateText(const LocalDateTime& time, const DateTimeSettings& settings)
{
    const platform::posix::Utf8TextRules rules;
    std::string out = "x";
    appendDateTimeText(out, time, settings, rules);
    return out.substr(1); // also shows that the text is appended
}

TEST(DateTimeText, ShortDateThenLongTimeUnlessMidnight)
{
    const struct {
        DateTimeSettings settings;
        LocalDateTime time;
        const char* text;
    } table[] = {
        {japanese(), morning, "2006/01/28 9:05:06"},
        {unitedStates(), morning, "1/28/2006 9:05:06 AM"},
        {japanese(), {2006, 1, 28, 0, 0, 0}, "2006/01/28"},
        {unitedStates(), {2006, 1, 28, 0, 0, 0}, "1/28/2006"},
        {japanese(), {2006, 1, 28, 0, 0, 2}, "2006/01/28 0:00:02"},
        {japanese(), {2006, 12, 31, 23, 59, 58}, "2006/12/31 23:59:58"},
        // Twelve-hour form at its edges.
        {unitedStates(), {2006, 1, 28, 0, 30, 0}, "1/28/2006 12:30:00 AM"},
        {unitedStates(), {2006, 1, 28, 12, 0, 0}, "1/28/2006 12:00:00 PM"},
        {unitedStates(), {2006, 1, 28, 23, 0, 0}, "1/28/2006 11:00:00 PM"},
    };
    for (const auto& row : table)
        EXPECT_EQ(dateText(row.time, row.settings), row.text) << row.text;
}

TEST(DateTimeFormat, Tokens)
{
    const LocalDateTime afternoon{2006, 1, 28, 15, 7, 8};
    const struct {
        const char* pattern;
        LocalDateTime time;
        const char* text;
    } table[] = {
        {"y|yy|yyy|yyyy", morning, "06|06|2006|2006"},
        {"YYYY-Mm-Dd", morning, "2006-01-28"},
        {"m|mm|mmm|mmmm", morning, "1|01|Jan|January"},
        {"d|dd|ddd|dddd", morning, "28|28|Sat|Saturday"},
        {"dddd mmmm", {2000, 12, 31, 0, 0, 0}, "Sunday December"},
        // m after an hour token is minutes, however the two are separated.
        {"hh:mm", morning, "09:05"},
        {"h'x'mm", morning, "9x05"},
        {"h:mmm", morning, "9:05"},
        {"mm h", morning, "01 9"},
        {"h:d:mm", morning, "9:28:01"}, // another letter in between: month again
        {"n:nn:s:ss:nnn", morning, "5:05:6:06:05"},
        // 12-hour form only when AMPM comes before the next hour token.
        {"h ampm", afternoon, "3 pm"},
        {"AMPM h", afternoon, "pm 3"},
        {"h 'AMPM'", afternoon, "15 AMPM"},
        {"h hh AMPM", afternoon, "15 03 pm"},
        {"AMPM", {2006, 1, 28, 12, 0, 0}, "pm"},
        {"a ap", morning, "a ap"},
        // Quoted text and copied characters.
        {"'it''s'", morning, "its"},
        {"\"it's\"", morning, "it's"},
        {"'open", morning, "open"},
        {"yyyy'年'm'月'd'日'", morning, "2006年1月28日"},
        {"yyyy年m月d日", morning, "2006128"},
        {"[t.c.z]", morning, "[t.c.z]"},
    };
    for (const auto& row : table)
        EXPECT_EQ(format(row.pattern, row.time), row.text) << row.pattern;
}

TEST(DateTimeFormat, SeparatorsAndNamesComeFromTheSettings)
{
    DateTimeSettings s;
    s.dateSeparator = '-';
    s.timeSeparator = '.';
    EXPECT_EQ(format("yyyy/mm/dd h:nn:ss", morning, s), "2006-01-28 9.05.06");
    s.dateSeparator = 0;
    s.timeSeparator = 0;
    EXPECT_EQ(format("yyyy/mm/dd h:nn", morning, s), "20060128 905");
    s.shortMonthNames[0] = " 1月";
    s.longMonthNames[0] = "一月";
    s.shortDayNames[6] = "土";
    s.longDayNames[6] = "土曜日";
    EXPECT_EQ(format("mmm|mmmm|ddd|dddd", morning, s), " 1月|一月|土|土曜日");
}

TEST(DateTimeFormat, EraTokensNameTheEraAndCountItsYears)
{
    DateTimeSettings s;
    s.eras = {{"明治", 1868, 1, 1}, {"大正", 1912, 7, 30}, {"昭和", 1926, 12, 25}, {"平成", 1989, 1, 8}};
    const struct {
        const char* pattern;
        LocalDateTime time;
        const char* text;
    } table[] = {
        {"gg e'年'", morning, "平成 18年"},         {"gge/mm/dd", {1989, 1, 8, 0, 0, 0}, "平成1/01/08"},
        {"ggee", {1989, 1, 8, 0, 0, 0}, "平成01"},  {"gg e", {1989, 1, 7, 0, 0, 0}, "昭和 64"},
        {"GG E", {1985, 6, 1, 0, 0, 0}, "昭和 60"},
    };
    for (const auto& row : table)
        EXPECT_EQ(format(row.pattern, row.time, s), row.text) << row.pattern;
    EXPECT_EQ(format("[gg ee]", morning), "[ ]") << "no era calendar";
}

// In code page 932 a character's second byte may be a letter: ヅ is 83 64
// ("d"), ノ is 83 6D ("m"). Unquoted they are dropped whole; quoted they are
// copied whole.
TEST(DateTimeFormatShiftJis, DoubleByteCharactersAreDroppedOrCopiedWhole)
{
    const testing::ShiftJisTextRules rules;
    const DateTimeSettings s;
    const struct {
        const char* pattern;
        const char* text;
    } table[] = {
        {"dヅ", "28"},    {"yyyyノ", "2006"}, {"d'ヅ'", "28ヅ"}, {"yyyy\"年\"m\"月\"", "2006年1月"},
        {"h時mm", "901"}, // the dropped character ends the hour's reach
    };
    for (const auto& row : table) {
        std::string out;
        appendFormattedDateTime(out, rules.fromUtf8(row.pattern), morning, s, rules);
        EXPECT_EQ(out, rules.fromUtf8(row.text)) << row.pattern;
    }
}

} // namespace
} // namespace quorrin::listing
