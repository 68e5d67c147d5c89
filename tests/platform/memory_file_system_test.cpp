#include "support/memory_file_system.h"

#include "platform/errors.h"
#include "support/shift_jis_text_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
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
        // Added out of letter order: volumes() must still list them by letter.
        fs.addDrive('d', DriveType::fixed, "DATA");
        fs.addDrive('c', DriveType::fixed, "WINDOWS");
        fs.addDrive('e', DriveType::cdrom);
        fs.addDrive('a', DriveType::removable);
        fs.addDrive('z', DriveType::remote);
        fs.setRemoteName('z', "\\\\server\\share");
        fs.setNotReady('e', true);
        fs.addShare("\\\\Server\\Share", "SHARED");

        // Deliberately not in alphabetical order: a search reports entries
        // as they were made.
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
                 {"C:\\Data\\Sub", "..\\..\\..", "C:\\"},
                 {"C:\\Data", ".\\Sub\\.", "C:\\Data\\Sub"},
                 {"C:\\Data", "C:Sub", "C:\\Data\\Sub"},
                 // ".." is taken off the text before anything is looked up.
                 {"C:\\", "C:\\Data\\Missing\\..\\Sub", "C:\\Data\\Sub"},
                 {"C:\\", "C:\\Blind", "C:\\Blind"},
                 {"C:\\", "C:\\" + hyo + "\\sub", "C:\\" + hyo + "\\Sub"},
                 {"C:\\" + hyo + "\\Sub", "..", "C:\\" + hyo},
                 {"C:\\", a, "C:\\" + a},
                 {"C:\\", "\\\\server\\SHARE\\pub", "\\\\Server\\Share\\Pub"},
                 {"\\\\Server\\Share\\Pub", "\\", "\\\\Server\\Share"},
                 // Each drive keeps its own current directory.
                 {"D:\\Docs\\Deep", "C:\\Data", "C:\\Data"},
                 {"C:\\Data", "D:..", "D:\\Docs"},
                 {"C:\\Data", "d:", "D:\\Docs"},
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
                 {"Q:", 3, "Invalid filename"},
                 {"\\\\server\\nope", 3, "Invalid filename"},
                 {"", 3, "Invalid filename"},
                 {"C:\\Locked", 5, "File access denied"},
                 {"E:", 21, "I/O error 21"},
                 {"e:\\Any\\Where", 21, "I/O error 21"},
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

    fs.changeDirectory("C:\\Data\\Sub");
    fs.remove("C:\\Data\\Sub");
    EXPECT_EQ(fs.currentDirectory(), "C:\\Data\\Sub") << "a removed current directory is still reported";
    EXPECT_FALSE(fs.directoryExists(fs.currentDirectory()));
    EXPECT_THROW(fs.changeDirectory("C:\\Data\\Sub"), DirectoryChangeError);
}

TEST_F(MemoryFileSystemTest, SearchesFindWhatThePatternAndAttributesName)
{
    const struct {
        std::string from, pattern;
        std::uint32_t searchAttr;
        Names expected;
    } cases[] = {
        // Entries sharing a bit with the exclusion set are skipped. The file
        // list's attribute: hidden and system files, no directories.
        {"C:\\", "C:\\Data\\*.*", 0x2F, {"a.txt", "Hidden.txt", "Sys.dat", "Big.iso", "ReadOnly.txt"}},
        // The directory list's: directories and plain files, nothing hidden.
        {"C:\\", "C:\\Data\\*.*", 0x10, {".", "..", "Sub", "a.txt", "Big.iso", "ReadOnly.txt"}},
        {"C:\\", "C:\\Data\\*.*", 0x00, {"a.txt", "Big.iso", "ReadOnly.txt"}},
        {"C:\\Data", "*.*", 0x12, {".", "..", "Sub", "a.txt", "Hidden.txt", "HiddenDir", "Big.iso", "ReadOnly.txt"}},
        {"C:\\Data", "?.TXT", 0x21, {"a.txt"}},
        {"C:\\Data", "C:*.iso", 0x2F, {"Big.iso"}},
        // A drive root has no "." or "..".
        {"D:\\Docs", "C:\\*", 0x10, {"Data", "Locked", "Blind", hyo, a, "file.txt"}},
        {"C:\\", hyo + "\\*", 0x10, {".", "..", "Sub"}},
        {"C:\\", "\\\\server\\share\\pub\\*.*", 0x2F, {"p.txt"}},
        // Nothing, and no error, where there is nothing to search.
        {"C:\\Data", "Missing\\*.*", 0x3F, {}},
        {"C:\\Blind", "*.*", 0x3F, {}},
        {"C:\\", "E:\\*.*", 0x3F, {}},
        {"C:\\", "C:\\file.txt\\*", 0x3F, {}},
        {"C:\\Data", "", 0x3F, {}}};
    for (const auto& c : cases) {
        fs.changeDirectory(c.from);
        EXPECT_EQ(found(c.pattern, c.searchAttr), c.expected) << "in " << c.from << " " << c.pattern;
    }

    std::map<std::string, DirEntry> byName;
    fs.search("C:\\Data\\*", 0x3F, [&](const DirEntry& entry) { byName[entry.name] = entry; });
    EXPECT_EQ(byName["Big.iso"].size, fiveGiB);
    EXPECT_EQ(byName["Big.iso"].lastWrite, bigTime);
    EXPECT_EQ(byName["Big.iso"].attributes, attr::archive);
    EXPECT_EQ(byName["ReadOnly.txt"].attributes, attr::readOnly);
    EXPECT_EQ(byName["HiddenDir"].attributes, attr::hidden | attr::directory);
}

