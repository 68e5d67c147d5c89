#pragma once

#include "platform/date_time_settings.h"

namespace quorrin::testing {

// A locale whose conventions the test chooses and whose time zone is UTC,
// so listings with dates read the same on every machine.
class FixedLocale final : public platform::LocaleSettings {
public:
    platform::DateTimeSettings settings;

    const platform::DateTimeSettings& dateTimeSettings() const override { return settings; }
    void reread() override {}
    std::optional<platform::LocalDateTime> toLocalTime(platform::FileTime time) const override;
};

} // namespace quorrin::testing
