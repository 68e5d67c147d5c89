#pragma once

#include <cstdint>
#include <string>

namespace quorrin::platform {

// Attribute bits as the Windows directory search reports them; the POSIX
// side maps its modes onto the same bits so the controls stay one code path.
namespace attr {
inline constexpr std::uint32_t readOnly = 0x01;
inline constexpr std::uint32_t hidden = 0x02;
inline constexpr std::uint32_t system = 0x04;
inline constexpr std::uint32_t volumeId = 0x08;
inline constexpr std::uint32_t directory = 0x10;
inline constexpr std::uint32_t archive = 0x20;
} // namespace attr

// Entries sharing a bit with this set are passed over by a search made with
// `searchAttr`: hidden, system, volume-label and directory entries are only
// returned when the caller asked for them.
constexpr std::uint32_t exclusionSet(std::uint32_t searchAttr)
{
    return ~searchAttr & (attr::hidden | attr::system | attr::volumeId | attr::directory);
}

// A moment in UTC as 100-nanosecond ticks since 1601-01-01, the resolution
// and epoch every platform's file times fit into without loss.
struct FileTime {
    std::int64_t ticks = 0;
    friend bool operator==(const FileTime&, const FileTime&) = default;
};

inline constexpr std::int64_t ticksPerSecond = 10'000'000;
// Seconds between 1601-01-01 and the Unix epoch.
inline constexpr std::int64_t unixEpochOffsetSeconds = 11'644'473'600;

constexpr FileTime fileTimeFromUnix(std::int64_t seconds, std::int64_t nanoseconds = 0)
{
    return FileTime{(seconds + unixEpochOffsetSeconds) * ticksPerSecond + nanoseconds / 100};
}

// One directory entry with everything a listing needs, read in one pass.
struct DirEntry {
    std::string name; // as stored, no directory part
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
    FileTime lastWrite;

    bool isDirectory() const { return (attributes & attr::directory) != 0; }
};

} // namespace quorrin::platform
