#include "browse/type_ahead.h"

#include "text/text_scan.h"

namespace quorrin::browse {

namespace {

constexpr std::chrono::milliseconds pauseThatRestarts{500};

} // namespace

TypeAhead::TypeAhead(const text::TextRules& rules) : rules_(rules), clock_(std::chrono::steady_clock::now) {}

const std::string& TypeAhead::key(std::string_view character)
{
    const auto now = clock_();
    if (!lastKey_ || now - *lastKey_ >= pauseThatRestarts)
        prefix_.clear();
    lastKey_ = now;
    if (character == "\b") {
        if (!prefix_.empty())
            prefix_.resize(text::lastCharStart(rules_, prefix_));
    } else {
        prefix_.append(character);
    }
    return prefix_;
}

int TypeAhead::itemFor(std::string_view character, const std::vector<std::string>& items)
{
    const std::string& prefix = key(character);
    if (prefix.empty())
        return items.empty() ? -1 : 0;
    return findPrefix(rules_, items, prefix);
}

int findPrefix(const text::TextRules& rules, const std::vector<std::string>& items, std::string_view prefix)
{
    // Folding both sides keeps character boundaries in step: equal folded
    // bytes parse into the same characters from the start.
    const std::string folded = rules.lowerAsFileName(prefix);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (rules.lowerAsFileName(items[i]).starts_with(folded))
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace quorrin::browse
