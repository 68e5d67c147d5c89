#include "platform/win32/short_date_translation.h"
#include "support/shift_jis_text_rules.h"

#include <gtest/gtest.h>

namespace quorrin::platform::win32 {
namespace {

constexpr int japanese = 0x11;
constexpr int chinese = 0x04;
constexpr int korean = 0x12;
constexpr int english = 0x09;

struct Case {
    const char* pattern;
    int calendarType;
    int language;
    const char* expected;
};

class ShortDateTranslation : public ::testing::TestWithParam<Case> {};

TEST_P(ShortDateTranslation, GivesTheFormattersPattern)
{
    const testing::ShiftJisTextRules rules;
    const Case& c = GetParam();
    EXPECT_EQ(translateShortDatePattern(rules, c.pattern, c.calendarType, c.language), c.expected) << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShortDateTranslation,
    ::testing::Values(
        // Era calendars count era years and show the full era name.
        Case{"gg y/M/d", calendar::japaneseEra, japanese, "ggg e/M/d"},
        Case{"ggyy/MM/dd", calendar::japaneseEra, japanese, "gggee/MM/dd"},
        Case{"yyyy/MM/dd", calendar::taiwan, chinese, "eeee/MM/dd"},
        Case{"gg yyyy-MM-dd", calendar::korean, korean, "ggg eeee-MM-dd"},
        // A single g stays as it is; upper case counts as well.
        Case{"g YY/M/d", calendar::japaneseEra, japanese, "g ee/M/d"},
        // Quoted text and double-byte characters are not pattern letters:
        // "Ｚ" is 0x82 0x79 and "Ｈ" 0x82 0x67, second bytes "y" and "g".
        Case{"gg y'y'\x82\x79\x82\x67", calendar::japaneseEra, japanese, "ggg e'y'\x82\x79\x82\x67"},
        // Gregorian calendar in a Chinese, Japanese or Korean locale: no era.
        Case{"gg yyyy/M/d", calendar::gregorian, japanese, " yyyy/M/d"},
        Case{"yyyy/M/d G", calendar::gregorian, chinese, "yyyy/M/d "},
        Case{"yyyy-MM-dd g", calendar::gregorian, korean, "yyyy-MM-dd "},
        Case{"yyyy\x82\x67/M/d \"g\"", calendar::gregorian, japanese, "yyyy\x82\x67/M/d \"g\""},
        // Every other locale keeps its pattern untouched.
        Case{"M/d/yyyy g", calendar::gregorian, english, "M/d/yyyy g"}, Case{"gg y/M/d", 2, english, "gg y/M/d"}));

} // namespace
} // namespace quorrin::platform::win32
