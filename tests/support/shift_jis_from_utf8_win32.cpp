#include "support/shift_jis_text_rules.h"

#include <windows.h>

#include <stdexcept>

namespace quorrin::testing {

std::string ShiftJisTextRules::fromUtf8(std::string_view utf8) const
{
    constexpr UINT shiftJis = 932;
    if (utf8.empty())
        return {};
    const int inLength = static_cast<int>(utf8.size());
    const int wideLength = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), inLength, nullptr, 0);
    if (wideLength == 0)
        throw std::runtime_error("not UTF-8: " + std::string(utf8));
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inLength, wide.data(), wideLength);
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(shiftJis, 0, wide.data(), wideLength, nullptr, 0, nullptr, &lossy);
    if (length == 0 || lossy)
        throw std::runtime_error("not representable in code page 932: " + std::string(utf8));
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(shiftJis, 0, wide.data(), wideLength, out.data(), length, nullptr, nullptr);
    return out;
}

} // namespace quorrin::testing
