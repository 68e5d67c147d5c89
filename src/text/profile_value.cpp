#include "text/profile_value.h"

namespace quorrin::text {

namespace {

// One pair of matching quotes round the value is not part of it; that is
// how a value keeps blanks at its ends.
std::string unquoted(std::string value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.front() == value.back())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

std::string profileValue(const IniDocument& document, std::string_view section, std::string_view key,
                         std::string_view fallback)
{
    const auto found = document.value(section, key);
    return found ? unquoted(*found) : std::string(fallback);
}

} // namespace quorrin::text
