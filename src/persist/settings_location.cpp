#include "persist/settings_location.h"

#include "platform/native.h"
#include "text/text_scan.h"

namespace quorrin::persist {

std::string settingsPathBeside(const text::TextRules& rules, std::string_view executablePath,
                               std::string_view delimiters)
{
    const std::size_t nameStart = [&] {
        const std::size_t delimiter = text::findLastOf(rules, executablePath, delimiters);
        return delimiter == std::string_view::npos ? 0 : delimiter + 1;
    }();
    const std::size_t dot = text::findLastOf(rules, executablePath.substr(nameStart), ".");
    const std::string_view stem =
        dot == std::string_view::npos ? executablePath : executablePath.substr(0, nameStart + dot);
    return std::string(stem) + ".ini";
}

std::string settingsFilePath(const text::TextRules& rules)
{
    const std::string beside = settingsPathBeside(rules, platform::executablePath(), platform::pathDelimiters());
    return platform::settingsFileLocation(rules, beside);
}

std::string siblingSettingsFilePath(const text::TextRules& rules, std::string_view programName)
{
    const std::string executable = platform::executablePath();
    const std::size_t delimiter = text::findLastOf(rules, executable, platform::pathDelimiters());
    const std::string folder = delimiter == std::string::npos ? std::string() : executable.substr(0, delimiter + 1);
    const std::string beside = settingsPathBeside(rules, folder + std::string(programName), platform::pathDelimiters());
    return platform::settingsFileLocation(rules, beside);
}

} // namespace quorrin::persist
