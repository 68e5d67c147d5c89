#include "persist/listing_encoding.h"
#include "platform/errors.h"
#include "platform/posix/iconv_charset_converter.h"
#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorrin::persist {
namespace {

using listing::LineEnd;
using listing::TextEncoding;
using Lines = std::vector<std::string>;

const text::Utf8TextRules rules;
const platform::posix::IconvCharsetConverter converter;

TEST(EncodeListing, BytesOfEveryEncodingAndLineEnd)
{
    const struct {
        TextEncoding encoding;
        LineEnd lineEnd;
        Lines lines;
        std::string bytes;
        std::vector<std::size_t> unmappable;
    } cases[] = {
        {TextEncoding::system, LineEnd::crlf, {"a", "日本"}, "a\r\n日本\r\n", {}},
        {TextEncoding::system, LineEnd::lf, {"\xFF.txt"}, "\xFF.txt\n", {}},
        {TextEncoding::utf8, LineEnd::lf, {"〜", "\xC0\xAE"}, "〜\n\xC0\xAE\n", {}},
        {TextEncoding::utf8Bom,
         LineEnd::crlf,
         {"a"},
         "\xEF\xBB\xBF"
         "a\r\n",
         {}},
        {TextEncoding::utf8Bom, LineEnd::crlf, {}, "\xEF\xBB\xBF", {}},
        // 表's second byte is the backslash; half-width kana take one byte.
        {TextEncoding::shiftJis, LineEnd::crlf, {"表\\ｱﾟ"}, "\x95\x5C\x5C\xB1\xDF\r\n", {}},
        {TextEncoding::shiftJis, LineEnd::lf, {"～①㈱"}, "\x81\x60\x87\x40\x87\x8A\n", {}},
        // The wave dash, an emoji and a byte that is no UTF-8 each become 〓.
        {TextEncoding::shiftJis,
         LineEnd::crlf,
         {"ok", "〜", "x", "😀.txt", "\xE3\x81"},
         "ok\r\n\x81\xAC\r\nx\r\n\x81\xAC.txt\r\n\x81\xAC\x81\xAC\r\n",
         {1, 3, 4}},
        {TextEncoding::utf16le, LineEnd::crlf, {"表"}, std::string("\xFF\xFE\x68\x88\r\0\n\0", 8), {}},
        {TextEncoding::utf16le, LineEnd::lf, {"😀"}, std::string("\xFF\xFE\x3D\xD8\x00\xDE\n\0", 8), {}},
        {TextEncoding::utf16le,
         LineEnd::lf,
         {"a\xFF"},
         std::string("\xFF\xFE"
                     "a\0\x13\x30\n\0",
                     8),
         {0}},
        {TextEncoding::utf16le, LineEnd::lf, {}, "\xFF\xFE", {}},
        // ASCII goes on a short path: runs of every length around the
        // eight-byte and four-byte steps, with a character after them.
        {TextEncoding::shiftJis,
         LineEnd::lf,
         {"report_0001.txt\t表", "12345678\xFF"},
         "report_0001.txt\t\x95\x5C\n12345678\x81\xAC\n",
         {1}},
        {TextEncoding::utf16le,
         LineEnd::lf,
         {"abcdefghi表", "abcd"},
         std::string("\xFF\xFE"
                     "a\0b\0c\0d\0e\0f\0g\0h\0i\0\x68\x88\n\0a\0b\0c\0d\0\n\0",
                     34),
         {}},
    };
    for (const auto& c : cases) {
        const EncodedListing encoded = encodeListing(c.lines, c.encoding, c.lineEnd, converter, rules);
        EXPECT_EQ(encoded.bytes, c.bytes) << listing::encodingWord(c.encoding) << " " << c.lines.size();
        EXPECT_EQ(encoded.unmappableLines, c.unmappable) << listing::encodingWord(c.encoding);
    }
}

TEST(EncodeListing, AMissingConverterIsAnErrorOnlyForShiftJis)
{
    const platform::posix::IconvCharsetConverter without("NO-SUCH-CODE-PAGE");
    try {
        encodeListing({"a"}, TextEncoding::shiftJis, LineEnd::crlf, without, rules);
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "このシステムには Shift_JIS (CP932) への変換がないため保存できません");
    }
    EXPECT_EQ(encodeListing({"表"}, TextEncoding::utf16le, LineEnd::lf, without, rules).bytes,
              std::string("\xFF\xFE\x68\x88\n\0", 6));
}

} // namespace
} // namespace quorrin::persist
