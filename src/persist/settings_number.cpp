#include "persist/settings_number.h"

#include "text/text_scan.h"

#include <limits>

namespace quorrin::persist {

namespace {

std::optional<std::int32_t> parseHex(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : digits) {
        const int d = text::hexDigitValue(c);
        // A ninth significant digit would shift bits out of the top.
        if (d < 0 || (value >> 28) != 0)
            return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(d);
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> parseDecimal(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    // Magnitude limit: one more below zero than above.
    const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0);
    std::int64_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace

std::optional<std::int32_t> parseSettingsNumber(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return std::nullopt;
    text.remove_prefix(start);
    if (text.starts_with("0x") || text.starts_with("0X"))
        return parseHex(text.substr(2));
    if (text.front() == '$' || text.front() == 'x' || text.front() == 'X')
        return parseHex(text.substr(1));
    return parseDecimal(text);
}

} // namespace quorrin::persist
