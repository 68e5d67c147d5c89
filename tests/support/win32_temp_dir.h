#pragma once

#include <cstdint>
#include <string>

namespace quorrin::testing {

// A fresh folder under the Windows temporary folder, made and removed with
// the A functions so names in the ANSI code page keep their exact bytes.
// The process's current directory is put back when the test ends, since the
// code under test moves it.
class Win32TempDir {
public:
    Win32TempDir();
    ~Win32TempDir();
    Win32TempDir(const Win32TempDir&) = delete;
    Win32TempDir& operator=(const Win32TempDir&) = delete;

    // Absolute, without a trailing "\".
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

    // Relative names are taken inside the folder; returns the full path.
    std::string writeFile(const std::string& name, const std::string& bytes = {}) const;
    // A file of `size` bytes without writing them (sparse where the
    // volume allows it).
    std::string makeFileOfSize(const std::string& name, std::uint64_t size) const;
    std::string makeDirectory(const std::string& name) const;
    std::string read(const std::string& name) const;
    // A file, or a folder with everything in it.
    void remove(const std::string& name) const;

private:
    std::string path_;
    std::string savedCwd_;
};

} // namespace quorrin::testing
