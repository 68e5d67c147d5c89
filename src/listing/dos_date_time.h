#pragma once

#include "platform/date_time_settings.h"

#include <cstdint>
#include <optional>

namespace quorrin::listing {

// The file-date form the listing shows times in: date in the high half
// (years since 1980 in 7 bits, month, day), time in the low half (hour,
// minute, seconds halved). Packing is what gives the listing its 2-second
// resolution and its 1980-2107 range.

// Nothing for a moment outside 1980-01-01 .. 2107-12-31 or one that is not a
// real calendar date and time of day.
std::optional<std::uint32_t> packDosDateTime(const platform::LocalDateTime& time);

platform::LocalDateTime unpackDosDateTime(std::uint32_t packed);

} // namespace quorrin::listing
