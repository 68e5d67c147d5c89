#pragma once

#include <string>
#include <string_view>

namespace quorrin::platform::posix {

// The C library describes a locale's dates and times as strftime patterns;
// the listing's formatter speaks its own token language. These functions
// translate between the two without touching any locale, so every locale's
// patterns can be checked on any machine.

// The date pattern in tokens: %Y yyyy, %y yy, %m mm, %d dd, %e d, %b mmm,
// %B mmmm, %a ddd, %A dddd (%D and %F expanded; padding flags decide between
// the one- and two-digit forms). A literal byte equal to `dateSeparator`
// becomes the separator token "/"; every other literal is quoted so the
// formatter copies it as it stands, kanji included. Conversions the
// formatter has no token for are left out.
std::string translateDatePattern(std::string_view strftimeFmt, char dateSeparator);

// The first ASCII punctuation byte of the pattern's literal text, or "/".
char dateSeparatorOf(std::string_view strftimeFmt);

// The first ASCII punctuation byte of the time pattern's literal text (with
// %r taken from `tFmtAmpm`, %T and %R expanded), or ":".
char timeSeparatorOf(std::string_view tFmt, std::string_view tFmtAmpm);

// How the locale's clock shows the hour.
struct ClockStyle {
    bool twelveHour = false;
    bool leadingZero = false;
    bool ampmFirst = false;
    friend bool operator==(const ClockStyle&, const ClockStyle&) = default;
};

// Read from the hour conversion of the time pattern (%r taken from
// `tFmtAmpm`): %I and %l are twelve-hour, %H and %I pad with a zero unless a
// flag says otherwise, and an AM/PM conversion before the hour puts the
// designator first.
ClockStyle clockStyleOf(std::string_view tFmt, std::string_view tFmtAmpm);

// The long time format in tokens, built from the clock style.
std::string longTimeFormatOf(std::string_view tFmt, std::string_view tFmtAmpm);

} // namespace quorrin::platform::posix
