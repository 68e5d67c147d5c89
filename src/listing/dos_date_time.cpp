#include "listing/dos_date_time.h"

#include "listing/calendar.h"

namespace quorrin::listing {

std::optional<std::uint32_t> packDosDateTime(const platform::LocalDateTime& t)
{
    if (t.year < 1980 || t.year > 2107 || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > daysInMonth(t.year, t.month) || t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 ||
        t.second < 0 || t.second > 59)
        return std::nullopt;
    const auto date = static_cast<std::uint32_t>(((t.year - 1980) << 9) | (t.month << 5) | t.day);
    const auto time = static_cast<std::uint32_t>((t.hour << 11) | (t.minute << 5) | (t.second / 2));
    return (date << 16) | time;
}

platform::LocalDateTime unpackDosDateTime(std::uint32_t packed)
{
    const std::uint32_t date = packed >> 16;
    const std::uint32_t time = packed & 0xFFFFu;
    return platform::LocalDateTime{
        1980 + static_cast<int>(date >> 9), static_cast<int>((date >> 5) & 0x0Fu), static_cast<int>(date & 0x1Fu),
        static_cast<int>(time >> 11),       static_cast<int>((time >> 5) & 0x3Fu), static_cast<int>((time & 0x1Fu) * 2),
    };
}

} // namespace quorrin::listing
