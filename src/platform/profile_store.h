#pragma once

#include "platform/write_outcome.h"

#include <string>
#include <string_view>

namespace quorrin::platform {

// The system's private-profile (INI) service for one settings file: the
// smallest surface that both our own POSIX store and the Windows service
// provide, so the typed accessor above it is one code path.
//
// Section and key names match without regard to ASCII case. Values come
// back with blanks (space, tab) trimmed from both ends and one pair of
// enclosing quotes (" or ') removed, as the Windows service returns them.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;

    // The whole value of `key` in `section`, however long, or `fallback`
    // when the file, the section or the key is missing. Never fails: a file
    // that cannot be read counts as missing.
    virtual std::string read(std::string_view section, std::string_view key, std::string_view fallback) = 0;

    // Sets the key, creating the file, the section or the key as needed and
    // keeping every other line as it was. An empty value writes "Key=" and
    // keeps the key. The value holds no line break (SettingsFile sees to
    // that). False when the change is refused.
    virtual bool write(std::string_view section, std::string_view key, std::string_view value) = 0;

    // Makes every write of this pass durable, and tells how that ended.
    virtual WriteOutcome flush() = 0;
};

} // namespace quorrin::platform
