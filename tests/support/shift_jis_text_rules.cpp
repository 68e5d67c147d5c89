#include "support/shift_jis_text_rules.h"

#include "text/ascii_case.h"

namespace quorrin::testing {

namespace {

bool isLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

} // namespace

std::size_t ShiftJisTextRules::charLength(std::string_view s, std::size_t i) const
{
    return isLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
}

std::string ShiftJisTextRules::lowerAsFileName(std::string_view s) const
{
    return text::lowerAsciiLetters(*this, s);
}

std::string ShiftJisTextRules::upperAsFileName(std::string_view s) const
{
    return text::upperAsciiLetters(*this, s);
}

int ShiftJisTextRules::compare(std::string_view a, std::string_view b) const
{
    // char_traits<char> orders bytes as unsigned, so lead bytes sort after ASCII.
    const int c = a.compare(b);
    return (c > 0) - (c < 0);
}

std::string ShiftJisTextRules::sortKey(std::string_view s) const
{
    // Folded text first so case is ignored; the original bytes after a 0
    // separator break ties, so two names differing only in case still have
    // one fixed order.
    std::string key = lowerAsFileName(s);
    key.push_back('\0');
    key.append(s);
    return key;
}

} // namespace quorrin::testing
