#pragma once

#include "text/text_rules.h"

#include <string>
#include <string_view>

namespace quorrin::platform::win32 {

// Calendar numbers as the locale reports them (LOCALE_ICALENDARTYPE).
namespace calendar {
inline constexpr int gregorian = 1;
inline constexpr int japaneseEra = 3;
inline constexpr int taiwan = 4;
inline constexpr int korean = 5;
} // namespace calendar

// The locale's short date pattern in the formatter's language. Under an era
// calendar (Japanese, Taiwan, Korean) the years are era years: gg becomes
// ggg and every y becomes e (yyyy eeee, yy ee, y e). Otherwise a Chinese,
// Japanese or Korean locale loses every g, since the era name of the
// Gregorian calendar means nothing there. Other locales keep the pattern.
// Quoted text and double-byte characters are never touched.
std::string translateShortDatePattern(const text::TextRules& rules, std::string_view pattern, int calendarType,
                                      int primaryLanguage);

} // namespace quorrin::platform::win32
