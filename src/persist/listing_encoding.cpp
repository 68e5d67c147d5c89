#include "persist/listing_encoding.h"

#include "persist/list_text.h"
#include "platform/errors.h"
#include "platform/unicode_text.h"

namespace quorrin::persist {

namespace {

using listing::TextEncoding;

constexpr char32_t getaMark = 0x3013; // 〓

// Writes one decoded character; false when it had to be replaced.
using CharWriter = bool (*)(std::string& out, char32_t c, const platform::CodePage932Table* table);

bool writeUtf8(std::string& out, char32_t c, const platform::CodePage932Table*)
{
    // A byte that is no character keeps its value, as the system's own
    // UTF-8 does.
    if (platform::isStrayByte(c))
        out += static_cast<char>(c - platform::firstStrayByte);
    else
        platform::appendUtf8(out, c);
    return true;
}

bool writeUtf16le(std::string& out, char32_t c, const platform::CodePage932Table*)
{
    const bool stray = platform::isStrayByte(c);
    platform::appendUtf16le(out, stray ? getaMark : c);
    return !stray;
}

bool writeCodePage932(std::string& out, char32_t c, const platform::CodePage932Table* table)
{
    const std::uint16_t code = c < table->size() ? (*table)[c] : platform::noCodePage932;
    const std::uint16_t written = code != platform::noCodePage932 ? code : (*table)[getaMark];
    if (written > 0xFF)
        out += static_cast<char>(written >> 8);
    out += static_cast<char>(written & 0xFF);
    return code != platform::noCodePage932;
}

// `unitBytes` is the bytes an ASCII character takes, for the first guess of
// the size.
EncodedListing convertLines(const std::vector<std::string>& lines, std::string_view mark, std::string_view lineEnd,
                            std::size_t unitBytes, CharWriter write, const platform::CodePage932Table* table,
                            const platform::CharsetConverter& converter)
{
    EncodedListing encoded;
    std::size_t total = mark.size();
    for (const auto& line : lines)
        total += (line.size() + lineEnd.size()) * unitBytes;
    encoded.bytes.reserve(total);
    encoded.bytes = mark;
    std::u32string chars;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        chars.clear();
        converter.decodeSystemText(lines[i], chars);
        bool whole = true;
        for (const char32_t c : chars)
            whole &= write(encoded.bytes, c, table);
        for (const char c : lineEnd)
            write(encoded.bytes, static_cast<unsigned char>(c), table);
        if (!whole)
            encoded.unmappableLines.push_back(i);
    }
    return encoded;
}

EncodedListing unchanged(const std::vector<std::string>& lines, std::string_view mark, std::string_view lineEnd)
{
    if (mark.empty())
        return {listText(lines, lineEnd), {}};
    std::string bytes(mark);
    bytes += listText(lines, lineEnd);
    return {std::move(bytes), {}};
}

} // namespace

EncodedListing encodeListing(const std::vector<std::string>& lines, TextEncoding encoding, listing::LineEnd lineEnd,
                             const platform::CharsetConverter& converter, const platform::TextRules& rules)
{
    constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";
    constexpr std::string_view utf16Mark = "\xFF\xFE";
    const std::string_view end = listing::lineEndText(lineEnd);
    switch (encoding) {
    case TextEncoding::system: break;
    case TextEncoding::utf8:
    case TextEncoding::utf8Bom: {
        const std::string_view mark = encoding == TextEncoding::utf8Bom ? utf8Mark : std::string_view{};
        if (converter.systemIsUtf8())
            return unchanged(lines, mark, end);
        return convertLines(lines, mark, end, 1, writeUtf8, nullptr, converter);
    }
    case TextEncoding::shiftJis: {
        const platform::CodePage932Table* table = converter.codePage932();
        if (table == nullptr)
            throw Error(rules.fromUtf8("このシステムには Shift_JIS (CP932) への変換がないため保存できません"));
        return convertLines(lines, {}, end, 1, writeCodePage932, table, converter);
    }
    case TextEncoding::utf16le: return convertLines(lines, utf16Mark, end, 2, writeUtf16le, nullptr, converter);
    }
    return unchanged(lines, {}, end);
}

} // namespace quorrin::persist
