#pragma once

#include "platform/date_time_settings.h"
#include "platform/win32/ansi_text_rules.h"

namespace quorrin::platform::win32 {

// The date and time conventions of the thread's locale (the user's, unless
// the program changed it), read through GetLocaleInfoA.
class Win32LocaleSettings final : public LocaleSettings {
public:
    Win32LocaleSettings();

    const DateTimeSettings& dateTimeSettings() const override { return settings_; }
    void reread() override;
    // Through the offset in force at the file's date, as on Linux, so a
    // file's time does not move when the season changes.
    std::optional<LocalDateTime> toLocalTime(FileTime time) const override;

private:
    // The locale answers in the system code page.
    AnsiTextRules rules_;
    DateTimeSettings settings_;
};

} // namespace quorrin::platform::win32
