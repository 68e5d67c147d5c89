#pragma once

#include "platform/date_time_settings.h"
#include "text/text_rules.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::listing {

// Writes a moment in the pattern language the locale's formats are given
// in. Letters are read without regard to case:
//   y, yy two-digit year; yyy and longer four digits
//   m, mm month number (mm zero-padded); mmm, mmmm short and long month
//     name; m or mm whose previous letter was an hour token means minutes
//   d, dd day (dd zero-padded); ddd, dddd short and long day name
//   h, hh hour; 12-hour form when the next AM/PM-or-hour token ahead is
//     AMPM, or when AMPM came earlier in the pattern
//   n, nn minutes; s, ss seconds
//   AMPM the locale's AM or PM text
//   g, gg era name; e era year; ee era year zero-padded (empty outside
//     every era of the settings)
//   / and : the locale's date and time separators
//   text in single or double quotes is copied as it stands
// Any other single-byte character is copied; a multi-byte character
// outside quotes is dropped, which is why locale patterns quote their
// kanji. Character boundaries come from `rules`. `time` must be a real
// calendar date and time of day, as file-date unpacking gives.
void appendFormattedDateTime(std::string& out, std::string_view pattern, const platform::LocalDateTime& time,
                             const platform::DateTimeSettings& settings, const text::TextRules& rules);

// The listing's date column: the short date, then one space and the long
// time unless the moment is exactly midnight.
void appendDateTimeText(std::string& out, const platform::LocalDateTime& time,
                        const platform::DateTimeSettings& settings, const text::TextRules& rules);

// One token of a pattern, or a run of text to copy.
struct DateTimePiece {
    enum class Field : std::uint8_t {
        text,
        year, // count 2 or 4 digits
        month,
        monthName, // count 3 short, more long
        day,
        dayName, // count 3 short, more long
        hour,
        twelveHour,
        minute,
        second,
        eraName,
        eraYear,
        ampm,
        dateSeparator,
        timeSeparator,
    };
    Field field = Field::text;
    int count = 0; // least digits of a number
    std::string text;
};

// A pattern read once, for writing many moments as appendFormattedDateTime
// does: a listing writes every row with the same two.
class DateTimePattern {
public:
    DateTimePattern(std::string_view pattern, const text::TextRules& rules);
    void append(std::string& out, const platform::LocalDateTime& time,
                const platform::DateTimeSettings& settings) const;

private:
    std::vector<DateTimePiece> pieces_;
};

// appendDateTimeText with the settings' patterns read once. The settings
// must outlive it.
class DateTimeText {
public:
    DateTimeText(const platform::DateTimeSettings& settings, const text::TextRules& rules);
    void append(std::string& out, const platform::LocalDateTime& time) const;

private:
    const platform::DateTimeSettings& settings_;
    DateTimePattern date_;
    DateTimePattern time_;
};

} // namespace quorrin::listing
