#pragma once

#include "text/text_rules.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorrin::listing {

// The genre label of a file name, from an ordered table of keywords: the
// earliest row with a keyword anywhere in the name wins. The keywords are
// written once in UTF-8 and converted to the system code page when a
// classifier is made, so names are searched byte for byte as they are.
class CategoryClassifier {
public:
    // The rules must outlive the classifier: they find the name's characters.
    explicit CategoryClassifier(const text::TextRules& rules);

    // The label, or empty text when no keyword occurs. Case-sensitive, no
    // folding of width or kana; a match must start on a character of the
    // name, so on a double-byte code page a keyword never matches across
    // the halves of two characters.
    std::string StrFind(std::string_view name) const;

private:
    struct Row {
        std::vector<std::string> keywords;
        std::string label;
    };

    bool occursIn(std::string_view name, std::string_view keyword) const;

    const text::TextRules& rules_;
    std::vector<Row> rows_;
};

} // namespace quorrin::listing