TEST_F(MemoryFileSystemTest, LookUpFindsTheEntryWithItsStoredName)
{
    const struct {
        std::string path;
        bool exists, isDirectory;
        std::string storedName;
    } cases[] = {{"c:\\data\\A.TXT", true, false, "a.txt"},
                 {"Data\\sub", true, true, "Sub"},
                 {"C:\\", true, true, ""},
                 {"C:\\" + hyo + "\\sub", true, true, "Sub"},
                 {"C:\\" + a, true, true, a},
                 {"\\\\SERVER\\share\\PUB\\P.TXT", true, false, "p.txt"},
                 // Not there, or not as asked for.
                 {"C:\\Data\\a.txt\\", false, false, ""},
                 {"C:\\" + di, false, false, ""},
                 {"C:\\Data\\*.txt", false, false, ""},
                 {"E:\\", false, false, ""},
                 {"", false, false, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const auto entry = fs.lookUp(c.path);
        ASSERT_EQ(entry.has_value(), c.exists);
        EXPECT_EQ(fs.directoryExists(c.path), c.exists && c.isDirectory);
        EXPECT_EQ(fs.fileExists(c.path), c.exists && !c.isDirectory);
        if (entry) {
            EXPECT_EQ(entry->isDirectory(), c.isDirectory);
            EXPECT_EQ(entry->name, c.storedName);
        }
    }
}

// --- volumes ------------------------------------------------------------------

TEST_F(MemoryFileSystemTest, VolumesAreListedByLetterAndAnswerOnlyWhenReady)
{
    const std::vector<Volume> volumes = fs.volumes();
    std::string roots;
    for (const Volume& volume : volumes) {
        EXPECT_EQ(volume.letter, volume.root[0]);
        roots += volume.root + " ";
    }
    ASSERT_EQ(roots, "a:\\ c:\\ d:\\ e:\\ z:\\ ");
    EXPECT_EQ(volumes[0].type, DriveType::removable);
    EXPECT_EQ(volumes[3].type, DriveType::cdrom);
    EXPECT_EQ(volumes[4].type, DriveType::remote);
    EXPECT_EQ(fs.remoteName(volumes[4]), "\\\\server\\share");
    EXPECT_EQ(fs.remoteName(volumes[1]), std::nullopt);

    fs.setCaseFlags('d', true, false);
    const auto d = fs.volumeInformation("D:\\");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->label, "DATA");
    EXPECT_TRUE(d->caseSensitive);
    EXPECT_FALSE(d->casePreserving);
    ASSERT_TRUE(fs.volumeInformation("\\\\server\\share\\"));
    EXPECT_EQ(fs.volumeInformation("\\\\server\\share\\")->label, "SHARED");
    EXPECT_FALSE(fs.volumeInformation("e:\\"));
    EXPECT_FALSE(fs.volumeInformation("c:"));
}

TEST_F(MemoryFileSystemTest, BuilderRefusesWhatCannotBePlaced)
{
    EXPECT_THROW(fs.addFile("Data\\new.txt"), std::invalid_argument);
    EXPECT_THROW(fs.addFile("C:\\Data\\Sub"), std::invalid_argument);
    EXPECT_THROW(fs.addDirectory("C:\\file.txt\\Sub"), std::invalid_argument);
    EXPECT_THROW(fs.addDrive('C', DriveType::fixed), std::invalid_argument);
}

} // namespace
} // namespace quorrin::testing
