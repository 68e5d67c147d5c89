#pragma once

#include <cstddef>
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
    // The buffer a value is read into, terminator included.
    static constexpr std::size_t bufferSize = 2048;

    virtual ~ProfileStore() = default;

    // The value of `key` in `section`, or `fallback` when the file, the
    // section or the key is missing; at most bufferSize - 1 bytes either
    // way. Never fails: a file that cannot be read counts as missing.
    virtual std::string read(std::string_view section, std::string_view key, std::string_view fallback) = 0;

    // Sets the key, creating the file, the section or the key as needed and
    // keeping every other line as it was. An empty value writes "Key=" and
    // keeps the key. The value holds no line break (SettingsFile sees to
    // that). False when the change is refused.
    virtual bool write(std::string_view section, std::string_view key, std::string_view value) = 0;

    // Makes every write of this pass durable. False when that failed; the
    // file then holds what it held before the failed part.
    virtual bool flush() = 0;
};

} // namespace quorrin::platform
