#include "platform/errors.h"
#include "platform/win32/ansi_text_rules.h"
#include "platform/win32/win32_file_system.h"
#include "support/win32_temp_dir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <map>
#include <string>

namespace quorrin::platform::win32 {
namespace {

using testing::Win32TempDir;

const AnsiTextRules rules;

std::map<std::string, DirEntry> searchAll(const FileSystem& fs, const std::string& pattern, std::uint32_t attrs)
{
    std::map<std::string, DirEntry> found;
    fs.search(pattern, attrs, [&](const DirEntry& e) { found.emplace(e.name, e); });
    return found;
}

int changeError(FileSystem& fs, const std::string& path)
{
    try {
        fs.changeDirectory(path);
    } catch (const DirectoryChangeError& e) {
        return e.code();
    }
    return 0;
}

TEST(Win32FileSystem, ASearchReturnsNamesSizesTimesAndAttributesTogether)
{
    Win32TempDir dir;
    dir.writeFile("a.txt", "hello");
    dir.writeFile("B.TXT", "");
    dir.writeFile("c.dat", "x");
    dir.makeDirectory("sub");
    const std::string hidden = dir.writeFile("h.txt", "12");
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);

    FILETIME written{};
    SYSTEMTIME st{2006, 1, 6, 28, 0, 5, 7, 0}; // 2006-01-28 00:05:07 UTC
    SystemTimeToFileTime(&st, &written);
    {
        const HANDLE h =
            CreateFileA((dir / "a.txt").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        SetFileTime(h, nullptr, nullptr, &written);
        CloseHandle(h);
    }

    const Win32FileSystem fs(rules);
    const auto files = searchAll(fs, dir / "*.txt", attr::readOnly | attr::archive);
    // Masks match without regard to case; the hidden file and the folder stay out.
    ASSERT_EQ(files.size(), 2u);
    const DirEntry& a = files.at("a.txt");
    EXPECT_EQ(a.size, 5u);
    EXPECT_FALSE(a.isDirectory());
    EXPECT_EQ(a.lastWrite.ticks,
              static_cast<std::int64_t>(std::uint64_t{written.dwHighDateTime} << 32 | written.dwLowDateTime));
    EXPECT_EQ(files.count("B.TXT"), 1u);

    const auto everything = searchAll(fs, dir / "*.*", attr::hidden | attr::directory | attr::archive);
    EXPECT_EQ(everything.count("h.txt"), 1u);
    EXPECT_NE(everything.at("h.txt").attributes & attr::hidden, 0u);
    EXPECT_TRUE(everything.at("sub").isDirectory());
    // A folder that is no root lists its "." and ".." as the system does.
    EXPECT_EQ(everything.count("."), 1u);
    EXPECT_EQ(everything.count(".."), 1u);

    EXPECT_TRUE(searchAll(fs, dir / "missing\\*.*", attr::directory).empty());
}

TEST(Win32FileSystem, SizesBeyondFourGibibytesKeepAllSixtyFourBits)
{
    Win32TempDir dir;
    const std::uint64_t size = (std::uint64_t{1} << 32) + 10;
    dir.makeFileOfSize("big.bin", size);
    const Win32FileSystem fs(rules);
    const auto found = searchAll(fs, dir / "big.bin", attr::archive);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found.at("big.bin").size, size);
    EXPECT_EQ(fs.lookUp(dir / "big.bin")->size, size);
}

TEST(Win32FileSystem, LookUpFindsFilesFoldersAndRootsButNoPatterns)
{
    Win32TempDir dir;
    dir.writeFile("f.txt", "abc");
    dir.makeDirectory("d");
    const Win32FileSystem fs(rules);
    ASSERT_TRUE(fs.lookUp(dir / "F.TXT"));
    EXPECT_EQ(fs.lookUp(dir / "F.TXT")->name, "f.txt"); // the stored case
    EXPECT_TRUE(fs.lookUp("C:\\")->isDirectory());
    EXPECT_FALSE(fs.lookUp(dir / "*.txt"));
    EXPECT_FALSE(fs.lookUp(""));
    EXPECT_FALSE(fs.fileExists(dir / "d"));
    EXPECT_TRUE(fs.directoryExists(dir / "d"));
    EXPECT_FALSE(fs.directoryExists(dir / "f.txt"));
}

TEST(Win32FileSystem, ChangesKeepEachDrivesDirectoryAndRefusalsCarryTheSystemsCode)
{
    Win32TempDir dir;
    dir.makeDirectory("kept");
    dir.writeFile("file.txt");
    Win32FileSystem fs(rules);
    fs.changeDirectory(dir / "kept");
    fs.changeDirectory("..");
    EXPECT_EQ(fs.currentDirectory(), dir.path());
    EXPECT_EQ(changeError(fs, dir / "missing"), win_error::fileNotFound);
    EXPECT_EQ(changeError(fs, dir / "missing\\deeper"), win_error::pathNotFound);
    EXPECT_EQ(changeError(fs, dir / "file.txt"), win_error::directoryExpected);
    EXPECT_EQ(fs.currentDirectory(), dir.path());

    fs.changeDirectory("Z:\\tmp");
    EXPECT_EQ(fs.volumeCurrentDirectory(Volume{'c', "c:\\", DriveType::fixed}), dir.path());
    fs.changeDirectory("C:");
    EXPECT_EQ(fs.currentDirectory(), dir.path());
    EXPECT_EQ(fs.volumeCurrentDirectory(Volume{'z', "z:\\", DriveType::fixed}), "Z:\\tmp");
    fs.changeDirectory("\\");
    EXPECT_EQ(fs.currentDirectory(), "C:\\");
}

} // namespace
} // namespace quorrin::platform::win32
