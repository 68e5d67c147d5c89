// Random format patterns, separators, eras and moments through the date and
// time formatter, on UTF-8 and Shift_JIS rules. It must stay in bounds
// whatever the pattern (unclosed quotes, cut multi-byte characters, AMPM at
// the very end) and write no more than each piece of the pattern can give.
#include "fuzz_check.h"

#include "listing/calendar.h"
#include "listing/date_time_format.h"
#include "support/shift_jis_text_rules.h"
#include "text/utf8_text_rules.h"

namespace {

using namespace quorrin;
using fuzz::require;

std::size_t longestText(const platform::DateTimeSettings& settings)
{
    std::size_t longest = std::max(settings.amText.size(), settings.pmText.size());
    for (const auto* names : {&settings.longMonthNames, &settings.shortMonthNames})
        for (const auto& name : *names)
            longest = std::max(longest, name.size());
    for (const auto* names : {&settings.longDayNames, &settings.shortDayNames})
        for (const auto& name : *names)
            longest = std::max(longest, name.size());
    for (const auto& era : settings.eras)
        longest = std::max(longest, era.name.size());
    return longest;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const text::Utf8TextRules utf8;
    static const testing::ShiftJisTextRules shiftJis;
    fuzz::ByteTaker take(fuzz::asText(data, size));

    platform::LocalDateTime time;
    time.year = take.takeIn(1980, 2107);
    time.month = take.takeIn(1, 12);
    time.day = take.takeIn(1, listing::daysInMonth(time.year, time.month));
    time.hour = take.takeIn(0, 23);
    time.minute = take.takeIn(0, 59);
    time.second = take.takeIn(0, 59) & ~1;

    platform::DateTimeSettings settings;
    settings.dateSeparator = static_cast<char>(take.take());
    settings.timeSeparator = static_cast<char>(take.take());
    settings.amText = "\xE5\x8D\x88\xE5\x89\x8D"; // 午前
    settings.pmText = "PM";
    const int eras = take.takeIn(0, 3);
    for (int i = 0; i < eras; ++i)
        settings.eras.push_back(
            {"era" + std::to_string(i), take.takeIn(1900, 2100), take.takeIn(1, 12), take.takeIn(1, 28)});
    const text::TextRules& rules = (take.take() & 1) != 0 ? static_cast<const text::TextRules&>(shiftJis)
                                                          : static_cast<const text::TextRules&>(utf8);

    const std::string_view pattern = take.rest();
    std::string out;
    listing::appendFormattedDateTime(out, pattern, time, settings, rules);
    // Each pattern byte gives at most a name, a four-digit number or itself.
    const std::size_t bound = pattern.size() * std::max<std::size_t>(longestText(settings), 4);
    require(out.size() <= bound, "the output stays within what the pattern can give");

    settings.shortDateFormat = std::string(pattern);
    settings.longTimeFormat = std::string(pattern.substr(pattern.size() / 2));
    std::string line;
    listing::appendDateTimeText(line, time, settings, rules);
    require(line.size() <= 2 * bound + 1, "the date column stays within its two patterns");
    return 0;
}
