#include "support/memory_file_system.h"

#include "platform/errors.h"
#include "support/shift_jis_text_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace quorrin::testing {
namespace {

using platform::DirEntry;
using platform::DriveType;
using platform::Volume;
namespace attr = platform::attr;
using Names = std::vector<std::string>;

// Shift_JIS names: 表 ends in the byte "\", ア in 'A'; ヂ differs from ア
// only in that second byte ('a').
const std::string hyo = "\x95\x5C";
const std::string a = "\x83\x41";
const std::string di = "\x83\x61";

constexpr std::uint64_t fiveGiB = 5ULL << 30;
const platform::FileTime bigTime = platform::fileTimeFromUnix(1'700'000'000);

class MemoryFileSystemTest : public ::testing::Test {
protected:
    MemoryFileSystemTest()
    {
        fs.addDrive('d', DriveType::fixed, "DATA");
        fs.addDrive('c', DriveType::fixed, "WINDOWS");
        fs.addDrive('e', DriveType::cdrom);
        fs.addDrive('a', DriveType::removable);
        fs.setNotReady('e', true);
        fs.addShare("\\\\Server\\Share", "SHARED");

        // Not in alphabetical order: a search reports entries as they were made.
        fs.addDirectory("C:\\Data\\Sub");
        fs.addFile("C:\\Data\\a.txt", 10);
        fs.addFile("C:\\Data\\Hidden.txt", 20, {}, attr::hidden | attr::archive);
        fs.addFile("C:\\Data\\Sys.dat", 30, {}, attr::system | attr::archive);
        fs.addDirectory("C:\\Data\\HiddenDir", attr::hidden);
        fs.addFile("C:\\Data\\Big.iso", fiveGiB, bigTime);
        fs.addFile("C:\\Data\\ReadOnly.txt", 40, {}, attr::readOnly);
        fs.addFile("C:\\Locked\\x.txt");
        fs.denyEnter("C:\\Locked");
        fs.addFile("C:\\Blind\\y.txt");
        fs.denySearch("C:\\Blind");
        fs.addDirectory("C:\\" + hyo + "\\Sub");
        fs.addDirectory("C:\\" + a);
        fs.addFile("C:\\file.txt");
        fs.addDirectory("D:\\Docs\\Deep");
        fs.addFile("\\\\Server\\Share\\Pub\\p.txt");
        fs.changeDirectory("C:\\");
    }

    Names found(const std::string& pattern, std::uint32_t searchAttr) const
    {
        Names names;
        fs.search(pattern, searchAttr, [&](const DirEntry& entry) { names.push_back(entry.name); });
        return names;
    }

    std::map<char, std::string> driveDirectories() const
    {
        std::map<char, std::string> dirs;
        for (const Volume& volume : fs.volumes())
            dirs[volume.letter] = fs.volumeCurrentDirectory(volume);
        return dirs;
    }

    ShiftJisTextRules rules;
    MemoryFileSystem fs{rules};
};

TEST_F(MemoryFileSystemTest, ChangesLandWhereWindowsWouldAndEachDriveKeepsItsOwn)
{
    const struct {
        std::string from, to, expected;
    } cases[] = {{"C:\\", "c:/DATA//sub\\", "C:\\Data\\Sub"},
                 {"C:\\Data", "C:Sub", "C:\\Data\\Sub"},
                 // ".." is taken off the text before anything is looked up.
                 {"C:\\", "C:\\Data\\Missing\\..\\Sub", "C:\\Data\\Sub"},
                 {"C:\\", "C:\\" + hyo + "\\sub", "C:\\" + hyo + "\\Sub"},
                 {"C:\\" + hyo + "\\Sub", "..", "C:\\" + hyo},
                 {"C:\\", "\\\\server\\SHARE\\pub", "\\\\Server\\Share\\Pub"},
                 {"\\\\Server\\Share\\Pub", "\\", "\\\\Server\\Share"},
                 // Each drive keeps its own current directory.
                 {"D:\\Docs\\Deep", "C:\\Data", "C:\\Data"},
                 {"C:\\Data", "D:..", "D:\\Docs"},
                 {"D:\\Docs", "c:sub", "C:\\Data\\Sub"},
                 {"\\\\Server\\Share\\Pub", "C:", "C:\\Data\\Sub"}};
    for (const auto& c : cases) {
        fs.changeDirectory(c.from);
        fs.changeDirectory(c.to);
        EXPECT_EQ(fs.currentDirectory(), c.expected) << "from " << c.from << " to " << c.to;
    }
    EXPECT_EQ(fs.volumeCurrentDirectory(Volume{'d', "d:\\", DriveType::fixed}), "D:\\Docs");
    EXPECT_EQ(fs.volumeCurrentDirectory(Volume{'a', "a:\\", DriveType::removable}), "A:\\");
}

TEST_F(MemoryFileSystemTest, RefusedChangesReportTheCodeAndMoveNothing)
{
    const struct {
        std::string to;
        int code;
        std::string message;
    } cases[] = {{"D:\\Docs\\Missing", 2, "File not found"},
                 {"Missing\\Sub", 3, "Invalid filename"},
                 {"\\\\server\\nope", 3, "Invalid filename"},
                 {"C:\\Locked", 5, "File access denied"},
                 {"E:", 21, "I/O error 21"},
                 {"a.txt", 267, "I/O error 267"},
                 {"Sub*", 123, "I/O error 123"}};
    fs.changeDirectory("D:\\Docs");
    fs.changeDirectory("C:\\Data");
    const auto before = driveDirectories();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.to);
        try {
            fs.changeDirectory(c.to);
            ADD_FAILURE() << "the change was not refused";
        } catch (const DirectoryChangeError& error) {
            EXPECT_EQ(error.code(), c.code);
            EXPECT_EQ(std::string(error.what()), c.message);
        }
        EXPECT_EQ(fs.currentDirectory(), "C:\\Data");
        EXPECT_EQ(driveDirectories(), before);
    }
}

