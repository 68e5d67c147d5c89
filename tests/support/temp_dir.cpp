#include "support/temp_dir.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace quorrin::testing {

namespace fs = std::filesystem;

namespace {

void requireOk(bool ok, const std::string& what)
{
    if (!ok)
        throw std::runtime_error(what + " failed: errno " + std::to_string(errno));
}

} // namespace

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "quorrin-test-XXXXXX").string();
    requireOk(mkdtemp(pattern.data()) != nullptr, "mkdtemp");
    path_ = fs::canonical(pattern).string();
    savedCwd_ = fs::current_path().string();
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::current_path(savedCwd_, ec);
    // Tests take permissions away; give them back so the tree can be removed.
    for (auto it = fs::recursive_directory_iterator(path_, fs::directory_options::skip_permission_denied, ec);
         it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_directory(ec) && !it->is_symlink(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    chmod(path_.c_str(), 0700);
    fs::remove_all(path_, ec);
}

void TempDir::writeFile(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(*this / name, std::ios::binary);
    out << bytes;
    requireOk(static_cast<bool>(out), "writing " + name);
}

void TempDir::writeSparseFile(const std::string& name, std::uint64_t size) const
{
    const int fd = open((*this / name).c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    requireOk(fd >= 0, "creating " + name);
    const bool ok = ftruncate(fd, static_cast<off_t>(size)) == 0;
    close(fd);
    requireOk(ok, "ftruncate " + name);
}

void TempDir::makeDirectory(const std::string& name) const
{
    requireOk(mkdir((*this / name).c_str(), 0755) == 0, "mkdir " + name);
}

void TempDir::setModificationTime(const std::string& name, std::int64_t unixSeconds) const
{
    timespec times[2]{{static_cast<time_t>(unixSeconds), 0}, {static_cast<time_t>(unixSeconds), 0}};
    requireOk(utimensat(AT_FDCWD, (*this / name).c_str(), times, AT_SYMLINK_NOFOLLOW) == 0, "utimensat " + name);
}

} // namespace quorrin::testing
