#include "platform/errors.h"
#include "platform/win32/ansi_text_rules.h"
#include "platform/win32/win32_file_system.h"
#include "support/win32_temp_dir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
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
    dir.makeFileOfSize("c.dat", (std::uint64_t{1} << 32) + 10);
    dir.makeDirectory("sub");
    const std::string hidden = dir.writeFile("h.txt", "12");
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);

    const FILETIME written{0x12345678, 0x01C62424}; // early 2006
    const HANDLE h = CreateFileA((dir / "a.txt").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    SetFileTime(h, nullptr, nullptr, &written);
    CloseHandle(h);

    const Win32FileSystem fs(rules);
    const auto files = searchAll(fs, dir / "*.txt", attr::readOnly | attr::archive);
    // Masks match without regard to case; the hidden file and the folder stay out.
    ASSERT_EQ(files.size(), 2u);
    const DirEntry& a = files.at("a.txt");
    EXPECT_EQ(a.size, 5u);
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

    // Sizes beyond 4 GiB keep all 64 bits.
    EXPECT_EQ(everything.at("c.dat").size, (std::uint64_t{1} << 32) + 10);
    EXPECT_TRUE(searchAll(fs, dir / "missing\\*.*", attr::directory).empty());

    // A look-up finds files, folders and roots, with the stored case, but no patterns.
    EXPECT_EQ(fs.lookUp(dir / "A.TXT").value().name, "a.txt");
    EXPECT_TRUE(fs.lookUp("C:\\")->isDirectory());
    EXPECT_FALSE(fs.lookUp(dir / "*.txt") || fs.lookUp(""));
    EXPECT_TRUE(fs.directoryExists(dir / "sub") && !fs.fileExists(dir / "sub"));
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

TEST(Win32FileSystem, SubdirectoriesAreTheFoldersADirectoryListShowsAndUnreadableFoldersSaySo)
{
    Win32TempDir dir;
    dir.makeDirectory("plain");
    dir.makeDirectory("plain\\inner");
    dir.writeFile("file.txt");
    SetFileAttributesA(dir.makeDirectory("hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA(dir.makeDirectory("system").c_str(), FILE_ATTRIBUTE_SYSTEM);
    const Win32FileSystem fs(rules);
    std::map<std::string, bool> found; // name, is a link
    EXPECT_TRUE(fs.subdirectories(dir.path(), [&](const std::string& name, bool isLink) { found[name] = isLink; }));
    EXPECT_EQ(found, (std::map<std::string, bool>{{"plain", false}}));

    // Locked by a handle that shares nothing: there, but not to be read.
    const HANDLE lock = CreateFileA((dir / "plain").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    const struct {
        std::string dir;
        bool readable;
    } cases[] = {{dir.path(), true},
                 {dir / "plain", false},
                 {dir / "missing", false},
                 {dir / "file.txt", false},
                 {"", false},
                 {dir / std::string(MAX_PATH, 'n'), false}};
    for (const auto& c : cases) {
        int visits = 0;
        EXPECT_EQ(fs.subdirectories(c.dir, [&](const std::string&, bool) { ++visits; }), c.readable) << c.dir;
        EXPECT_EQ(visits > 0, c.readable) << c.dir;
    }
    CloseHandle(lock);
}

// The system may tell of a change a moment after it happened.
bool changedWithin(FolderWatch& watch, DWORD milliseconds)
{
    for (DWORD waited = 0; !watch.changed(); waited += 10) {
        if (waited >= milliseconds)
            return false;
        Sleep(10);
    }
    return true;
}

TEST(Win32FileSystem, AFolderWatchTellsOfEachChangeInTheFolder)
{
    Win32TempDir dir;
    dir.makeDirectory("sub");
    const Win32FileSystem fs(rules);
    const struct {
        const char* what;
        std::function<void()> change;
    } changes[] = {
        {"a file came", [&] { dir.writeFile("a.txt", "a"); }},
        {"a file grew", [&] { dir.writeFile("a.txt", "longer"); }},
        {"a file went", [&] { DeleteFileA((dir / "a.txt").c_str()); }},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.what);
        const auto watch = fs.watchFolder(dir.path());
        ASSERT_TRUE(watch);
        EXPECT_FALSE(changedWithin(*watch, 100));
        c.change();
        EXPECT_TRUE(changedWithin(*watch, 2000));
        EXPECT_TRUE(watch->changed());
    }
    EXPECT_FALSE(fs.watchFolder(dir / "missing"));
}

// Wine tells of changes in the watched folder itself only, not below it.
bool underWine()
{
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// One notification covers the folders below the root, however deep.
TEST(Win32FileSystem, ATreeWatchTellsOfChangesBelowTheRoot)
{
    Win32TempDir dir;
    dir.makeDirectory("sub");
    dir.makeDirectory("sub\\deep");
    const Win32FileSystem fs(rules);
    const struct {
        const char* file;
        bool seen;
    } changes[] = {{"a.txt", true}, {"sub\\b.txt", !underWine()}, {"sub\\deep\\c.txt", !underWine()}};
    for (const auto& [file, seen] : changes) {
        SCOPED_TRACE(file);
        const auto watch = fs.watchTree(dir.path());
        ASSERT_TRUE(watch);
        watch->add(dir / "sub");
        watch->add(dir / "sub\\deep");
        EXPECT_EQ(watch->unwatched(), 0u);
        EXPECT_FALSE(changedWithin(*watch, 100));
        dir.writeFile(file, "x");
        EXPECT_EQ(changedWithin(*watch, seen ? 2000 : 300), seen);
    }
    EXPECT_EQ(fs.watchTree(dir / "missing")->unwatched(), 1u);
}

} // namespace
} // namespace quorrin::platform::win32
