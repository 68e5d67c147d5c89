#pragma once

#include "text/text_rules.h"

namespace quorrin::testing {

// The text rules of a Japanese Windows system (ANSI code page 932), so that
// tests meet double-byte names whose second byte is "\" or a capital letter
// on any machine. Comparison is plain byte order: a stand-in for the
// locale's collation that keeps expectations exact.
class ShiftJisTextRules final : public text::TextRules {
public:
    std::size_t charLength(std::string_view s, std::size_t i) const override;
    std::string lowerAsFileName(std::string_view s) const override;
    std::string upperAsFileName(std::string_view s) const override;
    int compare(std::string_view a, std::string_view b) const override;
    std::string sortKey(std::string_view s) const override;
    // Through the system's converter (iconv, or Windows' own); fails loudly
    // on a character that code page 932 lacks, since a test should never
    // rely on one.
    std::string fromUtf8(std::string_view utf8) const override;
};

} // namespace quorrin::testing
