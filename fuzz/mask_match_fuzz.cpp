// The mask matcher against a plain dynamic-programming reading of the same
// pattern language, on UTF-8 and on Shift_JIS rules. The matcher's
// greedy walk is what keeps a typed mask from taking exponential time; the
// reference shows it loses no match on the way.
#include "fuzz_check.h"

#include "support/shift_jis_text_rules.h"
#include "text/utf8_text_rules.h"
#include "text/wildcard.h"

#include <vector>

namespace {

using namespace quorrin;
using fuzz::require;

std::vector<std::string_view> charsOf(const text::TextRules& rules, std::string_view s)
{
    std::vector<std::string_view> chars;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t length = rules.charLength(s, i);
        if (length == 0 || i + length > s.size())
            length = 1;
        chars.push_back(s.substr(i, length));
        i += length;
    }
    return chars;
}

bool globMatches(const std::vector<std::string_view>& name, const std::vector<std::string_view>& pattern)
{
    // reach[j]: the first i characters of the name match the first j of the pattern.
    std::vector<char> reach(pattern.size() + 1, 0);
    reach[0] = 1;
    for (std::size_t j = 0; j < pattern.size() && pattern[j] == "*"; ++j)
        reach[j + 1] = 1;
    for (const std::string_view c : name) {
        std::vector<char> next(pattern.size() + 1, 0);
        for (std::size_t j = 0; j < pattern.size(); ++j) {
            if (pattern[j] == "*")
                next[j + 1] = static_cast<char>(reach[j + 1] || reach[j] || next[j]);
            else if (pattern[j] == "?" || pattern[j] == c)
                next[j + 1] = reach[j];
        }
        reach = std::move(next);
    }
    return reach[pattern.size()] != 0;
}

// A pattern ending in "*...*.*...*" also takes a name without that last dot:
// the part before the dot (stars included) must match the whole name.
bool reference(const text::TextRules& rules, std::string_view name, std::string_view pattern)
{
    if (pattern.empty())
        return false;
    const std::string foldedName = rules.lowerAsFileName(name);
    const std::string foldedPattern = rules.lowerAsFileName(pattern);
    const auto n = charsOf(rules, foldedName);
    const auto p = charsOf(rules, foldedPattern);
    if (globMatches(n, p))
        return true;
    std::size_t end = p.size();
    while (end > 0 && p[end - 1] == "*")
        --end;
    if (end == p.size() || end == 0 || p[end - 1] != ".")
        return false;
    const std::vector<std::string_view> head(p.begin(), p.begin() + static_cast<std::ptrdiff_t>(end - 1));
    return globMatches(n, head);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const text::Utf8TextRules utf8;
    static const testing::ShiftJisTextRules shiftJis;
    const auto [pattern, name] = fuzz::splitAtNul(fuzz::asText(data, size));
    for (const text::TextRules* rules :
         {static_cast<const text::TextRules*>(&utf8), static_cast<const text::TextRules*>(&shiftJis)}) {
        const bool matched = text::matchesPattern(*rules, name, pattern);
        require(matched == reference(*rules, name, pattern), "the matcher agrees with the reference");
        if (!pattern.empty())
            require(text::matchesPattern(*rules, name, "*"), "a star takes every name");
        if (!name.empty() && !text::hasWildcard(name))
            require(text::matchesPattern(*rules, name, name), "a plain name matches itself");
    }
    return 0;
}
