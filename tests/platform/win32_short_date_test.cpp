#include "platform/win32/short_date_translation.h"
#include "support/shift_jis_text_rules.h"

#include <gtest/gtest.h>

namespace quorrin::platform::win32 {
namespace {

constexpr int japanese = 0x11;
constexpr int chinese = 0x04;
constexpr int korean = 0x12;
constexpr int english = 0x09;

// Era calendars count era years and show the full era name; a single g
// stays. Quoted text and double-byte characters are not pattern letters:
// "Ｚ" is 0x82 0x79 and "Ｈ" 0x82 0x67, second bytes "y" and "g". The
// Gregorian calendar of a Chinese, Japanese or Korean locale shows no era;
// every other locale keeps its pattern untouched.
TEST(ShortDateTranslation, GivesTheFormattersPattern)
{
    const testing::ShiftJisTextRules rules;
    const struct {
        const char* pattern;
        int calendarType, language;
        const char* expected;
    } cases[] = {{"gg y/M/d", calendar::japaneseEra, japanese, "ggg e/M/d"},
                 {"ggyy/MM/dd", calendar::japaneseEra, japanese, "gggee/MM/dd"},
                 {"yyyy/MM/dd", calendar::taiwan, chinese, "eeee/MM/dd"},
                 {"gg yyyy-MM-dd", calendar::korean, korean, "ggg eeee-MM-dd"},
                 {"g YY/M/d", calendar::japaneseEra, japanese, "g ee/M/d"},
                 {"gg y'y'\x82\x79\x82\x67", calendar::japaneseEra, japanese, "ggg e'y'\x82\x79\x82\x67"},
                 {"gg yyyy/M/d", calendar::gregorian, japanese, " yyyy/M/d"},
                 {"yyyy/M/d G", calendar::gregorian, chinese, "yyyy/M/d "},
                 {"yyyy\x82\x67/M/d \"g\"", calendar::gregorian, japanese, "yyyy\x82\x67/M/d \"g\""},
                 {"M/d/yyyy g", calendar::gregorian, english, "M/d/yyyy g"},
                 {"gg y/M/d", 2, english, "gg y/M/d"}};
    for (const auto& c : cases)
        EXPECT_EQ(translateShortDatePattern(rules, c.pattern, c.calendarType, c.language), c.expected) << c.pattern;
}

} // namespace
} // namespace quorrin::platform::win32
