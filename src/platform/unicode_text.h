#pragma once

#include <string>
#include <string_view>

namespace quorrin::platform {

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

// Appends one scalar value in UTF-8 or in UTF-16 little-endian bytes.
void appendUtf8(std::string& out, char32_t c);
void appendUtf16le(std::string& out, char32_t c);

} // namespace quorrin::platform
