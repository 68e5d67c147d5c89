#pragma once

#include "text/text_rules.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::browse {

// Where the time of a key press comes from; tests step it by hand.
using Clock = std::function<std::chrono::steady_clock::time_point()>;

// The prefix a user types into a list to jump to an item. A pause of 500 ms
// or more since the previous key starts a new prefix.
class TypeAhead {
public:
    explicit TypeAhead(const text::TextRules& rules);

    void setClock(Clock clock) { clock_ = std::move(clock); }

    // One key as the characters it types: "\b" (Backspace) drops the last
    // character of the prefix, a double-byte one whole; anything else,
    // Enter included, is appended. Returns the prefix after the key.
    const std::string& key(std::string_view character);

    // The list item a key leads to: the first that begins with the prefix,
    // item 0 once the prefix is empty again, or -1 when none matches.
    int itemFor(std::string_view character, const std::vector<std::string>& items);

private:
    const text::TextRules& rules_;
    Clock clock_;
    std::optional<std::chrono::steady_clock::time_point> lastKey_;
    std::string prefix_;
};

// The first item that begins with `prefix` without regard to case, or -1.
int findPrefix(const text::TextRules& rules, const std::vector<std::string>& items, std::string_view prefix);

} // namespace quorrin::browse
