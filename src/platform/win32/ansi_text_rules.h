#pragma once

#include "text/text_rules.h"

namespace quorrin::platform::win32 {

// Text in the system's ANSI code page as the A functions see it: character
// boundaries from the code page's lead bytes, order and sort keys from the
// user's locale. On a double-byte code page only A-Z are folded, since a
// trail byte may look like a letter and must keep its value.
class AnsiTextRules final : public text::TextRules {
public:
    AnsiTextRules();

    std::size_t charLength(std::string_view s, std::size_t i) const override;
    std::string lowerAsFileName(std::string_view s) const override;
    std::string upperAsFileName(std::string_view s) const override;
    int compare(std::string_view a, std::string_view b) const override;
    std::string sortKey(std::string_view s) const override;
    // Characters the code page lacks come out as the system's default
    // character, as every A function would show them.
    std::string fromUtf8(std::string_view utf8) const override;

private:
    bool doubleByte_;
};

} // namespace quorrin::platform::win32
