#include "persist/listing_encoding.h"
#include "platform/win32/ansi_text_rules.h"
#include "platform/win32/win32_charset_converter.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace quorrin::persist {
namespace {

using listing::LineEnd;
using listing::TextEncoding;

// Names arrive in the ANSI code page: 1252 in the default locale, 932 in
// Japanese. Each case is one name in that page and what it becomes.
struct Case {
    std::string name;
    TextEncoding encoding;
    std::string bytes;
    bool unmappable;
};

std::vector<Case> casesForThisCodePage()
{
    if (GetACP() == 932)
        return {
            {"\x95\x5C", TextEncoding::utf8, "表\r\n", false},
            {"\x95\x5C", TextEncoding::system, "\x95\x5C\r\n", false},
            {"\x95\x5C\xB1", TextEncoding::shiftJis, "\x95\x5C\xB1\r\n", false},
            {"\x95\x5C", TextEncoding::utf16le, std::string("\xFF\xFE\x68\x88\r\0\n\0", 8), false},
            // A lead byte without its second byte is no character.
            {"a\x95", TextEncoding::utf16le,
             std::string("\xFF\xFE"
                         "a\0\x13\x30\r\0\n\0",
                         10),
             true},
            {"a\x95", TextEncoding::shiftJis, "a\x81\xAC\r\n", true},
        };
    return {
        {"caf\xE9", TextEncoding::utf8Bom,
         "\xEF\xBB\xBF"
         "caf\xC3\xA9\r\n",
         false},
        {"caf\xE9", TextEncoding::shiftJis, "caf\x81\xAC\r\n", true},
        {"\x80", TextEncoding::utf16le, std::string("\xFF\xFE\xAC\x20\r\0\n\0", 8), false},
    };
}

TEST(EncodeListing, NamesInTheAnsiCodePage)
{
    const platform::win32::AnsiTextRules rules;
    const platform::win32::Win32CharsetConverter converter;
    for (const auto& c : casesForThisCodePage()) {
        const EncodedListing encoded = encodeListing({c.name}, c.encoding, LineEnd::crlf, converter, rules);
        EXPECT_EQ(encoded.bytes, c.bytes) << GetACP() << " " << listing::encodingWord(c.encoding);
        EXPECT_EQ(encoded.unmappableLines.size(), c.unmappable ? 1u : 0u) << listing::encodingWord(c.encoding);
    }
}

} // namespace
} // namespace quorrin::persist
