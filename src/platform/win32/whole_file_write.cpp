#include "platform/win32/whole_file_write.h"

#include "text/text_scan.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <optional>

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
std::string folderOf(const text::TextRules& rules, const std::string& path)
{
    const std::size_t at = text::findLastOf(rules, path, "\\/:");
    return at == std::string::npos ? std::string(".") : path.substr(0, at + 1);
}

// What a replacement may carry over; the rest (read-only, a folder, a
// reparse point) is never set on the new file.
constexpr DWORD keptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

bool seekTo(HANDLE h, std::uint64_t offset)
{
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(h, at, nullptr, FILE_BEGIN) != FALSE;
}

bool readAll(HANDLE h, std::string& bytes, std::size_t size)
{
    bytes.resize(size);
    std::size_t done = 0;
    while (done < size) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(h, bytes.data() + done, chunk, &got, nullptr) || got == 0)
            return false;
        done += got;
    }
    return true;
}

// The atomic replacement; nothing when the folder refuses a new file or
// the move, so that an existing file is written in place instead.
std::optional<WriteOutcome> replaceThroughTemporary(const text::TextRules& rules, const std::string& path,
                                                    std::string_view bytes, std::optional<DWORD> previousAttributes)
{
    const std::optional<WriteOutcome> inPlace =
        previousAttributes ? std::nullopt : std::optional(WriteOutcome::cannotCreate);
    char temp[MAX_PATH] = {};
    if (GetTempFileNameA(folderOf(rules, path).c_str(), "qrn", 0, temp) == 0)
        return inPlace;
    Handle out(CreateFileA(temp, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out.valid()) {
        DeleteFileA(temp);
        return inPlace;
    }
    const bool complete = writeAll(out.get(), bytes) && FlushFileBuffers(out.get());
    if (!out.close() || !complete) {
        DeleteFileA(temp);
        return WriteOutcome::cannotWrite;
    }
    if (previousAttributes && (*previousAttributes & keptAttributes) != 0)
        SetFileAttributesA(temp, *previousAttributes & keptAttributes);
    if (!MoveFileExA(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temp);
        return inPlace;
    }
    return WriteOutcome::written;
}

bool roomFor(const text::TextRules& rules, const std::string& path, std::uint64_t oldSize, std::size_t size)
{
    if (size <= oldSize)
        return true;
    ULARGE_INTEGER available{};
    // A system that tells nothing is given the benefit of the doubt.
    if (!GetDiskFreeSpaceExA(folderOf(rules, path).c_str(), &available, nullptr, nullptr))
        return true;
    return size - oldSize <= available.QuadPart;
}

// Writes over the file's own content. The old bytes that the new ones
// cover are read first, so a write that fails part way can put them back;
// the old tail is cut off only once the new bytes are on the disk.
WriteOutcome overwriteInPlace(const text::TextRules& rules, const std::string& path, std::string_view bytes)
{
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    Handle readWrite(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    Handle writeOnly(readWrite.valid() ? INVALID_HANDLE_VALUE
                                       : CreateFileA(path.c_str(), GENERIC_WRITE, share, nullptr, OPEN_EXISTING,
                                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    const HANDLE file = readWrite.valid() ? readWrite.get() : writeOnly.get();
    LARGE_INTEGER size{};
    if (file == INVALID_HANDLE_VALUE || !GetFileSizeEx(file, &size))
        return WriteOutcome::cannotCreate;
    const auto oldSize = static_cast<std::uint64_t>(size.QuadPart);
    std::string covered;
    const bool restorable =
        readWrite.valid() &&
        readAll(file, covered, static_cast<std::size_t>(std::min<std::uint64_t>(oldSize, bytes.size())));
    if (!roomFor(rules, path, oldSize, bytes.size()))
        return WriteOutcome::cannotWrite;

    if (seekTo(file, 0) && writeAll(file, bytes) && FlushFileBuffers(file)) {
        if (bytes.size() >= oldSize)
            return WriteOutcome::written;
        if (seekTo(file, bytes.size()) && SetEndOfFile(file))
            return FlushFileBuffers(file) ? WriteOutcome::written : WriteOutcome::leftIncomplete;
    }
    const bool restored = restorable && seekTo(file, 0) && writeAll(file, covered) && seekTo(file, oldSize) &&
                          SetEndOfFile(file) && FlushFileBuffers(file);
    return restored ? WriteOutcome::cannotWrite : WriteOutcome::leftIncomplete;
}

} // namespace

WriteOutcome writeWholeFile(const text::TextRules& rules, const std::string& path, std::string_view bytes)
{
    // The read-only attribute refuses the write for everyone, also where
    // the open below would pass (an administrator under Wine).
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return WriteOutcome::cannotCreate;
    BY_HANDLE_FILE_INFORMATION previous{};
    {
        // Opening for writing without truncating asks the system whether we
        // may write the file at all, and what kind of thing it is.
        Handle existing(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!existing.valid()) {
            if (GetLastError() != ERROR_FILE_NOT_FOUND)
                return WriteOutcome::cannotCreate;
            return *replaceThroughTemporary(rules, path, bytes, std::nullopt);
        }
        switch (GetFileType(existing.get())) {
        case FILE_TYPE_DISK: break;
        case FILE_TYPE_CHAR: return writeAll(existing.get(), bytes) ? WriteOutcome::written : WriteOutcome::cannotWrite;
        default: return WriteOutcome::cannotCreate;
        }
        if (!GetFileInformationByHandle(existing.get(), &previous))
            return WriteOutcome::cannotCreate;
    }
    // A replacement would leave a second name with the old content, or put
    // a plain file in a link's place.
    const bool replaceable = previous.nNumberOfLinks == 1 && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
    if (replaceable) {
        if (const auto replaced = replaceThroughTemporary(rules, path, bytes, previous.dwFileAttributes))
            return *replaced;
    }
    return overwriteInPlace(rules, path, bytes);
}

} // namespace quorrin::platform::win32
