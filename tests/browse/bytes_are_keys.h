#pragma once

#include "text/text_rules.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quorrin::browse::test {

// Text rules whose sort key is the text itself, so a test can give a sort
// any bytes it likes: zero bytes, bytes above 0x7F, shared prefixes. It
// counts the keys it made.
class BytesAreKeys final : public text::TextRules {
public:
    std::size_t charLength(std::string_view, std::size_t) const override { return 1; }
    std::string lowerAsFileName(std::string_view s) const override { return std::string(s); }
    std::string upperAsFileName(std::string_view s) const override { return std::string(s); }
    int compare(std::string_view a, std::string_view b) const override { return a.compare(b); }
    std::string sortKey(std::string_view s) const override
    {
        ++keysMade;
        return std::string(s);
    }
    std::string fromUtf8(std::string_view utf8) const override { return std::string(utf8); }

    mutable std::size_t keysMade = 0;
};

} // namespace quorrin::browse::test
