#pragma once

#include "listing/genre_rule.h"
#include "listing/match_folding.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorrin::listing {

// Finds the earliest rule of a table that a name meets, in one pass over the
// name whatever the number of rules: the keywords are compiled once into an
// automaton that reads the name byte by byte and knows at every byte which
// keywords end there. A keyword counts only where a character of the name
// starts; an empty keyword never counts. Rules marked extensionOnly are
// looked up by the name's extension (after its last "."; a keyword's own
// leading "." is optional).
class GenreMatcher {
public:
    static constexpr std::size_t noRule = SIZE_MAX;

    GenreMatcher(const text::TextRules& rules, const std::vector<GenreRule>& table, bool fold);

    // The index of the earliest rule the name meets, or noRule.
    std::size_t match(std::string_view name) const;

private:
    struct State {
        std::int32_t depth = 0;
        std::int32_t fail = 0;
        // The nearest state on the fail chain (itself included) where a
        // keyword ends, or -1.
        std::int32_t output = -1;
        std::size_t rule = noRule;     // the keyword ending here
        std::size_t earliest = noRule; // the least rule on the output chain
    };

    void addKeyword(const std::string& keyword, std::size_t rule);
    void link();
    std::int32_t& next(std::int32_t state, unsigned char byte)
    {
        return transitions_[static_cast<std::size_t>(state) * classCount_ + byteClass_[byte]];
    }
    std::int32_t next(std::int32_t state, unsigned char byte) const
    {
        return transitions_[static_cast<std::size_t>(state) * classCount_ + byteClass_[byte]];
    }
    std::size_t matchExtension(std::string_view folded, const std::vector<char>& starts) const;

    MatchFolding folding_;
    std::array<std::uint16_t, 256> byteClass_{};
    std::size_t classCount_ = 1;
    std::vector<State> states_;
    std::vector<std::int32_t> transitions_; // states_ x classCount_; -1 until linked
    std::unordered_map<std::string, std::size_t> extensions_;
};

} // namespace quorrin::listing
