#pragma once

#include "platform/dir_entry.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quorrin::platform {

// A calendar era (Japanese imperial eras, the Republic of China calendar):
// its name and the Gregorian date it starts on.
struct Era {
    std::string name;
    int startYear = 0;
    int startMonth = 1;
    int startDay = 1;
};

// The user's date and time conventions, with patterns already in the
// formatter's token language (yyyy, mm, dd, h, nn, ss, AMPM, "quoted" text).
struct DateTimeSettings {
    char dateSeparator = '/';
    char timeSeparator = ':';
    std::string shortDateFormat = "m/d/yy";
    std::string longTimeFormat = "h:mm:ss";
    std::string amText = "am";
    std::string pmText = "pm";
    std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> longMonthNames{"January", "February", "March",     "April",   "May",      "June",
                                               "July",    "August",   "September", "October", "November", "December"};
    std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> longDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    std::vector<Era> eras; // oldest first; empty outside era calendars
};

// The long time pattern is built rather than read, so every locale gets the
// same shape: an optional AM/PM part, the hour, ":mm:ss".
std::string buildLongTimeFormat(bool twelveHour, bool leadingZero, bool ampmFirst);

// A wall-clock moment in the user's time zone.
struct LocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

// The locale as the listing needs it: date and time conventions, read at
// start and again on request, and the user's time zone.
class LocaleSettings {
public:
    virtual ~LocaleSettings() = default;
    virtual const DateTimeSettings& dateTimeSettings() const = 0;
    // Picks up a change of the user's settings made while the program runs.
    virtual void reread() = 0;
    // Nothing when the moment cannot be represented in local time.
    virtual std::optional<LocalDateTime> toLocalTime(FileTime time) const = 0;
};

} // namespace quorrin::platform
