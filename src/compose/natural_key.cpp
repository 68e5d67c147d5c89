#include "compose/natural_key.h"

#include <cstdint>

namespace quorrin::compose {

namespace {

// Each run's key starts with its kind, so that at the same place a number
// sorts before text and a name that ends sorts before one that goes on.
constexpr char numberRun = '\x01';
constexpr char textRun = '\x02';
constexpr std::size_t maxRememberedRuns = 1 << 16;

} // namespace

std::string_view collationPart(std::string_view sortKey)
{
    return sortKey.substr(0, sortKey.find('\0'));
}

NaturalKey::NaturalKey(const text::TextRules& rules) : rules_(rules)
{
    static constexpr std::array<std::string_view, 10> wide{"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
    for (std::size_t d = 0; d < wide.size(); ++d) {
        std::string bytes = rules.fromUtf8(wide[d]);
        // A code page without them gives "?" or the ASCII digit.
        if (bytes.size() > 1 && rules.charLength(bytes, 0) == bytes.size())
            wideDigits_[d] = std::move(bytes);
    }
}

int NaturalKey::digitAt(std::string_view name, std::size_t i, std::size_t& length) const
{
    length = rules_.charLength(name, i);
    if (length == 1)
        return name[i] >= '0' && name[i] <= '9' ? name[i] - '0' : -1;
    const std::string_view character = name.substr(i, length);
    for (std::size_t d = 0; d < wideDigits_.size(); ++d)
        if (!wideDigits_[d].empty() && character == wideDigits_[d])
            return static_cast<int>(d);
    return -1;
}

// The value's digits without leading zeros, after their count: a longer
// number is a larger one, and equal lengths compare digit by digit.
void NaturalKey::appendNumber(std::string& out, std::string_view digits) const
{
    std::size_t first = 0;
    while (first + 1 < digits.size() && digits[first] == 0)
        ++first;
    const std::size_t count = digits.size() - first;
    out += numberRun;
    out += static_cast<char>((count >> 8) & 0xFF);
    out += static_cast<char>(count & 0xFF);
    for (std::size_t i = first; i < digits.size(); ++i)
        out += static_cast<char>('0' + digits[i]);
}

// Only the collation part of the run's key counts: letter case must not
// decide before the runs that follow, and the name order breaks ties
// anyway. A zero byte ends the run's key, so a run that is a prefix of
// another sorts first.
void NaturalKey::appendText(std::string& out, std::string_view text) const
{
    out += textRun;
    const auto known = runKeys_.find(text);
    if (known != runKeys_.end()) {
        out += known->second;
    } else {
        collation_.clear();
        rules_.appendSortKey(collation_, text);
        const std::string_view part = collationPart(collation_);
        out += part;
        // Bounded, so a folder of names that share nothing costs no more
        // than a lookup per run.
        if (runKeys_.size() < maxRememberedRuns)
            runKeys_.emplace(text, part);
    }
    out += '\0';
}

void NaturalKey::append(std::string& out, std::string_view name) const
{
    std::string digits;
    for (std::size_t i = 0; i < name.size();) {
        std::size_t length = 0;
        int digit = digitAt(name, i, length);
        if (digit >= 0) {
            digits.clear();
            do {
                digits += static_cast<char>(digit);
                i += length;
            } while (i < name.size() && (digit = digitAt(name, i, length)) >= 0);
            appendNumber(out, digits);
        } else {
            const std::size_t start = i;
            do
                i += length;
            while (i < name.size() && digitAt(name, i, length) < 0);
            appendText(out, name.substr(start, i - start));
        }
    }
}

} // namespace quorrin::compose
