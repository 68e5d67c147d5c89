#include "platform/posix/utf8_text_rules.h"

#include <cstdint>
#include <cstring>
#include <cwctype>
#include <string.h>

// Only glibc tells whether a locale collates by bytes; the tests also build
// these rules for Windows, which has no langinfo.h.
#ifdef __GLIBC__
#include <langinfo.h>
#endif

namespace quorrin::platform::posix {

namespace {

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

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
void appendFoldedCase(std::string& out, const Utf8TextRules& rules, std::string_view s, Fold fold)
{
    out.reserve(out.size() + s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            // ASCII folds as ASCII in every locale: a Turkish dotless i
            // would not even fit the byte it came from.
            const std::wint_t folded = fold(c);
            out += static_cast<char>(folded < 0x80 ? folded : c);
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
}

template <typename Fold> std::string foldCase(const Utf8TextRules& rules, std::string_view s, Fold fold)
{
    std::string out;
    appendFoldedCase(out, rules, s, fold);
    return out;
}

std::wint_t lower(std::wint_t c)
{
    return std::towlower(c);
}

// Whether the C library collates the current locale by plain bytes (C,
// POSIX, C.UTF-8): its keys are then the bytes themselves, and the costly
// transformation can be skipped without changing a single key.
bool collatesByBytes()
{
#ifdef __GLIBC__
    return reinterpret_cast<std::uintptr_t>(nl_langinfo(_NL_COLLATE_NRULES)) == 0;
#else
    return false;
#endif
}

} // namespace

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
    // Overlong forms and UTF-16 surrogates are no characters: E0 80 AE
    // must not pass for a "." that a mask would then match.
    if (len == 1)
        return 1;
    const auto second = static_cast<unsigned char>(s[i + 1]);
    if ((c == 0xE0 && second < 0xA0) || (c == 0xED && second > 0x9F) || (c == 0xF0 && second < 0x90) ||
        (c == 0xF4 && second > 0x8F))
        return 1;
    return len;
}

std::string Utf8TextRules::lowerAsFileName(std::string_view s) const
{
    return foldCase(*this, s, lower);
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
    std::string key;
    appendSortKey(key, s);
    return key;
}

void Utf8TextRules::appendSortKey(std::string& out, std::string_view s) const
{
    const std::size_t start = out.size();
    appendFoldedCase(out, *this, s, lower);
    if (!collatesByBytes()) {
        const std::string folded = out.substr(start);
        out.resize(start + folded.size() * 4 + 16);
        std::size_t needed = strxfrm(out.data() + start, folded.c_str(), out.size() - start);
        if (needed >= out.size() - start) {
            out.resize(start + needed + 1);
            needed = strxfrm(out.data() + start, folded.c_str(), out.size() - start);
        }
        out.resize(start + needed);
    }
    // Names the collation finds equal (different case, ignorable marks)
    // still need a fixed order, or a list would shuffle between reads.
    out += '\0';
    out.append(s);
}

} // namespace quorrin::platform::posix
