#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quorrin::persist {

// A number as the settings file holds it. Leading spaces (not tabs) are
// skipped; then either a hexadecimal form ("$", "x", "X", "0x" or "0X" and
// one or more hexadecimal digits, at most 8 significant, the 32 bits taken
// as signed) or a decimal one (an optional sign and one or more digits
// within 32 bits). Anything else anywhere, a trailing blank included, makes
// the whole text unparsable: there is no partial result.
std::optional<std::int32_t> parseSettingsNumber(std::string_view text);

} // namespace quorrin::persist
