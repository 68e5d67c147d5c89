#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::platform {

// Code page 932 for every character of the Basic Multilingual Plane: index
// U+0000..U+FFFF; a single byte b as 0x00bb, a double-byte character as
// lead * 256 + trail, `noCodePage932` where the code page has none. No
// character outside the plane has a code in it.
using CodePage932Table = std::vector<std::uint16_t>;
inline constexpr std::uint16_t noCodePage932 = 0xFFFF;

// The system's converters between its narrow code page, Unicode and code
// page 932, as the saved listing needs them.
class CharsetConverter {
public:
    virtual ~CharsetConverter() = default;

    // Whether the narrow code page is UTF-8, so its texts are already UTF-8
    // bytes (stray bytes included).
    virtual bool systemIsUtf8() const = 0;

    // Appends the characters of `text`, in the narrow code page; a byte
    // that is no character comes out as a stray byte (unicode_text.h).
    virtual void decodeSystemText(std::string_view text, std::u32string& out) const = 0;

    // Code page 932 exactly as Windows writes it without best-fit guesses,
    // built on first use and kept; nothing when the system has no converter
    // for it.
    virtual const CodePage932Table* codePage932() const = 0;
};

} // namespace quorrin::platform
