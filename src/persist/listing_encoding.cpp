#include "persist/listing_encoding.h"

#include "persist/list_text.h"
#include "platform/errors.h"
#include "text/unicode_text.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace quorrin::persist {

namespace {

using listing::TextEncoding;

constexpr char32_t getaMark = 0x3013; // 〓
constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view utf16Mark = "\xFF\xFE";

// Each writer puts runs of ASCII, which most of a listing is, in one go,
// and every other character one by one, at `p`, and answers where it
// stopped. `write` clears `whole` when it had to put the geta mark in the
// character's place. No character takes more than four bytes.

struct Utf8Writer {
    char* ascii(char* p, std::string_view run) const { return std::copy(run.begin(), run.end(), p); }
    char* write(char* p, char32_t c, bool&) const
    {
        // A byte that is no character keeps its value, as the system's own
        // UTF-8 does.
        if (text::isStrayByte(c)) {
            *p++ = static_cast<char>(c - text::firstStrayByte);
            return p;
        }
        return text::putUtf8(p, c);
    }
};

struct Utf16leWriter {
    static char* unit(char* p, char32_t u)
    {
        *p++ = static_cast<char>(u & 0xFF);
        *p++ = static_cast<char>(u >> 8);
        return p;
    }
    // Four characters at a time where the machine is little-endian: each
    // byte moves to the low half of its own 16-bit unit.
    char* ascii(char* p, std::string_view run) const
    {
        std::size_t i = 0;
        for (; std::endian::native == std::endian::little && i + 4 <= run.size(); i += 4, p += 8) {
            std::uint32_t four = 0;
            std::memcpy(&four, run.data() + i, 4);
            const std::uint64_t b = four;
            const std::uint64_t units = (b & 0xFF) | (b & 0xFF00) << 8 | (b & 0xFF0000) << 16 | (b & 0xFF000000) << 24;
            std::memcpy(p, &units, 8);
        }
        for (; i < run.size(); ++i) {
            *p++ = run[i];
            *p++ = '\0';
        }
        return p;
    }
    char* write(char* p, char32_t c, bool& whole) const
    {
        if (text::isStrayByte(c)) {
            whole = false;
            return unit(p, getaMark);
        }
        if (c < 0x10000)
            return unit(p, c);
        const char32_t v = c - 0x10000;
        return unit(unit(p, 0xD800 + (v >> 10)), 0xDC00 + (v & 0x3FF));
    }
};

class CodePage932Writer {
public:
    explicit CodePage932Writer(const platform::CodePage932Table& table) : table_(table)
    {
        for (char32_t c = 0; c < 0x80; ++c)
            asciiUnchanged_ = asciiUnchanged_ && table_[c] == c;
    }
    char* ascii(char* p, std::string_view run) const
    {
        if (asciiUnchanged_)
            return std::copy(run.begin(), run.end(), p);
        bool whole = true;
        for (const char c : run)
            p = write(p, static_cast<unsigned char>(c), whole);
        return p;
    }
    char* write(char* p, char32_t c, bool& whole) const
    {
        std::uint16_t code = c < table_.size() ? table_[c] : platform::noCodePage932;
        if (code == platform::noCodePage932) {
            whole = false;
            code = table_[getaMark];
        }
        if (code > 0xFF)
            *p++ = static_cast<char>(code >> 8);
        *p++ = static_cast<char>(code & 0xFF);
        return p;
    }

private:
    const platform::CodePage932Table& table_;
    bool asciiUnchanged_ = true;
};

// Where the run of ASCII that starts at text[i] ends; eight bytes at a time
// while no byte has its top bit set.
std::size_t asciiRunEnd(std::string_view text, std::size_t i)
{
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t eight = 0;
        std::memcpy(&eight, text.data() + i, 8);
        if ((eight & 0x8080808080808080u) != 0)
            break;
    }
    while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80)
        ++i;
    return i;
}

