#include "platform/console.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace quorrin::platform {

bool writeStandardOutput(std::string_view bytes)
{
    // Binary, or every LF of the listing's CR LF would gain another CR.
    if (_setmode(_fileno(stdout), _O_BINARY) == -1)
        return false;
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    return written == bytes.size() && std::fflush(stdout) == 0 && !std::ferror(stdout);
}

void writeStandardError(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

bool standardErrorIsTerminal()
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

bool userReadsJapanese()
{
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE;
}

bool isValidSystemText(std::string_view text)
{
    if (text.empty())
        return true;
    return MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), nullptr, 0) >
           0;
}

bool directoryCanBeListed(const std::string& path)
{
    // The path is absolute and ends in "\\" only at a drive root; a byte 0x5C
    // at its end may be the second byte of a character such as 表.
    const bool driveRoot = path.size() == 3 && path[1] == ':';
    const std::string pattern = path + (driveRoot ? "*" : "\\*");
    WIN32_FIND_DATAA found;
    const HANDLE handle = FindFirstFileA(pattern.c_str(), &found);
    if (handle == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND; // an empty drive root
    FindClose(handle);
    return true;
}

} // namespace quorrin::platform
