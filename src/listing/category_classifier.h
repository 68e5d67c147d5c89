#pragma once

#include "listing/genre_matcher.h"
#include "listing/genre_rule.h"
#include "text/text_rules.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::listing {

// The genre label of a file name, from an ordered table of keywords: the
// earliest rule with a keyword in the name wins. Names are searched byte for
// byte in the system code page, and a match must start on a character of
// the name, so on a double-byte code page a keyword never matches across
// the halves of two characters.
//
// The built-in table matches exactly: case-sensitive, no folding of width,
// since its rows spell out each form they accept. A user's table is folded
// (see MatchFolding), so one rule covers every case and width of its word.
class CategoryClassifier {
public:
    // The built-in table. The rules must outlive the classifier: they find
    // the name's characters.
    explicit CategoryClassifier(const text::TextRules& rules);
    // The user's table; nothing means the built-in one.
    CategoryClassifier(const text::TextRules& rules, const std::optional<std::vector<GenreRule>>& own);

    // The label, or empty text when no rule matches.
    std::string StrFind(std::string_view name) const;

private:
    std::vector<std::string> labels_;
    GenreMatcher matcher_;
};

} // namespace quorrin::listing