// One line in UTF-8, the system's own text where that is UTF-8.
template <typename Writer> char* writeUtf8Line(char* p, std::string_view line, const Writer& writer, bool& whole)
{
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t end = asciiRunEnd(line, i);
        if (end > i) {
            p = writer.ascii(p, line.substr(i, end - i));
            i = end;
        } else {
            p = writer.write(p, text::nextUtf8(line, i), whole);
        }
    }
    return p;
}

// Lines are written into a scratch buffer, which is handed on to the result
// whenever the next line might not fit: no growth checks per character, one
// append per buffer full, and the result is touched only for the bytes it
// keeps. `mostBytesPerByte` bounds what one byte of a line can become.
template <typename Writer>
EncodedListing convertLines(const std::vector<std::string>& lines, std::string_view mark, std::string_view lineEnd,
                            std::size_t asciiBytes, std::size_t mostBytesPerByte, const Writer& writer,
                            const platform::CharsetConverter& converter)
{
    std::size_t expected = mark.size();
    for (const auto& line : lines)
        expected += (line.size() + lineEnd.size()) * asciiBytes;
    EncodedListing encoded;
    encoded.bytes.reserve(expected);
    encoded.bytes = mark;
    const bool utf8 = converter.systemIsUtf8();
    std::u32string chars;
    std::vector<char> scratch(std::size_t{1} << 16);
    char* p = scratch.data();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::size_t worst = (line.size() + lineEnd.size()) * mostBytesPerByte;
        if (static_cast<std::size_t>(scratch.data() + scratch.size() - p) < worst) {
            encoded.bytes.append(scratch.data(), p);
            scratch.resize(std::max(scratch.size(), worst));
            p = scratch.data();
        }
        bool whole = true;
        if (utf8) {
            p = writeUtf8Line(p, line, writer, whole);
        } else {
            chars.clear();
            converter.decodeSystemText(line, chars);
            for (const char32_t c : chars)
                p = writer.write(p, c, whole);
        }
        p = writer.ascii(p, lineEnd);
        if (!whole)
            encoded.unmappableLines.push_back(i);
    }
    encoded.bytes.append(scratch.data(), p);
    return encoded;
}

EncodedListing unchanged(const std::vector<std::string>& lines, std::string_view mark, std::string_view lineEnd)
{
    std::string bytes(mark);
    appendListText(bytes, lines, lineEnd);
    return {std::move(bytes), {}};
}

} // namespace

EncodedListing encodeListing(const std::vector<std::string>& lines, TextEncoding encoding, listing::LineEnd lineEnd,
                             const platform::CharsetConverter& converter, const text::TextRules& rules)
{
    const std::string_view end = listing::lineEndText(lineEnd);
    switch (encoding) {
    case TextEncoding::system: break;
    case TextEncoding::utf8:
    case TextEncoding::utf8Bom: {
        const std::string_view mark = encoding == TextEncoding::utf8Bom ? utf8Mark : std::string_view{};
        if (converter.systemIsUtf8())
            return unchanged(lines, mark, end);
        // A byte of a code page is at most one character of three bytes.
        return convertLines(lines, mark, end, 1, 3, Utf8Writer{}, converter);
    }
    case TextEncoding::shiftJis: {
        const platform::CodePage932Table* table = converter.codePage932();
        if (table == nullptr)
            throw Error(rules.fromUtf8("このシステムには Shift_JIS (CP932) への変換がないため保存できません"));
        // A byte is at most one character of two bytes (the geta mark for
        // a stray byte); four UTF-8 bytes never make more than two.
        return convertLines(lines, {}, end, 1, 2, CodePage932Writer(*table), converter);
    }
    case TextEncoding::utf16le:
        // Two bytes per byte at most: four UTF-8 bytes make a surrogate pair.
        return convertLines(lines, utf16Mark, end, 2, 2, Utf16leWriter{}, converter);
    }
    return unchanged(lines, {}, end);
}

} // namespace quorrin::persist
