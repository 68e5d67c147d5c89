#include "platform/win32/replace_file.h"

#include "platform/text_scan.h"

#include <windows.h>

namespace quorrin::platform::win32 {

namespace {

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    bool close()
    {
        const bool ok = !valid() || CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE h_;
};

bool writeAll(HANDLE h, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(h, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// The folder part with its delimiter ("C:\dir\", "C:"), or "." for a bare
// name; whole characters only, so a trail byte "\" is never taken for one.
std::string folderOf(const TextRules& rules, const std::string& path)
{
    const std::size_t at = findLastOf(rules, path, "\\/:");
    return at == std::string::npos ? std::string(".") : path.substr(0, at + 1);
}

} // namespace

WriteOutcome replaceFileAtomically(const TextRules& rules, const std::string& path, std::string_view bytes)
{
    // The read-only attribute refuses the write for everyone, also where
    // the open below would pass (an administrator under Wine).
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return WriteOutcome::cannotCreate;
    {
        // Opening for writing without truncating asks the system whether we
        // may write the file at all, and what kind of thing it is.
        Handle existing(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!existing.valid()) {
            if (GetLastError() != ERROR_FILE_NOT_FOUND)
                return WriteOutcome::cannotCreate;
        } else {
            switch (GetFileType(existing.get())) {
            case FILE_TYPE_DISK: break;
            case FILE_TYPE_CHAR:
                return writeAll(existing.get(), bytes) ? WriteOutcome::written : WriteOutcome::cannotWrite;
            default: return WriteOutcome::cannotCreate;
            }
        }
    }

    char temp[MAX_PATH] = {};
    if (GetTempFileNameA(folderOf(rules, path).c_str(), "qrn", 0, temp) == 0)
        return WriteOutcome::cannotCreate;
    Handle out(CreateFileA(temp, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out.valid()) {
        DeleteFileA(temp);
        return WriteOutcome::cannotCreate;
    }
    const bool complete = writeAll(out.get(), bytes) && FlushFileBuffers(out.get());
    if (!out.close() || !complete) {
        DeleteFileA(temp);
        return WriteOutcome::cannotWrite;
    }
    if (!MoveFileExA(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temp);
        return WriteOutcome::cannotCreate;
    }
    return WriteOutcome::written;
}

} // namespace quorrin::platform::win32
