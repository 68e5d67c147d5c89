#include "platform/win32/win32_file_system.h"

#include "platform/errors.h"
#include "platform/win32/change_notification_watch.h"
#include "text/text_scan.h"

#include <windows.h>
#include <winnetwk.h>

#include <string_view>
#include <utility>
#include <vector>

namespace quorrin::platform::win32 {

namespace {

FileTime fileTimeOf(const FILETIME& t)
{
    return FileTime{static_cast<std::int64_t>(static_cast<std::uint64_t>(t.dwHighDateTime) << 32 | t.dwLowDateTime)};
}

std::uint64_t sizeOf(DWORD high, DWORD low)
{
    return static_cast<std::uint64_t>(high) << 32 | low;
}

DirEntry entryOf(const WIN32_FIND_DATAA& data)
{
    return DirEntry{data.cFileName, data.dwFileAttributes, sizeOf(data.nFileSizeHigh, data.nFileSizeLow),
                    fileTimeOf(data.ftLastWriteTime)};
}

// The system's code for the call that just failed; a failure that left none
// still has to read as one.
int lastErrorCode()
{
    const DWORD code = GetLastError();
    return code != 0 ? static_cast<int>(code) : win_error::pathNotFound;
}

class FindHandle {
public:
    explicit FindHandle(HANDLE h) : h_(h) {}
    ~FindHandle()
    {
        if (h_ != INVALID_HANDLE_VALUE)
            FindClose(h_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

// An empty drive or a drive that is not ready must answer "no" instead of
// asking the user to insert a disk.
class NoCriticalErrorDialogs {
public:
    NoCriticalErrorDialogs() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~NoCriticalErrorDialogs() { SetErrorMode(previous_); }
    NoCriticalErrorDialogs(const NoCriticalErrorDialogs&) = delete;
    NoCriticalErrorDialogs& operator=(const NoCriticalErrorDialogs&) = delete;

private:
    UINT previous_;
};

std::string fullPathOf(const std::string& path)
{
    std::string buffer(MAX_PATH, '\0');
    DWORD n = GetFullPathNameA(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (n >= buffer.size()) {
        buffer.resize(n);
        n = GetFullPathNameA(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    }
    buffer.resize(n < buffer.size() ? n : 0);
    return buffer;
}

bool hasWildcard(const std::string& path)
{
    return path.find_first_of("*?") != std::string::npos;
}

} // namespace

std::string Win32FileSystem::currentDirectory() const
{
    std::string buffer(MAX_PATH, '\0');
    DWORD n = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (n >= buffer.size()) {
        buffer.resize(n);
        n = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    }
    buffer.resize(n < buffer.size() ? n : 0);
    return buffer;
}

void Win32FileSystem::changeDirectory(const std::string& path)
{
    if (!SetCurrentDirectoryA(path.c_str()))
        throw DirectoryChangeError(lastErrorCode());
    // The system keeps each drive's own current directory in the hidden
    // variable "=C:", which the C runtime sets on every change; we set it
    // too, so that "D:" alone comes back to where D: was left.
    const std::string now = currentDirectory();
    if (now.size() >= 2 && now[1] == ':') {
        const char letter = now[0] >= 'a' && now[0] <= 'z' ? static_cast<char>(now[0] - ('a' - 'A')) : now[0];
        const char variable[] = {'=', letter, ':', '\0'};
        SetEnvironmentVariableA(variable, now.c_str());
    }
}

std::string Win32FileSystem::volumeCurrentDirectory(const Volume& volume) const
{
    const char drive[] = {volume.letter, ':', '\0'};
    std::string full = volume.letter != 0 ? fullPathOf(drive) : std::string();
    if (full.empty())
        return volume.root;
    // Some versions of the system answer "C:\dir\"; the current directory
    // never ends in "\" below a root. The last byte alone would not do: it
    // is the second half of a name ending in a character such as 0x95 0x5C.
    if (full.size() > 3 && endsWithChar(rules_, full, '\\'))
        full.pop_back();
    return full;
}

bool Win32FileSystem::directoryExists(const std::string& path) const
{
    const DWORD a = GetFileAttributesA(path.c_str());
    return !path.empty() && a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32FileSystem::fileExists(const std::string& path) const
{
    const auto entry = lookUp(path);
    return entry && !entry->isDirectory();
}

std::optional<DirEntry> Win32FileSystem::lookUp(const std::string& path) const
{
    if (path.empty() || hasWildcard(path))
        return std::nullopt;
    WIN32_FIND_DATAA data{};
    const FindHandle h(FindFirstFileA(path.c_str(), &data));
    if (h.valid())
        return entryOf(data);
    // A drive root is no entry of any folder; its attributes still answer.
    WIN32_FILE_ATTRIBUTE_DATA info{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &info))
        return std::nullopt;
    return DirEntry{path, info.dwFileAttributes, sizeOf(info.nFileSizeHigh, info.nFileSizeLow),
                    fileTimeOf(info.ftLastWriteTime)};
}

void Win32FileSystem::search(const std::string& pattern, std::uint32_t searchAttr,
                             const std::function<void(const DirEntry&)>& visit) const
{
    WIN32_FIND_DATAA data{};
    const FindHandle h(FindFirstFileA(pattern.c_str(), &data));
    if (!h.valid())
        return;
    const std::uint32_t excluded = exclusionSet(searchAttr);
    do {
        if ((data.dwFileAttributes & excluded) == 0)
            visit(entryOf(data));
    } while (FindNextFileA(h.get(), &data));
}

bool Win32FileSystem::subdirectories(const std::string& dir, const SubdirectoryVisit& visit) const
{
    if (dir.empty())
        return false;
    // Only a root ends in "\" ("C:\"); a name's last byte may be 0x5C on
    // a double-byte code page, so it is not looked at.
    const bool root = dir.size() == 3 && dir[1] == ':';
    const std::string pattern = root ? dir + "*.*" : dir + "\\*.*";
    WIN32_FIND_DATAA data{};
    const FindHandle h(FindFirstFileA(pattern.c_str(), &data));
    // Finding nothing at all is an empty root (no "." or ".." there); any
    // other failure is a folder that cannot be read: access denied, gone,
    // path too long, a file in its place.
    if (!h.valid())
        return GetLastError() == ERROR_FILE_NOT_FOUND && directoryExists(dir);
    std::vector<std::pair<std::string, bool>> found; // name, is a link
    constexpr DWORD leftOut = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    do {
        const DWORD a = data.dwFileAttributes;
        const std::string_view name = data.cFileName;
        if ((a & FILE_ATTRIBUTE_DIRECTORY) == 0 || (a & leftOut) != 0 || name == "." || name == "..")
            continue;
        // Symbolic links and junctions name another folder; other reparse
        // points (files kept in the cloud, deduplicated ones) are folders
        // of their own.
        const bool link = (a & FILE_ATTRIBUTE_REPARSE_POINT) != 0 && IsReparseTagNameSurrogate(data.dwReserved0);
        found.emplace_back(name, link);
    } while (FindNextFileA(h.get(), &data));
    // A listing cut short (the folder went while read) is no listing.
    if (GetLastError() != ERROR_NO_MORE_FILES)
        return false;
    for (const auto& [name, link] : found)
        visit(name, link);
    return true;
}

std::vector<Volume> Win32FileSystem::volumes() const
{
    std::vector<Volume> list;
    const DWORD present = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if ((present & (DWORD{1} << i)) == 0)
            continue;
        const char letter = static_cast<char>('a' + i);
        std::string root{letter, ':', '\\'};
        const auto type = static_cast<DriveType>(GetDriveTypeA(root.c_str()));
        list.push_back(Volume{letter, std::move(root), type});
    }
    return list;
}

std::optional<VolumeInformation> Win32FileSystem::volumeInformation(const std::string& root) const
{
    char label[MAX_PATH + 1] = {};
    DWORD flags = 0;
    BOOL ok = FALSE;
    {
        const NoCriticalErrorDialogs quiet;
        ok = GetVolumeInformationA(root.c_str(), label, sizeof label, nullptr, nullptr, &flags, nullptr, 0);
    }
    if (!ok)
        return std::nullopt;
    return VolumeInformation{label, (flags & FILE_CASE_SENSITIVE_SEARCH) != 0,
                             (flags & FILE_CASE_PRESERVED_NAMES) != 0};
}

std::optional<std::string> Win32FileSystem::remoteName(const Volume& volume) const
{
    if (volume.letter == 0)
        return std::nullopt;
    const char local[] = {volume.letter, ':', '\0'};
    std::string buffer(MAX_PATH, '\0');
    DWORD length = static_cast<DWORD>(buffer.size());
    DWORD result = WNetGetConnectionA(local, buffer.data(), &length);
    if (result == ERROR_MORE_DATA) {
        buffer.resize(length);
        result = WNetGetConnectionA(local, buffer.data(), &length);
    }
    if (result != NO_ERROR)
        return std::nullopt;
    buffer.resize(buffer.find('\0'));
    return buffer;
}

std::unique_ptr<FolderWatch> Win32FileSystem::watchFolder(const std::string& dir) const
{
    return watchWithChangeNotification(dir);
}

std::unique_ptr<TreeWatch> Win32FileSystem::watchTree(const std::string& root) const
{
    return watchTreeWithChangeNotification(root);
}

} // namespace quorrin::platform::win32
