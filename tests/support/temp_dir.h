#pragma once

#include <cstdint>
#include <string>

namespace quorrin::testing {

// A fresh folder under the system's temporary directory, removed with
// everything in it (permissions restored first) when the test ends. The
// process's current directory is put back too, since the code under test
// moves it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    // Creates a file holding `bytes`, or a sparse one of `size` bytes.
    void writeFile(const std::string& name, const std::string& bytes = {}) const;
    void writeSparseFile(const std::string& name, std::uint64_t size) const;
    void makeDirectory(const std::string& name) const;
    void setModificationTime(const std::string& name, std::int64_t unixSeconds) const;

private:
    std::string path_;
    std::string savedCwd_;
};

} // namespace quorrin::testing
