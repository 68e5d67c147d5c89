#include "platform/native.h"

#include "platform/win32/ansi_text_rules.h"
#include "platform/win32/whole_file_write.h"
#include "platform/win32/win32_charset_converter.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_profile_store.h"

#include <windows.h>

namespace quorrin::platform {

std::unique_ptr<text::TextRules> makeNativeTextRules()
{
    return std::make_unique<win32::AnsiTextRules>();
}

std::unique_ptr<FileSystem> makeNativeFileSystem(const text::TextRules& rules)
{
    return std::make_unique<win32::Win32FileSystem>(rules);
}

std::unique_ptr<CharsetConverter> makeNativeCharsetConverter()
{
    return std::make_unique<win32::Win32CharsetConverter>();
}

std::unique_ptr<LocaleSettings> makeNativeLocaleSettings()
{
    return std::make_unique<win32::Win32LocaleSettings>();
}

std::string executablePath()
{
    std::string buffer(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return {};
        if (n < buffer.size()) {
            buffer.resize(n);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string_view pathDelimiters()
{
    return "\\:";
}

std::string settingsFileLocation(const text::TextRules&, const std::string& besideExecutable)
{
    return besideExecutable;
}

std::unique_ptr<ProfileStore> makeNativeProfileStore(const std::string& path)
{
    return std::make_unique<win32::Win32ProfileStore>(path);
}

WriteOutcome writeWholeFile(const std::string& path, std::string_view bytes)
{
    return win32::writeWholeFile(win32::AnsiTextRules(), path, bytes);
}

std::optional<int> catchEndRequests()
{
    // The session's end arrives as a window message, which the window
    // toolkit hands on.
    return std::nullopt;
}

bool takeEndRequest(int)
{
    return false;
}

std::optional<std::string> displayUnavailableReason()
{
    // A Windows session always has a desktop to show the window on.
    return std::nullopt;
}

} // namespace quorrin::platform