// Entries sharing a bit with the exclusion set are skipped (0x2F is the file
// list's, 0x10 the directory list's); a drive root has no "." or "..", and
// where there is nothing to search there is nothing found, and no error.
TEST_F(MemoryFileSystemTest, SearchesFindWhatThePatternAndAttributesName)
{
    const struct {
        std::string from, pattern;
        std::uint32_t searchAttr;
        Names expected;
    } cases[] = {
        {"C:\\", "C:\\Data\\*.*", 0x2F, {"a.txt", "Hidden.txt", "Sys.dat", "Big.iso", "ReadOnly.txt"}},
        {"C:\\", "C:\\Data\\*.*", 0x10, {".", "..", "Sub", "a.txt", "Big.iso", "ReadOnly.txt"}},
        {"C:\\Data", "*.*", 0x12, {".", "..", "Sub", "a.txt", "Hidden.txt", "HiddenDir", "Big.iso", "ReadOnly.txt"}},
        {"D:\\Docs", "C:\\*", 0x10, {"Data", "Locked", "Blind", hyo, a, "file.txt"}},
        {"C:\\", "\\\\server\\share\\pub\\*.*", 0x2F, {"p.txt"}},
        {"C:\\Data", "Missing\\*.*", 0x3F, {}},
        {"C:\\Blind", "*.*", 0x3F, {}},
        {"C:\\", "C:\\file.txt\\*", 0x3F, {}}};

    for (const auto& c : cases) {
        fs.changeDirectory(c.from);
        EXPECT_EQ(found(c.pattern, c.searchAttr), c.expected) << "in " << c.from << " " << c.pattern;
    }

    const auto big = fs.lookUp("C:\\Data\\Big.iso");
    ASSERT_TRUE(big);
    EXPECT_EQ(big->size, fiveGiB);
    EXPECT_EQ(big->lastWrite, bigTime);
    EXPECT_EQ(fs.lookUp("C:\\Data\\HiddenDir")->attributes, attr::hidden | attr::directory);
}

TEST_F(MemoryFileSystemTest, LookUpFindsTheEntryWithItsStoredName)
{
    EXPECT_EQ(fs.lookUp("c:\\data\\A.TXT").value().name, "a.txt");
    EXPECT_EQ(fs.lookUp("\\\\SERVER\\share\\PUB\\P.TXT").value().name, "p.txt");
    EXPECT_TRUE(fs.directoryExists("C:\\" + a));
    EXPECT_FALSE(fs.directoryExists("C:\\" + di) || fs.lookUp("C:\\Data\\a.txt\\") || fs.lookUp(""));
    EXPECT_EQ(fs.lookUp("C:\\" + hyo + "\\sub").value().name, "Sub");
    EXPECT_TRUE(fs.directoryExists("Data\\sub") && !fs.fileExists("Data\\sub"));
}

} // namespace
} // namespace quorrin::testing
