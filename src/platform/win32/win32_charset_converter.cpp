#include "platform/win32/win32_charset_converter.h"

#include "text/unicode_text.h"

#include <windows.h>

namespace quorrin::platform::win32 {

namespace {

constexpr UINT shiftJis = 932;

// The UTF-16 of `piece`, or nothing when it holds a byte that is no
// character of the ANSI code page.
std::optional<std::wstring> ansiToWide(std::string_view piece)
{
    if (piece.empty())
        return std::wstring();
    const int inLength = static_cast<int>(piece.size());
    const int length = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, piece.data(), inLength, nullptr, 0);
    if (length == 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, piece.data(), inLength, wide.data(), length);
    return wide;
}

void appendScalars(const std::wstring& wide, std::u32string& out)
{
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const auto unit = static_cast<char32_t>(wide[i]);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < wide.size()) {
            const auto low = static_cast<char32_t>(wide[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                out += 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                ++i;
                continue;
            }
        }
        out += unit;
    }
}

std::uint16_t convertOne(wchar_t c)
{
    char bytes[4];
    BOOL usedDefault = FALSE;
    const int written =
        WideCharToMultiByte(shiftJis, WC_NO_BEST_FIT_CHARS, &c, 1, bytes, sizeof bytes, nullptr, &usedDefault);
    const auto byte = [&bytes](int i) { return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[i])); };
    if (usedDefault || written < 1 || written > 2)
        return noCodePage932;
    return written == 1 ? byte(0) : static_cast<std::uint16_t>(byte(0) << 8 | byte(1));
}

} // namespace

bool Win32CharsetConverter::systemIsUtf8() const
{
    return GetACP() == CP_UTF8;
}

void Win32CharsetConverter::decodeSystemText(std::string_view text, std::u32string& out) const
{
    if (const auto wide = ansiToWide(text)) {
        appendScalars(*wide, out);
        return;
    }
    // Character by character, so only the bytes that are no character
    // become stray bytes.
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size() ? 2 : 1;
        if (const auto wide = ansiToWide(text.substr(i, length)))
            appendScalars(*wide, out);
        else
            for (std::size_t k = 0; k < length; ++k)
                out += text::firstStrayByte + static_cast<unsigned char>(text[i + k]);
        i += length;
    }
}

const CodePage932Table* Win32CharsetConverter::codePage932() const
{
    std::call_once(built_, [this] {
        if (!IsValidCodePage(shiftJis))
            return;
        CodePage932Table table(0x10000, noCodePage932);
        for (char32_t c = 0; c < 0x10000; ++c)
            if (c < 0xD800 || c > 0xDFFF)
                table[c] = convertOne(static_cast<wchar_t>(c));
        table_ = std::move(table);
    });
    return table_ ? &*table_ : nullptr;
}

} // namespace quorrin::platform::win32
