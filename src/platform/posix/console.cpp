#include "platform/console.h"

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <unistd.h>

namespace quorrin::platform {

bool writeStandardOutput(std::string_view bytes)
{
    // A closed descriptor must be reported even when there is nothing to
    // write, and an empty write tells.
    if (bytes.empty())
        return write(STDOUT_FILENO, "", 0) == 0;
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
}

void writeStandardError(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stderr);
}

bool standardErrorIsTerminal()
{
    return isatty(STDERR_FILENO) == 1;
}

bool userReadsJapanese()
{
    // The variables in the order of their precedence. They are read
    // directly: a user who asks for Japanese reads it even where the
    // Japanese locale is not installed.
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return std::string_view(value).starts_with("ja");
    }
    return false;
}

bool isValidSystemText(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t code = 0;
        if (lead < 0x80)
            length = 1, code = lead;
        else if (lead >= 0xC2 && lead <= 0xDF)
            length = 2, code = lead & 0x1Fu;
        else if (lead >= 0xE0 && lead <= 0xEF)
            length = 3, code = lead & 0x0Fu;
        else if (lead >= 0xF0 && lead <= 0xF4)
            length = 4, code = lead & 0x07u;
        else
            return false;
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0u) != 0x80u)
                return false;
            code = (code << 6) | (next & 0x3Fu);
        }
        // Overlong forms, surrogates and values past Unicode's end.
        const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        i += length;
    }
    return true;
}

bool directoryCanBeListed(const std::string& path)
{
    DIR* handle = opendir(path.c_str());
    if (handle == nullptr)
        return false;
    closedir(handle);
    return true;
}

} // namespace quorrin::platform
