#include "platform/posix/user_settings_path.h"

#include "text/text_scan.h"

#include <optional>

namespace quorrin::platform::posix {

namespace {

std::string folderOf(const text::TextRules& rules, const std::string& path)
{
    const std::size_t slash = text::findLastOf(rules, path, "/");
    if (slash == std::string::npos)
        return {};
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::optional<std::string> userConfigHome(const Environment& environment)
{
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the convention
    // asks, so the file never lands relative to whatever folder we are in.
    const char* xdg = environment("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/')
        return std::string(xdg);
    const char* home = environment("HOME");
    if (home != nullptr && home[0] != '\0')
        return std::string(home) + "/.config";
    return std::nullopt;
}

} // namespace

std::string chooseSettingsPath(const text::TextRules& rules, const std::string& besideExecutable,
                               const std::function<bool(const std::string& folder)>& folderWritable,
                               const Environment& environment)
{
    const std::string folder = folderOf(rules, besideExecutable);
    if (!folder.empty() && folderWritable(folder))
        return besideExecutable;
    const auto configHome = userConfigHome(environment);
    if (!configHome)
        return besideExecutable;
    return *configHome + "/quorrin/quorrin.ini";
}

} // namespace quorrin::platform::posix
