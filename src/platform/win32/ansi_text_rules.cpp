#include "platform/win32/ansi_text_rules.h"

#include "text/ascii_case.h"

#include <windows.h>

#include <climits>
#include <string>

namespace quorrin::platform::win32 {

namespace {

int checkedLength(std::string_view s)
{
    return s.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(s.size());
}

} // namespace

AnsiTextRules::AnsiTextRules()
{
    CPINFO info{};
    doubleByte_ = GetCPInfo(CP_ACP, &info) && info.MaxCharSize > 1;
}

std::size_t AnsiTextRules::charLength(std::string_view s, std::size_t i) const
{
    return doubleByte_ && i + 1 < s.size() && IsDBCSLeadByte(static_cast<BYTE>(s[i])) ? 2 : 1;
}

std::string AnsiTextRules::lowerAsFileName(std::string_view s) const
{
    if (doubleByte_)
        return text::lowerAsciiLetters(*this, s);
    // A single-byte code page folds its accented letters too.
    std::string out(s);
    if (!out.empty())
        CharLowerBuffA(out.data(), static_cast<DWORD>(out.size()));
    return out;
}

std::string AnsiTextRules::upperAsFileName(std::string_view s) const
{
    if (doubleByte_)
        return text::upperAsciiLetters(*this, s);
    std::string out(s);
    if (!out.empty())
        CharUpperBuffA(out.data(), static_cast<DWORD>(out.size()));
    return out;
}

int AnsiTextRules::compare(std::string_view a, std::string_view b) const
{
    const int r = CompareStringA(LOCALE_USER_DEFAULT, 0, a.data(), checkedLength(a), b.data(), checkedLength(b));
    return r == 0 ? a.compare(b) : r - CSTR_EQUAL;
}

std::string AnsiTextRules::sortKey(std::string_view s) const
{
    std::string key;
    if (!s.empty()) {
        const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
        const int needed = LCMapStringA(LOCALE_USER_DEFAULT, flags, s.data(), checkedLength(s), nullptr, 0);
        if (needed > 0) {
            key.resize(static_cast<std::size_t>(needed));
            const int got = LCMapStringA(LOCALE_USER_DEFAULT, flags, s.data(), checkedLength(s), key.data(), needed);
            key.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
            // The key comes with its terminator; ours is the separator below.
            while (!key.empty() && key.back() == '\0')
                key.pop_back();
        }
    }
    // Names the locale finds equal (different case) still need a fixed
    // order, or a list would shuffle between reads.
    key += '\0';
    key.append(s);
    return key;
}

std::string AnsiTextRules::fromUtf8(std::string_view utf8) const
{
    if (utf8.empty())
        return {};
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), checkedLength(utf8), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), checkedLength(utf8), wide.data(), wideLength);
    const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, out.data(), length, nullptr, nullptr);
    return out;
}

} // namespace quorrin::platform::win32
