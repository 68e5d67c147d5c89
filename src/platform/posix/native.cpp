#include "platform/native.h"

#include "platform/posix/end_requests.h"
#include "platform/posix/iconv_charset_converter.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_locale.h"
#include "platform/posix/posix_profile_store.h"
#include "platform/posix/user_settings_path.h"
#include "platform/posix/whole_file_write.h"
#include "text/utf8_text_rules.h"

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace quorrin::platform {

std::unique_ptr<text::TextRules> makeNativeTextRules()
{
    return std::make_unique<text::Utf8TextRules>();
}

std::unique_ptr<FileSystem> makeNativeFileSystem(const text::TextRules& rules)
{
    return std::make_unique<posix::PosixFileSystem>(rules);
}

std::unique_ptr<CharsetConverter> makeNativeCharsetConverter()
{
    return std::make_unique<posix::IconvCharsetConverter>();
}

std::unique_ptr<LocaleSettings> makeNativeLocaleSettings()
{
    return std::make_unique<posix::PosixLocaleSettings>();
}

std::string executablePath()
{
    std::string buffer(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n <= 0)
        return {};
    buffer.resize(static_cast<std::size_t>(n));
    return buffer;
}

std::string_view pathDelimiters()
{
    return "/";
}

std::string settingsFileLocation(const text::TextRules& rules, const std::string& besideExecutable)
{
    return posix::chooseSettingsPath(
        rules, besideExecutable,
        [](const std::string& folder) { return faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) == 0; },
        [](const char* name) { return std::getenv(name); });
}

std::unique_ptr<ProfileStore> makeNativeProfileStore(const std::string& path)
{
    return std::make_unique<posix::PosixProfileStore>(path);
}

WriteOutcome writeWholeFile(const std::string& path, std::string_view bytes)
{
    return posix::writeWholeFile(path, bytes);
}

std::optional<int> catchEndRequests()
{
    return posix::catchEndRequests();
}

bool takeEndRequest(int descriptor)
{
    return posix::takeEndRequest(descriptor);
}

std::optional<std::string> displayUnavailableReason()
{
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    // An explicit Qt platform (offscreen, vnc, ...) needs no display server.
    if (set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY"))
        return std::nullopt;
    return std::string("no display to show the window on: neither DISPLAY nor WAYLAND_DISPLAY is set");
}

} // namespace quorrin::platform
