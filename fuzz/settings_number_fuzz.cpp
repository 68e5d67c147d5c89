// The number rule of the settings file against a second reading of the same
// grammar built on std::from_chars, and the round trip of every number the
// program writes.
#include "fuzz_check.h"

#include "persist/settings_number.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <string>

namespace {

using quorrin::fuzz::require;

bool allOf(std::string_view text, bool (*accepted)(char))
{
    for (const char c : text)
        if (!accepted(c))
            return false;
    return true;
}

bool isDecimalDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isHexDigit(char c)
{
    return isDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::optional<std::int32_t> hexReference(std::string_view digits)
{
    if (digits.empty() || !allOf(digits, isHexDigit))
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (error != std::errc() || end != digits.data() + digits.size() || value > 0xFFFFFFFFu)
        return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> decimalReference(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !allOf(text, isDecimalDigit))
        return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    const std::int64_t value = negative ? -static_cast<std::int64_t>(std::min<std::uint64_t>(magnitude, 1ull << 40))
                                        : static_cast<std::int64_t>(std::min<std::uint64_t>(magnitude, 1ull << 40));
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> reference(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return std::nullopt;
    text.remove_prefix(start);
    if (text.starts_with("0x") || text.starts_with("0X"))
        return hexReference(text.substr(2));
    if (text.front() == '$' || text.front() == 'x' || text.front() == 'X')
        return hexReference(text.substr(1));
    return decimalReference(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = quorrin::fuzz::asText(data, size);
    const auto parsed = quorrin::persist::parseSettingsNumber(text);
    require(parsed == reference(text), "the rule agrees with the reference reading");
    if (parsed)
        require(quorrin::persist::parseSettingsNumber(std::to_string(*parsed)) == parsed,
                "a written number reads back");
    return 0;
}
