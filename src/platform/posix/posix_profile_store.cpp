#include "platform/posix/posix_profile_store.h"

#include "platform/posix/atomic_file.h"
#include "platform/profile_value.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace quorrin::platform::posix {

namespace {

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // A read cut short counts like a file that cannot be read: as missing.
    return in.bad() ? std::string() : bytes;
}

} // namespace

PosixProfileStore::PosixProfileStore(std::string path) : path_(std::move(path)) {}

IniDocument& PosixProfileStore::document()
{
    if (!document_)
        document_.emplace(fileBytes(path_));
    return *document_;
}

std::string PosixProfileStore::read(std::string_view section, std::string_view key, std::string_view fallback)
{
    return profileValue(document(), section, key, fallback);
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
    return replaceFileAtomically(path_, document().text()) == WriteOutcome::written;
}

} // namespace quorrin::platform::posix
