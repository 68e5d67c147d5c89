#pragma once

#include "platform/date_time_settings.h"

namespace quorrin::platform::posix {

// The date and time conventions of the C library's current LC_TIME locale.
// The application selects the locale once at start; this class only reads
// it, so it never changes what other parts of the program see.
class PosixLocaleSettings final : public LocaleSettings {
public:
    PosixLocaleSettings();

    const DateTimeSettings& dateTimeSettings() const override;
    // Reads the locale's patterns and names again, and the time zone.
    void reread() override;
    // Local time through the C library's time zone rules; sub-second parts
    // are cut off, never rounded, so a file never shows a later second.
    std::optional<LocalDateTime> toLocalTime(FileTime time) const override;

private:
    DateTimeSettings settings_;
};

} // namespace quorrin::platform::posix
