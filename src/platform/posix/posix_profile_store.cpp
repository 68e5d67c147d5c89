#include "platform/posix/posix_profile_store.h"

#include "platform/posix/whole_file_write.h"
#include "text/profile_value.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace quorrin::platform::posix {

namespace {

// Only a regular file has settings to read. The open does not wait, so a
// FIFO or a device put in the file's place cannot hang the start; it counts
// as missing, as does a read cut short.
std::string fileBytes(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {};
    std::string bytes;
    struct stat st {};
    bool complete = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    // Room for the whole file at once: a huge file grown by doubling would
    // take up to twice its size.
    if (complete)
        bytes.reserve(static_cast<std::size_t>(st.st_size) + 1);
    char buffer[65536];
    while (complete) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            complete = n == 0;
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    // Returned by name, so the bytes move out rather than being copied.
    if (!complete)
        return {};
    return bytes;
}

} // namespace

PosixProfileStore::PosixProfileStore(std::string path) : path_(std::move(path)) {}

text::IniDocument& PosixProfileStore::document()
{
    if (!document_)
        document_.emplace(fileBytes(path_));
    return *document_;
}

std::string PosixProfileStore::read(std::string_view section, std::string_view key, std::string_view fallback)
{
    return text::profileValue(document(), section, key, fallback);
}

bool PosixProfileStore::write(std::string_view section, std::string_view key, std::string_view value)
{
    document().set(section, key, value);
    changed_ = true;
    return true;
}

WriteOutcome PosixProfileStore::flush()
{
    if (!changed_)
        return WriteOutcome::written;
    const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
    std::error_code ignored;
    if (!folder.empty())
        std::filesystem::create_directories(folder, ignored);
    return writeWholeFile(path_, document().text());
}

} // namespace quorrin::platform::posix
