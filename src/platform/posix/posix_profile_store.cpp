#include "platform/posix/posix_profile_store.h"

#include "platform/posix/atomic_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace quorrin::platform::posix {

namespace {

// One pair of matching quotes round the value is not part of it; that is
// how a value keeps blanks at its ends.
std::string unquoted(std::string value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.front() == value.back())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // A read cut short counts like a file that cannot be read: as missing.
    return in.bad() ? std::string() : bytes;
}

}  // namespace

PosixProfileStore::PosixProfileStore(std::string path) : path_(std::move(path)) {}

IniDocument& PosixProfileStore::document()
{
    if (!document_)
        document_.emplace(fileBytes(path_));
    return *document_;
}

std::string PosixProfileStore::read(std::string_view section, std::string_view key, std::string_view fallback)
{
    const auto found = document().value(section, key);
    std::string value = found ? unquoted(*found) : std::string(fallback);
    if (value.size() >= bufferSize)
        value.resize(bufferSize - 1);
    return value;
}

bool PosixProfileStore::write(std::string_view section, std::string_view key, std::string_view value)
{
    document().set(section, key, value);
    changed_ = true;
    return true;
}

bool PosixProfileStore::flush()
{
    if (!changed_)
        return true;
    const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
    std::error_code ignored;
    if (!folder.empty())
        std::filesystem::create_directories(folder, ignored);
    return replaceFileAtomically(path_, document().text());
}

}  // namespace quorrin::platform::posix
