#pragma once

#include <string>
#include <string_view>

namespace quorrin::text {

// A byte that is no character of its text's code page stands in a decoded
// text as the lone low surrogate U+DC00 + byte: no scalar value can be
// mistaken for it, and the byte itself is not lost.
inline constexpr char32_t firstStrayByte = 0xDC00;
inline constexpr bool isStrayByte(char32_t c)
{
    return c >= firstStrayByte && c <= firstStrayByte + 0xFF;
}

// Appends the characters of UTF-8 `text`; overlong forms, surrogates and cut
// sequences come out byte by byte as stray bytes.
void decodeUtf8(std::string_view text, std::u32string& out);

namespace detail {

// Length of the valid sequence at text[i], or 0 when there is none.
// Overlong forms and UTF-16 surrogates are no characters: E0 80 AE must not
// pass for a "." that a mask would then match.
inline std::size_t utf8SequenceLength(std::string_view text, std::size_t i)
{
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        length = 2;
    else if (c >= 0xE0 && c <= 0xEF)
        length = 3;
    else if (c >= 0xF0 && c <= 0xF4)
        length = 4;
    if (length == 0 || i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
            return 0;
    const auto second = static_cast<unsigned char>(text[i + 1]);
    if ((c == 0xE0 && second < 0xA0) || (c == 0xED && second > 0x9F) || (c == 0xF0 && second < 0x90) ||
        (c == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

} // namespace detail

// The character that starts at text[i], or the stray byte text[i]; moves i
// past it. Inline: saving a listing calls it for every character.
inline char32_t nextUtf8(std::string_view text, std::size_t& i)
{
    constexpr unsigned char leadMasks[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    const std::size_t length = detail::utf8SequenceLength(text, i);
    const auto lead = static_cast<unsigned char>(text[i]);
    if (length == 0) {
        ++i;
        return firstStrayByte + lead;
    }
    char32_t c = lead & leadMasks[length];
    for (std::size_t k = 1; k < length; ++k)
        c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    i += length;
    return c;
}

// Writes one scalar value in UTF-8 at `p`; answers where it stopped.
inline char* putUtf8(char* p, char32_t c)
{
    if (c < 0x80) {
        *p++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *p++ = static_cast<char>(0xC0 | (c >> 6));
        *p++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *p++ = static_cast<char>(0xE0 | (c >> 12));
        *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *p++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *p++ = static_cast<char>(0xF0 | (c >> 18));
        *p++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *p++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return p;
}

} // namespace quorrin::text
