#include "platform/posix/utf8_text_rules.h"

#include <cstring>
#include <cwctype>
#include <string.h>

namespace quorrin::platform::posix {

namespace {

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Decodes the valid UTF-8 character at s[i] of `len` bytes.
char32_t decode(std::string_view s, std::size_t i, std::size_t len)
{
    auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    switch (len) {
    case 2: return char32_t((b(0) & 0x1F) << 6 | (b(1) & 0x3F));
    case 3: return char32_t((b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F));
    case 4: return char32_t((b(0) & 0x07) << 18 | (b(1) & 0x3F) << 12 | (b(2) & 0x3F) << 6 | (b(3) & 0x3F));
    default: return b(0);
    }
}

void encode(char32_t c, std::string& out)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

template <typename Fold>
std::string foldCase(const Utf8TextRules& rules, std::string_view s, Fold fold)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            out += static_cast<char>(fold(c));
            ++i;
            continue;
        }
        const std::size_t len = rules.charLength(s, i);
        if (len == 1) {
            out += s[i++];
            continue;
        }
        const char32_t folded = static_cast<char32_t>(fold(static_cast<std::wint_t>(decode(s, i, len))));
        encode(folded, out);
        i += len;
    }
    return out;
}

}  // namespace

std::size_t Utf8TextRules::charLength(std::string_view s, std::size_t i) const
{
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t len = 1;
    if (c >= 0xC2 && c <= 0xDF)
        len = 2;
    else if (c >= 0xE0 && c <= 0xEF)
        len = 3;
    else if (c >= 0xF0 && c <= 0xF4)
        len = 4;
    if (i + len > s.size())
        return 1;
    for (std::size_t k = 1; k < len; ++k)
        if (!isContinuation(static_cast<unsigned char>(s[i + k])))
            return 1;
    return len;
}

std::string Utf8TextRules::lowerAsFileName(std::string_view s) const
{
    return foldCase(*this, s, [](std::wint_t c) { return std::towlower(c); });
}

std::string Utf8TextRules::upperAsFileName(std::string_view s) const
{
    return foldCase(*this, s, [](std::wint_t c) { return std::towupper(c); });
}

int Utf8TextRules::compare(std::string_view a, std::string_view b) const
{
    // strcoll needs terminated texts; names never hold a NUL byte.
    const int r = strcoll(std::string(a).c_str(), std::string(b).c_str());
    if (r != 0)
        return r;
    return a.compare(b);
}

std::string Utf8TextRules::sortKey(std::string_view s) const
{
    const std::string folded = lowerAsFileName(s);
    std::string key(folded.size() * 4 + 16, '\0');
    std::size_t needed = strxfrm(key.data(), folded.c_str(), key.size());
    if (needed >= key.size()) {
        key.assign(needed + 1, '\0');
        needed = strxfrm(key.data(), folded.c_str(), key.size());
    }
    key.resize(needed);
    // Names the collation finds equal (different case, ignorable marks)
    // still need a fixed order, or a list would shuffle between reads.
    key += '\0';
    key.append(s);
    return key;
}

}  // namespace quorrin::platform::posix
