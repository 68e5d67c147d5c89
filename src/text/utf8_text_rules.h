#pragma once

#include "text/text_rules.h"

namespace quorrin::text {

// UTF-8 text under the C library's locale. Bytes that are not valid UTF-8
// (a name from another system) count one byte per character and are kept
// exactly; folding leaves them alone.
class Utf8TextRules final : public TextRules {
public:
    std::size_t charLength(std::string_view s, std::size_t i) const override;
    std::string lowerAsFileName(std::string_view s) const override;
    std::string upperAsFileName(std::string_view s) const override;
    int compare(std::string_view a, std::string_view b) const override;
    std::string sortKey(std::string_view s) const override;
    void appendSortKey(std::string& out, std::string_view s) const override;
    std::string fromUtf8(std::string_view utf8) const override { return std::string(utf8); }
    // "/tmp/Data" and "/tmp/data" are two folders here: moving between them
    // must not be taken for staying put.
    bool sameFileName(std::string_view a, std::string_view b) const override { return a == b; }
};

} // namespace quorrin::text
