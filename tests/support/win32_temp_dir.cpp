#include "support/win32_temp_dir.h"

#include <windows.h>
#include <winioctl.h>

#include <atomic>
#include <stdexcept>
#include <string>

namespace quorrin::testing {

namespace {

std::string currentDirectory()
{
    char buffer[MAX_PATH * 2] = {};
    const DWORD n = GetCurrentDirectoryA(sizeof buffer, buffer);
    return std::string(buffer, n < sizeof buffer ? n : 0);
}

void removeTree(const std::string& path)
{
    WIN32_FIND_DATAA data{};
    const HANDLE h = FindFirstFileA((path + "\\*").c_str(), &data);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string full = path + "\\" + name;
            SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                removeTree(full);
            else
                DeleteFileA(full.c_str());
        } while (FindNextFileA(h, &data));
        FindClose(h);
    }
    RemoveDirectoryA(path.c_str());
}

class File {
public:
    File(const std::string& path, DWORD access, DWORD disposition)
        : h_(CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr))
    {
        if (h_ == INVALID_HANDLE_VALUE)
            throw std::runtime_error("cannot open " + path + ": error " + std::to_string(GetLastError()));
    }
    ~File() { CloseHandle(h_); }
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

} // namespace

Win32TempDir::Win32TempDir() : savedCwd_(currentDirectory())
{
    static std::atomic<unsigned> counter{0};
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof temp, temp);
    std::string base = temp;
    if (!base.empty() && base.back() == '\\')
        base.pop_back();
    for (;;) {
        path_ = base + "\\quorrin-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++);
        if (CreateDirectoryA(path_.c_str(), nullptr))
            break;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot create " + path_);
    }
    // The long form, as the current directory reports it after a move.
    char longPath[MAX_PATH * 2] = {};
    const DWORD n = GetLongPathNameA(path_.c_str(), longPath, sizeof longPath);
    if (n > 0 && n < sizeof longPath)
        path_.assign(longPath, n);
}

Win32TempDir::~Win32TempDir()
{
    SetCurrentDirectoryA(savedCwd_.c_str());
    removeTree(path_);
}

std::string Win32TempDir::writeFile(const std::string& name, const std::string& bytes) const
{
    const std::string full = *this / name;
    const File f(full, GENERIC_WRITE, CREATE_ALWAYS);
    DWORD written = 0;
    if (!bytes.empty() && !WriteFile(f.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        throw std::runtime_error("cannot write " + full);
    return full;
}

std::string Win32TempDir::makeFileOfSize(const std::string& name, std::uint64_t size) const
{
    const std::string full = *this / name;
    const File f(full, GENERIC_WRITE, CREATE_ALWAYS);
    DWORD ignored = 0;
    DeviceIoControl(f.get(), FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &ignored, nullptr);
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(size);
    if (!SetFilePointerEx(f.get(), end, nullptr, FILE_BEGIN) || !SetEndOfFile(f.get()))
        throw std::runtime_error("cannot size " + full);
    return full;
}

std::string Win32TempDir::makeDirectory(const std::string& name) const
{
    const std::string full = *this / name;
    if (!CreateDirectoryA(full.c_str(), nullptr))
        throw std::runtime_error("cannot create " + full);
    return full;
}

void Win32TempDir::remove(const std::string& name) const
{
    const std::string full = *this / name;
    const DWORD attributes = GetFileAttributesA(full.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        removeTree(full);
    else
        DeleteFileA(full.c_str());
}

std::string Win32TempDir::read(const std::string& name) const
{
    const File f(*this / name, GENERIC_READ, OPEN_EXISTING);
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(f.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    return bytes;
}

} // namespace quorrin::testing
