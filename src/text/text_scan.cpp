#include "text/text_scan.h"

namespace quorrin::text {

namespace {

template <typename Visit> void forEachChar(const TextRules& rules, std::string_view s, Visit visit)
{
    for (std::size_t i = 0; i < s.size();) {
        std::size_t len = rules.charLength(s, i);
        if (len == 0 || i + len > s.size())
            len = 1;
        visit(i, len);
        i += len;
    }
}

} // namespace

std::size_t findLastOf(const TextRules& rules, std::string_view s, std::string_view chars)
{
    std::size_t found = std::string_view::npos;
    forEachChar(rules, s, [&](std::size_t i, std::size_t len) {
        if (len == 1 && chars.find(s[i]) != std::string_view::npos)
            found = i;
    });
    return found;
}

std::size_t findFirstOf(const TextRules& rules, std::string_view s, std::string_view chars)
{
    std::size_t found = std::string_view::npos;
    forEachChar(rules, s, [&](std::size_t i, std::size_t len) {
        if (found == std::string_view::npos && len == 1 && chars.find(s[i]) != std::string_view::npos)
            found = i;
    });
    return found;
}

std::size_t lastCharStart(const TextRules& rules, std::string_view s)
{
    std::size_t last = std::string_view::npos;
    forEachChar(rules, s, [&](std::size_t i, std::size_t) { last = i; });
    return last;
}

bool endsWithChar(const TextRules& rules, std::string_view s, char c)
{
    std::size_t last = lastCharStart(rules, s);
    return last != std::string_view::npos && last == s.size() - 1 && s[last] == c;
}

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace quorrin::text
