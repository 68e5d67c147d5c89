#include "support/memory_file_system.h"

#include "platform/errors.h"
#include "support/shift_jis_text_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
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

// --- moving -----------------------------------------------------------------

struct MoveCase {
    std::string from;
    std::string to;
    std::string expected;
};

std::ostream& operator<<(std::ostream& out, const MoveCase& c)
{
    return out << "from " << c.from << " to \"" << c.to << "\"";
}

class ChangeDirectoryTest : public MemoryFileSystemTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(ChangeDirectoryTest, LandsWhereWindowsWould)
{
    const MoveCase& c = GetParam();
    fs.changeDirectory(c.from);
    fs.changeDirectory(c.to);
    EXPECT_EQ(fs.currentDirectory(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ChangeDirectoryTest,
    ::testing::Values(
        MoveCase{"C:\\", "Data", "C:\\Data"}, MoveCase{"C:\\", "data\\SUB", "C:\\Data\\Sub"},
        MoveCase{"C:\\", "c:\\DATA\\sub\\", "C:\\Data\\Sub"}, MoveCase{"C:\\", "C:/Data/Sub", "C:\\Data\\Sub"},
        MoveCase{"C:\\", "C:\\Data\\\\Sub", "C:\\Data\\Sub"}, MoveCase{"C:\\Data", "..", "C:\\"},
        MoveCase{"C:\\Data\\Sub", "..\\..\\..", "C:\\"}, MoveCase{"C:\\Data", ".", "C:\\Data"},
        MoveCase{"C:\\Data", ".\\Sub\\.", "C:\\Data\\Sub"}, MoveCase{"C:\\Data\\Sub", "\\", "C:\\"},
        MoveCase{"C:\\Data\\Sub", "\\Data", "C:\\Data"}, MoveCase{"C:\\Data", "C:", "C:\\Data"},
        MoveCase{"C:\\Data", "C:Sub", "C:\\Data\\Sub"}, MoveCase{"C:\\Data", "D:\\Docs", "D:\\Docs"},
        MoveCase{"C:\\Data", "d:", "D:\\"},
        // ".." is taken off the text before anything is looked up.
        MoveCase{"C:\\", "C:\\Data\\Missing\\..\\Sub", "C:\\Data\\Sub"}, MoveCase{"C:\\", "C:\\Blind", "C:\\Blind"},
        MoveCase{"C:\\", "C:\\" + hyo + "\\sub", "C:\\" + hyo + "\\Sub"},
        MoveCase{"C:\\" + hyo, "Sub", "C:\\" + hyo + "\\Sub"}, MoveCase{"C:\\" + hyo + "\\Sub", "..", "C:\\" + hyo},
        MoveCase{"C:\\", a, "C:\\" + a}, MoveCase{"C:\\", "\\\\server\\SHARE\\pub", "\\\\Server\\Share\\Pub"},
        MoveCase{"C:\\", "\\\\Server\\Share\\", "\\\\Server\\Share"},
        MoveCase{"\\\\Server\\Share\\Pub", "..", "\\\\Server\\Share"},
        MoveCase{"\\\\Server\\Share\\Pub", "\\", "\\\\Server\\Share"},
        MoveCase{"\\\\Server\\Share", "Pub", "\\\\Server\\Share\\Pub"},
        MoveCase{"\\\\Server\\Share\\Pub", "C:", "C:\\"}));

TEST_F(MemoryFileSystemTest, EachDriveKeepsItsOwnCurrentDirectory)
{
    fs.changeDirectory("D:\\Docs\\Deep");
    fs.changeDirectory("C:\\Data");
    EXPECT_EQ(fs.volumeCurrentDirectory(Volume{'d', "d:\\", DriveType::fixed}), "D:\\Docs\\Deep");
    EXPECT_EQ(fs.volumeCurrentDirectory(Volume{'c', "c:\\", DriveType::fixed}), "C:\\Data");
    EXPECT_EQ(fs.volumeCurrentDirectory(Volume{'a', "a:\\", DriveType::removable}), "A:\\");

    const std::vector<std::pair<std::string, std::string>> steps = {
        {"D:", "D:\\Docs\\Deep"},     {"C:", "C:\\Data"},         {"D:..", "D:\\Docs"},     {"C:", "C:\\Data"},
        {"D:Deep", "D:\\Docs\\Deep"}, {"c:sub", "C:\\Data\\Sub"}, {"D:", "D:\\Docs\\Deep"},
    };
    for (const auto& [to, expected] : steps) {
        fs.changeDirectory(to);
        EXPECT_EQ(fs.currentDirectory(), expected) << "after " << to;
    }
}

// --- refusals ---------------------------------------------------------------

struct RefusalCase {
    std::string from;
    std::string to;
    int code;
    std::string message;
};

std::ostream& operator<<(std::ostream& out, const RefusalCase& c)
{
    return out << "from " << c.from << " to \"" << c.to << "\"";
}

class RefusedChangeTest : public MemoryFileSystemTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusedChangeTest, ReportsTheCodeAndMovesNothing)
{
    const RefusalCase& c = GetParam();
    fs.changeDirectory("D:\\Docs");
    fs.changeDirectory(c.from);
    const auto before = driveDirectories();
    try {
        fs.changeDirectory(c.to);
        FAIL() << "the change was not refused";
    } catch (const DirectoryChangeError& error) {
        EXPECT_EQ(error.code(), c.code);
        EXPECT_EQ(std::string(error.what()), c.message);
    }
    EXPECT_EQ(fs.currentDirectory(), c.from);
    EXPECT_EQ(driveDirectories(), before);
}

INSTANTIATE_TEST_SUITE_P(Codes, RefusedChangeTest,
                         ::testing::Values(RefusalCase{"C:\\Data", "Missing", 2, "File not found"},
                                           RefusalCase{"C:\\Data", "C:\\Data\\Missing", 2, "File not found"},
                                           RefusalCase{"C:\\Data", "D:\\Docs\\Missing", 2, "File not found"},
                                           RefusalCase{"C:\\Data", "Missing\\Sub", 3, "Invalid filename"},
                                           RefusalCase{"C:\\Data", "a.txt\\Sub", 3, "Invalid filename"},
                                           RefusalCase{"C:\\Data", "Q:\\", 3, "Invalid filename"},
                                           RefusalCase{"C:\\Data", "Q:", 3, "Invalid filename"},
                                           RefusalCase{"C:\\Data", "\\\\server\\nope", 3, "Invalid filename"},
                                           RefusalCase{"C:\\Data", "\\\\server", 3, "Invalid filename"},
                                           RefusalCase{"C:\\Data", "", 3, "Invalid filename"},
                                           RefusalCase{"C:\\Data", "C:\\Locked", 5, "File access denied"},
                                           RefusalCase{"C:\\Data", "E:\\", 21, "I/O error 21"},
                                           RefusalCase{"C:\\Data", "E:", 21, "I/O error 21"},
                                           RefusalCase{"C:\\Data", "e:\\Any\\Where", 21, "I/O error 21"},
                                           RefusalCase{"C:\\Data", "a.txt", 267, "I/O error 267"},
                                           RefusalCase{"C:\\Data", "C:\\file.txt", 267, "I/O error 267"},
                                           RefusalCase{"C:\\Data", "Sub*", 123, "I/O error 123"},
                                           RefusalCase{"\\\\Server\\Share\\Pub", "Missing", 2, "File not found"}));

TEST_F(MemoryFileSystemTest, ADriveThatBecomesReadyCanBeEntered)
{
    fs.setNotReady('e', false);
    fs.addDirectory("E:\\Disc");
    fs.changeDirectory("E:");
    EXPECT_EQ(fs.currentDirectory(), "E:\\");
    EXPECT_EQ(found("Disc", attr::directory), Names{"Disc"});
}

TEST_F(MemoryFileSystemTest, ARemovedCurrentDirectoryIsStillReportedButGone)
{
    fs.changeDirectory("C:\\Data\\Sub");
    fs.remove("C:\\Data\\Sub");
    EXPECT_EQ(fs.currentDirectory(), "C:\\Data\\Sub");
    EXPECT_FALSE(fs.directoryExists(fs.currentDirectory()));
    EXPECT_THROW(fs.changeDirectory("C:\\Data\\Sub"), DirectoryChangeError);
    fs.changeDirectory("..");
    EXPECT_EQ(fs.currentDirectory(), "C:\\Data");
}

// --- searching --------------------------------------------------------------

struct AttributeCase {
    std::uint32_t searchAttr;
    Names expected;
};

std::ostream& operator<<(std::ostream& out, const AttributeCase& c)
{
    return out << "search attribute 0x" << std::hex << c.searchAttr;
}

class SearchAttributeTest : public MemoryFileSystemTest, public ::testing::WithParamInterface<AttributeCase> {};

TEST_P(SearchAttributeTest, SkipsEntriesSharingABitWithTheExclusionSet)
{
    EXPECT_EQ(found("C:\\Data\\*.*", GetParam().searchAttr), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Attributes, SearchAttributeTest,
    ::testing::Values(
        // The file list's attribute: hidden and system files, no directories.
        AttributeCase{0x2F, {"a.txt", "Hidden.txt", "Sys.dat", "Big.iso", "ReadOnly.txt"}},
        // The directory list's: directories and plain files, nothing hidden.
        AttributeCase{0x10, {".", "..", "Sub", "a.txt", "Big.iso", "ReadOnly.txt"}},
        AttributeCase{33, {"a.txt", "Big.iso", "ReadOnly.txt"}},
        AttributeCase{0x00, {"a.txt", "Big.iso", "ReadOnly.txt"}},
        AttributeCase{0x12, {".", "..", "Sub", "a.txt", "Hidden.txt", "HiddenDir", "Big.iso", "ReadOnly.txt"}},
        AttributeCase{0x3F,
                      {".", "..", "Sub", "a.txt", "Hidden.txt", "Sys.dat", "HiddenDir", "Big.iso", "ReadOnly.txt"}}));

struct SearchCase {
    std::string from;
    std::string pattern;
    std::uint32_t searchAttr;
    Names expected;
};

std::ostream& operator<<(std::ostream& out, const SearchCase& c)
{
    return out << "in " << c.from << " \"" << c.pattern << "\"";
}

class SearchPatternTest : public MemoryFileSystemTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(SearchPatternTest, FindsWhatThePatternNames)
{
    const SearchCase& c = GetParam();
    fs.changeDirectory(c.from);
    EXPECT_EQ(found(c.pattern, c.searchAttr), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, SearchPatternTest,
    ::testing::Values(SearchCase{"C:\\Data", "*.txt", 0x2F, {"a.txt", "Hidden.txt", "ReadOnly.txt"}},
                      SearchCase{"C:\\Data", "*.TXT", 0x21, {"a.txt", "ReadOnly.txt"}},
                      SearchCase{"C:\\Data", "?.txt", 0x2F, {"a.txt"}},
                      SearchCase{"C:\\", "Data\\*.iso", 0x2F, {"Big.iso"}},
                      SearchCase{"C:\\", "C:\\Data\\A.TXT", 0x2F, {"a.txt"}},
                      SearchCase{"C:\\Data", "C:*.iso", 0x2F, {"Big.iso"}},
                      SearchCase{"C:\\Data\\Sub", "\\Data\\S*", 0x10, {"Sub"}},
                      // A drive root has no "." or "..".
                      SearchCase{"D:\\Docs", "C:*", 0x10, {"Data", "Locked", "Blind", hyo, a, "file.txt"}},
                      SearchCase{"C:\\", hyo + "\\*", 0x10, {".", "..", "Sub"}},
                      SearchCase{"C:\\", "\\\\server\\share\\*", 0x10, {"Pub"}},
                      SearchCase{"C:\\", "\\\\server\\share\\pub\\*.*", 0x2F, {"p.txt"}},
                      SearchCase{"\\\\Server\\Share\\Pub", "*", 0x2F, {"p.txt"}},
                      // Nothing, and no error, where there is nothing to search.
                      SearchCase{"C:\\Data", "Missing\\*.*", 0x3F, {}}, SearchCase{"C:\\", "C:\\Blind\\*.*", 0x3F, {}},
                      SearchCase{"C:\\Blind", "*.*", 0x3F, {}}, SearchCase{"C:\\", "C:\\Locked\\*.*", 0x3F, {}},
                      SearchCase{"C:\\", "E:\\*.*", 0x3F, {}}, SearchCase{"C:\\", "Q:\\*.*", 0x3F, {}},
                      SearchCase{"C:\\", "C:\\file.txt\\*", 0x3F, {}}, SearchCase{"C:\\", "C:\\Data\\", 0x3F, {}},
                      SearchCase{"C:\\Data", "", 0x3F, {}}));

TEST_F(MemoryFileSystemTest, SearchReportsSizesAttributesAndTimes)
{
    std::vector<DirEntry> entries;
    fs.search("C:\\Data\\*", 0x3F, [&](const DirEntry& entry) { entries.push_back(entry); });
    std::map<std::string, DirEntry> byName;
    for (const DirEntry& entry : entries)
        byName[entry.name] = entry;

    EXPECT_EQ(byName["Big.iso"].size, fiveGiB);
    EXPECT_EQ(byName["Big.iso"].lastWrite, bigTime);
    EXPECT_EQ(byName["Big.iso"].attributes, attr::archive);
    EXPECT_EQ(byName["Hidden.txt"].attributes, attr::hidden | attr::archive);
    EXPECT_EQ(byName["ReadOnly.txt"].attributes, attr::readOnly);
    EXPECT_EQ(byName["HiddenDir"].attributes, attr::hidden | attr::directory);
    EXPECT_TRUE(byName["."].isDirectory());
    EXPECT_TRUE(byName[".."].isDirectory());
}

TEST_F(MemoryFileSystemTest, SearchLogRecordsEveryPattern)
{
    found("*.exe", 0x2F);
    found("C:\\Missing\\*", 0x2F);
    EXPECT_EQ(fs.searchLog(), (Names{"*.exe", "C:\\Missing\\*"}));
}

// --- looking up ---------------------------------------------------------------

struct LookUpCase {
    std::string path;
    bool exists;
    bool isDirectory;
    std::string storedName;
};

std::ostream& operator<<(std::ostream& out, const LookUpCase& c)
{
    return out << '"' << c.path << '"';
}

class LookUpTest : public MemoryFileSystemTest, public ::testing::WithParamInterface<LookUpCase> {};

TEST_P(LookUpTest, FindsTheEntryWithItsStoredName)
{
    const LookUpCase& c = GetParam();
    const auto entry = fs.lookUp(c.path);
    ASSERT_EQ(entry.has_value(), c.exists);
    EXPECT_EQ(fs.directoryExists(c.path), c.exists && c.isDirectory);
    EXPECT_EQ(fs.fileExists(c.path), c.exists && !c.isDirectory);
    if (entry) {
        EXPECT_EQ(entry->isDirectory(), c.isDirectory);
        EXPECT_EQ(entry->name, c.storedName);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, LookUpTest,
    ::testing::Values(LookUpCase{"c:\\data\\A.TXT", true, false, "a.txt"}, LookUpCase{"C:\\DATA", true, true, "Data"},
                      LookUpCase{"C:\\Data\\", true, true, "Data"}, LookUpCase{"Data\\sub", true, true, "Sub"},
                      LookUpCase{"C:\\", true, true, ""}, LookUpCase{"C:\\Data\\Hidden.txt", true, false, "Hidden.txt"},
                      LookUpCase{"C:\\Data\\HiddenDir", true, true, "HiddenDir"},
                      LookUpCase{"C:\\Locked\\x.txt", true, false, "x.txt"},
                      LookUpCase{"C:\\" + hyo + "\\sub", true, true, "Sub"}, LookUpCase{"C:\\" + hyo, true, true, hyo},
                      LookUpCase{"C:\\" + a, true, true, a},
                      LookUpCase{"\\\\SERVER\\share\\PUB\\P.TXT", true, false, "p.txt"},
                      // Not there, or not as asked for.
                      LookUpCase{"C:\\Data\\a.txt\\", false, false, ""}, LookUpCase{"C:\\" + di, false, false, ""},
                      LookUpCase{"C:\\Missing", false, false, ""}, LookUpCase{"C:\\Data\\*.txt", false, false, ""},
                      LookUpCase{"E:\\", false, false, ""}, LookUpCase{"Q:\\", false, false, ""},
                      LookUpCase{"", false, false, ""}));

// --- volumes ------------------------------------------------------------------

TEST_F(MemoryFileSystemTest, ListsDrivesByLetterWithoutTouchingThem)
{
    const std::vector<Volume> volumes = fs.volumes();
    ASSERT_EQ(volumes.size(), 5u);
    const std::vector<std::pair<std::string, DriveType>> expected = {{"a:\\", DriveType::removable},
                                                                     {"c:\\", DriveType::fixed},
                                                                     {"d:\\", DriveType::fixed},
                                                                     {"e:\\", DriveType::cdrom},
                                                                     {"z:\\", DriveType::remote}};
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        EXPECT_EQ(volumes[i].letter, expected[i].first[0]);
        EXPECT_EQ(volumes[i].root, expected[i].first);
        EXPECT_EQ(volumes[i].type, expected[i].second);
    }
}

TEST_F(MemoryFileSystemTest, VolumeInformationNeedsAReadyRoot)
{
    fs.setCaseFlags('d', true, false);
    const auto c = fs.volumeInformation("c:\\");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->label, "WINDOWS");
    EXPECT_FALSE(c->caseSensitive);
    EXPECT_TRUE(c->casePreserving);
    const auto d = fs.volumeInformation("D:\\");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->label, "DATA");
    EXPECT_TRUE(d->caseSensitive);
    EXPECT_FALSE(d->casePreserving);
    ASSERT_TRUE(fs.volumeInformation("\\\\server\\share\\"));
    EXPECT_EQ(fs.volumeInformation("\\\\server\\share\\")->label, "SHARED");

    EXPECT_FALSE(fs.volumeInformation("e:\\"));
    EXPECT_FALSE(fs.volumeInformation("c:"));
    EXPECT_FALSE(fs.volumeInformation("q:\\"));
}

TEST_F(MemoryFileSystemTest, OnlyANetworkDriveHasARemoteName)
{
    EXPECT_EQ(fs.remoteName(Volume{'z', "z:\\", DriveType::remote}), "\\\\server\\share");
    EXPECT_EQ(fs.remoteName(Volume{'c', "c:\\", DriveType::fixed}), std::nullopt);
}

// --- building -----------------------------------------------------------------

TEST_F(MemoryFileSystemTest, BuilderRefusesWhatCannotBePlaced)
{
    EXPECT_THROW(fs.addFile("Data\\new.txt"), std::invalid_argument);
    EXPECT_THROW(fs.addFile("Q:\\new.txt"), std::invalid_argument);
    EXPECT_THROW(fs.addFile("C:\\Data\\Sub"), std::invalid_argument);
    EXPECT_THROW(fs.addDirectory("C:\\file.txt\\Sub"), std::invalid_argument);
    EXPECT_THROW(fs.addDrive('C', DriveType::fixed), std::invalid_argument);
    EXPECT_THROW(fs.denyEnter("C:\\Missing"), std::invalid_argument);
}

TEST_F(MemoryFileSystemTest, ReAddingAFileKeepsItsPlace)
{
    fs.addFile("C:\\Data\\A.TXT", 99);
    const Names names = found("C:\\Data\\*.txt", 0x2F);
    EXPECT_EQ(names, (Names{"a.txt", "Hidden.txt", "ReadOnly.txt"}));
    EXPECT_EQ(fs.lookUp("C:\\Data\\a.txt")->size, 99u);
}

} // namespace
} // namespace quorrin::testing
