#include "platform/win32/short_date_translation.h"

namespace quorrin::platform::win32 {

namespace {

constexpr int langChinese = 0x04;
constexpr int langJapanese = 0x11;
constexpr int langKorean = 0x12;

bool isEraCalendar(int type)
{
    return type == calendar::japaneseEra || type == calendar::taiwan || type == calendar::korean;
}

bool isCjk(int language)
{
    return language == langChinese || language == langJapanese || language == langKorean;
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

} // namespace

std::string translateShortDatePattern(const text::TextRules& rules, std::string_view pattern, int calendarType,
                                      int primaryLanguage)
{
    const bool era = isEraCalendar(calendarType);
    const bool dropEraNames = !era && isCjk(primaryLanguage);
    if (!era && !dropEraNames)
        return std::string(pattern);

    std::string out;
    char quote = 0;
    for (std::size_t i = 0; i < pattern.size();) {
        const std::size_t len = rules.charLength(pattern, i);
        const char c = pattern[i];
        if (len > 1 || (quote != 0 && c != quote)) {
            out.append(pattern.substr(i, len));
        } else if (c == '\'' || c == '"') {
            quote = quote == 0 ? c : 0;
            out += c;
        } else if (dropEraNames && lower(c) == 'g') {
            // dropped
        } else if (era && lower(c) == 'g' && i + 1 < pattern.size() && lower(pattern[i + 1]) == 'g') {
            out += "ggg";
            ++i;
        } else if (era && lower(c) == 'y') {
            out += 'e';
        } else {
            out += c;
        }
        i += len;
    }
    return out;
}

} // namespace quorrin::platform::win32
