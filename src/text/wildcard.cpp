#include "text/wildcard.h"

#include <vector>

namespace quorrin::text {

namespace {

// Characters of a text as byte ranges, so "?" takes a whole double-byte or
// UTF-8 character and never half of one.
std::vector<std::string_view> splitChars(const TextRules& rules, std::string_view s)
{
    std::vector<std::string_view> chars;
    chars.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        std::size_t len = rules.charLength(s, i);
        if (len == 0 || i + len > s.size())
            len = 1;
        chars.push_back(s.substr(i, len));
        i += len;
    }
    return chars;
}

bool isStar(std::string_view c)
{
    return c == "*";
}
bool isQuestion(std::string_view c)
{
    return c == "?";
}

// A pattern that has been consumed down to ".*" (or "*"s) can still match
// the end of a name: "readme" matches "readme.*".
bool restMatchesEmpty(const std::vector<std::string_view>& pattern, std::size_t p)
{
    while (p < pattern.size() && isStar(pattern[p]))
        ++p;
    if (p == pattern.size())
        return true;
    if (pattern[p] != ".")
        return false;
    ++p;
    if (p == pattern.size() || !isStar(pattern[p]))
        return false;
    while (p < pattern.size() && isStar(pattern[p]))
        ++p;
    return p == pattern.size();
}

} // namespace

bool hasWildcard(std::string_view pattern)
{
    return pattern.find_first_of("*?") != std::string_view::npos;
}

bool matchesPattern(const TextRules& rules, std::string_view name, std::string_view pattern)
{
    if (pattern.empty())
        return false;
    const std::string foldedName = rules.lowerAsFileName(name);
    const std::string foldedPattern = rules.lowerAsFileName(pattern);
    const auto n = splitChars(rules, foldedName);
    const auto p = splitChars(rules, foldedPattern);

    // Greedy match with one backtrack point per star: linear in practice and
    // never exponential, whatever a typed mask holds.
    std::size_t ni = 0;
    std::size_t pi = 0;
    std::size_t starP = std::string_view::npos;
    std::size_t starN = 0;
    while (ni < n.size()) {
        if (pi < p.size() && isStar(p[pi])) {
            starP = pi++;
            starN = ni;
        } else if (pi < p.size() && (isQuestion(p[pi]) || p[pi] == n[ni])) {
            ++pi;
            ++ni;
        } else if (starP != std::string_view::npos) {
            pi = starP + 1;
            ni = ++starN;
        } else {
            return false;
        }
    }
    return restMatchesEmpty(p, pi);
}

} // namespace quorrin::text
