#pragma once

#include "text/text_rules.h"

#include <optional>
#include <string>
#include <vector>

namespace quorrin::listing {

// One row of the user's genre table: when the keyword occurs in a file name
// (or, with extensionOnly, is the name's extension) the name gets the label.
// Both texts are in the system code page, like the names they meet.
struct GenreRule {
    std::string keyword;
    std::string label;
    bool extensionOnly = false;

    bool operator==(const GenreRule&) const = default;
};

// The user's table, or nothing for the built-in one.
using GenreTable = std::optional<std::vector<GenreRule>>;

// The built-in table, one rule per keyword in the order it is searched.
std::vector<GenreRule> standardGenreRules(const text::TextRules& rules);

} // namespace quorrin::listing
