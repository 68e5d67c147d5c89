#include "platform/posix/iconv_charset_converter.h"

#include "text/unicode_text.h"

#include <array>
#include <iconv.h>
#include <utility>

namespace quorrin::platform::posix {

namespace {

// glibc writes these through one-way mappings; Windows has no code for
// them and writes its default character, so a file that Windows reads
// back would not give the same character.
constexpr std::array<char32_t, 9> onlyInGlibc{
    0x00A2, // ¢ (Windows: only U+FFE0)
    0x00A3, // £ (only U+FFE1)
    0x00A5, // ¥ (Windows: no code; 0x5C is the backslash)
    0x00AC, // ¬ (only U+FFE2)
    0x2014, // — (only U+2015)
    0x2016, // ‖ (only U+2225)
    0x203E, // ‾ (Windows: no code; 0x7E is the tilde)
    0x2212, // − (only U+FF0D)
    0x301C, // 〜 (only U+FF5E)
};

// Single bytes that Windows gives a character and glibc leaves out.
constexpr std::array<std::pair<char32_t, std::uint16_t>, 5> onlyInWindows{{
    {0x0080, 0x80},
    {0xF8F0, 0xA0},
    {0xF8F1, 0xFD},
    {0xF8F2, 0xFE},
    {0xF8F3, 0xFF},
}};

std::uint16_t convertOne(iconv_t cd, char32_t c)
{
    // UTF-32 in the machine's order, as iconv's "WCHAR_T" on glibc.
    wchar_t in = static_cast<wchar_t>(c);
    std::array<char, 8> out{};
    char* src = reinterpret_cast<char*>(&in);
    char* dst = out.data();
    std::size_t srcLeft = sizeof in;
    std::size_t dstLeft = out.size();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != 0)
        return noCodePage932;
    const auto written = static_cast<std::size_t>(dst - out.data());
    const auto byte = [&out](std::size_t i) { return static_cast<std::uint16_t>(static_cast<unsigned char>(out[i])); };
    if (written == 1)
        return byte(0);
    if (written == 2)
        return static_cast<std::uint16_t>(byte(0) << 8 | byte(1));
    return noCodePage932;
}

std::optional<CodePage932Table> buildTable(const std::string& codePageName)
{
    iconv_t cd = iconv_open(codePageName.c_str(), "WCHAR_T");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    CodePage932Table table(0x10000, noCodePage932);
    for (char32_t c = 0; c < 0x10000; ++c)
        if (c < 0xD800 || c > 0xDFFF)
            table[c] = convertOne(cd, c);
    iconv_close(cd);
    for (const char32_t c : onlyInGlibc)
        table[c] = noCodePage932;
    for (const auto& [c, code] : onlyInWindows)
        table[c] = code;
    return table;
}

} // namespace

IconvCharsetConverter::IconvCharsetConverter(std::string codePageName) : codePageName_(std::move(codePageName)) {}

void IconvCharsetConverter::decodeSystemText(std::string_view text, std::u32string& out) const
{
    quorrin::text::decodeUtf8(text, out);
}

const CodePage932Table* IconvCharsetConverter::codePage932() const
{
    std::call_once(built_, [this] { table_ = buildTable(codePageName_); });
    return table_ ? &*table_ : nullptr;
}

} // namespace quorrin::platform::posix
