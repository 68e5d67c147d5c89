#pragma once

#include "text/text_rules.h"

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorrin::listing {

// The form in which keywords and names meet. Folded, ASCII letters lose
// their case and the full-width and half-width spellings of one character
// become one: full-width Latin letters, digits and signs become ASCII,
// half-width katakana (with a following voiced mark joined) become
// full-width. Not folded, the text stays as it is. Either way the
// characters' starts are marked, so a match can be held to them.
class MatchFolding {
public:
    MatchFolding(const text::TextRules& rules, bool fold);

    // Replaces `out` with the text's form and `starts` with one flag per
    // byte of it, set where a character starts.
    void apply(std::string_view text, std::string& out, std::vector<char>& starts) const;

    std::string apply(std::string_view text) const;

private:
    // A character (or a half-width kana with its voiced mark) whose
    // folded form is longer than one byte or comes from a table.
    std::size_t foldAt(std::string_view text, std::size_t i, std::size_t length, std::string& out) const;

    const text::TextRules* rules_;
    bool fold_;
    // Bytes that can start a character found in replacements_.
    std::array<bool, 256> mayReplace_{};
    std::unordered_map<std::string, std::string> replacements_;
};

} // namespace quorrin::listing
