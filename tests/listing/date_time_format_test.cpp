#include "listing/date_time_format.h"

#include "support/shift_jis_text_rules.h"
#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

namespace quorrin::listing {
namespace {

using platform::DateTimeSettings;
using platform::LocalDateTime;

const LocalDateTime morning{2006, 1, 28, 9, 5, 6}; // a Saturday
const text::Utf8TextRules utf8;

std::string format(std::string_view pattern, const LocalDateTime& time, const DateTimeSettings& settings = {})
{
    std::string out;
    appendFormattedDateTime(out, pattern, time, settings, utf8);
    return out;
}

TEST(DateTimeText, ShortDateThenLongTimeUnlessMidnight)
{
    DateTimeSettings japanese;
    japanese.shortDateFormat = "yyyy/MM/dd";
    japanese.longTimeFormat = platform::buildLongTimeFormat(false, false, false);
    DateTimeSettings unitedStates;
    unitedStates.shortDateFormat = "M/d/yyyy";
    unitedStates.longTimeFormat = platform::buildLongTimeFormat(true, false, false);
    unitedStates.amText = "AM";
    unitedStates.pmText = "PM";
    const struct {
        const DateTimeSettings& settings;
        LocalDateTime time;
        const char* text;
    } table[] = {
        {japanese, morning, "2006/01/28 9:05:06"},
        {unitedStates, morning, "1/28/2006 9:05:06 AM"},
        {japanese, {2006, 1, 28, 0, 0, 0}, "2006/01/28"},
        {unitedStates, {2006, 1, 28, 0, 0, 0}, "1/28/2006"},
        {japanese, {2006, 12, 31, 23, 59, 58}, "2006/12/31 23:59:58"},
        // Twelve-hour form at its edges.
        {unitedStates, {2006, 1, 28, 0, 30, 0}, "1/28/2006 12:30:00 AM"},
        {unitedStates, {2006, 1, 28, 12, 0, 0}, "1/28/2006 12:00:00 PM"},
    };
    for (const auto& row : table) {
        std::string out = "x"; // shows that the text is appended
        appendDateTimeText(out, row.time, row.settings, utf8);
        EXPECT_EQ(out, std::string("x") + row.text);
    }
    // A listing reads the patterns once and writes every row with them:
    // nothing of one row may carry over to the next.
    const DateTimeText japaneseRows(japanese, utf8);
    const DateTimeText unitedStatesRows(unitedStates, utf8);
    for (const auto& row : table) {
        std::string out;
        (&row.settings == &japanese ? japaneseRows : unitedStatesRows).append(out, row.time);
        EXPECT_EQ(out, row.text);
    }
}

TEST(DateTimeFormat, Tokens)
{
    const LocalDateTime afternoon{2006, 1, 28, 15, 7, 8};
    const std::tuple<const char*, LocalDateTime, const char*> table[] = {
        {"y|yy|yyy|yyyy", morning, "06|06|2006|2006"},
        {"YYYY-Mm-Dd", morning, "2006-01-28"},
        {"m|mm|mmm|mmmm", morning, "1|01|Jan|January"},
        {"d|dd|ddd|dddd", morning, "28|28|Sat|Saturday"},
        // m after an hour token is minutes, however the two are separated.
        {"h'x'mm", morning, "9x05"},
        {"mm h", morning, "01 9"},
        {"h:d:mm", morning, "9:28:01"}, // another letter in between: month again
        {"n:nn:s:ss:nnn", morning, "5:05:6:06:05"},
        // 12-hour form only when AMPM comes before the next hour token.
        {"AMPM h", afternoon, "pm 3"},
        {"h 'AMPM'", afternoon, "15 AMPM"},
        {"h hh AMPM", afternoon, "15 03 pm"},
        {"a ap", morning, "a ap"},
        // Quoted text and copied characters.
        {"'it''s'", morning, "its"},
        {"'open", morning, "open"},
        {"yyyy年m月d日", morning, "2006128"},
        {"[t.c.z]", morning, "[t.c.z]"},
    };
    for (const auto& [pattern, time, text] : table)
        EXPECT_EQ(format(pattern, time), text) << pattern;
}

TEST(DateTimeFormat, SeparatorsNamesAndErasComeFromTheSettings)
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
    EXPECT_EQ(format("[gg ee]", morning), "[ ]") << "no era calendar";

    s.eras = {{"大正", 1912, 7, 30}, {"昭和", 1926, 12, 25}, {"平成", 1989, 1, 8}};
    const std::tuple<const char*, LocalDateTime, const char*> table[] = {
        {"gg e'年'", morning, "平成 18年"},
        {"ggee", {1989, 1, 8, 0, 0, 0}, "平成01"},
        {"GG E", {1989, 1, 7, 0, 0, 0}, "昭和 64"},
    };
    for (const auto& [pattern, time, text] : table)
        EXPECT_EQ(format(pattern, time, s), text) << pattern;
}

// In code page 932 a character's second byte may be a letter: ヅ is 83 64
// ("d"), ノ is 83 6D ("m"). Unquoted they are dropped whole; quoted they are
// copied whole.
TEST(DateTimeFormatShiftJis, DoubleByteCharactersAreDroppedOrCopiedWhole)
{
    const testing::ShiftJisTextRules rules;
    const std::pair<const char*, const char*> table[] = {
        {"dヅ", "28"},
        {"yyyyノ", "2006"},
        {"d'ヅ'", "28ヅ"},
        {"h時mm", "901"}, // the dropped character ends the hour's reach
    };
    for (const auto& [pattern, text] : table) {
        std::string out;
        appendFormattedDateTime(out, rules.fromUtf8(pattern), morning, {}, rules);
        EXPECT_EQ(out, rules.fromUtf8(text)) << pattern;
    }
}

} // namespace
} // namespace quorrin::listing
