#include "platform/errors.h"
#include "platform/posix/posix_file_system.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"
#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace quorrin::platform::posix {
namespace {

using quorrin::testing::runUnprivileged;
using quorrin::testing::TempDir;

class PosixFileSystemTest : public ::testing::Test {
protected:
    std::map<std::string, DirEntry> search(const std::string& pattern, std::uint32_t searchAttr) const
    {
        std::map<std::string, DirEntry> found;
        fs.search(pattern, searchAttr, [&](const DirEntry& e) { found.emplace(e.name, e); });
        return found;
    }

    TempDir dir;
    text::Utf8TextRules rules;
    PosixFileSystem fs{rules};
};

constexpr std::uint32_t mainWindowSearch = 0x2F;

TEST_F(PosixFileSystemTest, ListsNamesWithTheirExactBytesSizesAndTimes)
{
    dir.writeFile("日本語のファイル.txt", "abc");
    dir.writeFile("Makefile");
    dir.setModificationTime("Makefile", 1138439107); // 2006-01-28 09:05:07 UTC
    const std::uint64_t big = (5ull << 30) + 10;
    dir.writeSparseFile("big.bin", big);
    const auto found = search(dir / "*.*", mainWindowSearch);
    ASSERT_EQ(found.size(), 3u) << "\"*.*\" takes names without a dot too";
    EXPECT_EQ(found.at("日本語のファイル.txt").size, 3u);
    EXPECT_EQ(found.at("Makefile").lastWrite, fileTimeFromUnix(1138439107));
    EXPECT_EQ(found.at("big.bin").size, big);
    EXPECT_EQ(found.at("big.bin").attributes, attr::archive);
    EXPECT_TRUE(search(dir / "", mainWindowSearch).empty());
}

TEST_F(PosixFileSystemTest, LinksToFoldersAreFoldersAndDanglingOnesEmptyFiles)
{
    dir.makeDirectory("real");
    dir.writeFile("real/inside.txt");
    ASSERT_EQ(symlink((dir / "real").c_str(), (dir / "link").c_str()), 0);
    ASSERT_EQ(symlink((dir / "gone").c_str(), (dir / "dangling").c_str()), 0);
    dir.setModificationTime("dangling", 1000000000);
    ASSERT_EQ(symlink((dir / "loop").c_str(), (dir / "loop").c_str()), 0);
    EXPECT_TRUE(fs.directoryExists(dir / "link"));
    const auto listed = search(dir / "*", mainWindowSearch);
    EXPECT_EQ(listed.count("link"), 0u);
    ASSERT_EQ(listed.count("dangling"), 1u);
    EXPECT_EQ(listed.at("dangling").size, 0u);
    EXPECT_FALSE(listed.at("dangling").isDirectory());
    EXPECT_EQ(listed.at("dangling").lastWrite, fileTimeFromUnix(1000000000));
    EXPECT_EQ(listed.count("loop"), 1u);
    fs.changeDirectory(dir / "link");
    EXPECT_TRUE(fs.fileExists("inside.txt"));
}

TEST_F(PosixFileSystemTest, LookUpsNameTheLastPartChangesGiveTheAbsolutePathAndRefusalsLeaveIt)
{
    dir.makeDirectory("日本");
    EXPECT_EQ(fs.lookUp(dir / "日本//")->name, "日本");
    EXPECT_EQ(fs.lookUp("//")->name, "/");
    EXPECT_FALSE(fs.lookUp(""));
    fs.changeDirectory(dir / "日本");
    EXPECT_EQ(fs.currentDirectory(), dir / "日本");
    fs.changeDirectory("..");
    EXPECT_EQ(fs.currentDirectory(), dir.path());

    dir.writeFile("file.txt");
    const struct {
        std::string target;
        int code;
        std::string message;
    } cases[] = {{dir / "missing/deeper", 2, "File not found"},
                 {dir / "file.txt", 3, "Invalid filename"},
                 {"", 2, "File not found"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        try {
            fs.changeDirectory(c.target);
            ADD_FAILURE() << "expected a refusal";
        } catch (const DirectoryChangeError& e) {
            EXPECT_EQ(e.code(), c.code);
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        EXPECT_EQ(fs.currentDirectory(), dir.path());
    }
}

// Any folder answers for the volume that holds it, as its mount point does.
TEST_F(PosixFileSystemTest, AFolderHasTheVolumeInformationOfTheMountThatHoldsIt)
{
    dir.makeDirectory("日本");
    const auto here = fs.volumeInformation(dir / "日本");
    ASSERT_TRUE(here);
    const auto& volumes = fs.volumes();
    std::string holding = "/";
    for (const Volume& v : volumes)
        if ((dir.path() + "/").starts_with(v.root + "/") && v.root.size() > holding.size())
            holding = v.root;
    const auto mount = fs.volumeInformation(holding);
    ASSERT_TRUE(mount) << holding;
    EXPECT_EQ(std::tuple(here->label, here->caseSensitive), std::tuple(mount->label, mount->caseSensitive));
}

// Entering and searching without permission are checked through the file
// list; here, what the bits mean for a file and the refusal's code.
TEST_F(PosixFileSystemTest, PermissionsDecideReadOnlyAndWhatCanBeEntered)
{
    dir.makeDirectory("closed");
    dir.writeFile("locked.txt");
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(chmod((dir / "closed").c_str(), 0644), 0);
    ASSERT_EQ(chmod((dir / "locked.txt").c_str(), 0444), 0);
    EXPECT_EQ(runUnprivileged([&]() -> std::string {
                  PosixFileSystem own(rules);
                  const auto locked = own.lookUp(dir / "locked.txt");
                  if (!locked || (locked->attributes & attr::readOnly) == 0)
                      return "a file the user cannot write should be read-only";
                  try {
                      own.changeDirectory(dir / "closed");
                      return "entering a directory without execute permission should fail";
                  } catch (const DirectoryChangeError& e) {
                      return e.code() == 5 ? "" : "wrong code";
                  }
              }),
              "");
}

// The directory list and the walk learn the type from the directory read;
// a link is looked through, and marked, so a walk can leave it alone.
TEST_F(PosixFileSystemTest, SubdirectoriesAreTheShownFoldersWithTheirLinksMarked)
{
    dir.makeDirectory("real");
    dir.makeDirectory(".hidden");
    dir.makeDirectory("改行\nの\xff名");
    dir.writeFile("file.txt");
    ASSERT_EQ(symlink("real", (dir / "to-folder").c_str()), 0);
    ASSERT_EQ(symlink("file.txt", (dir / "to-file").c_str()), 0);
    ASSERT_EQ(symlink("gone", (dir / "dangling").c_str()), 0);
    ASSERT_EQ(symlink("loop", (dir / "loop").c_str()), 0);
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
    std::map<std::string, bool> found;
    ASSERT_TRUE(fs.subdirectories(dir.path(), [&](const std::string& name, bool isLink) { found[name] = isLink; }));
    const std::map<std::string, bool> expected{{"real", false}, {"改行\nの\xff名", false}, {"to-folder", true}};
    EXPECT_EQ(found, expected);
    EXPECT_FALSE(fs.subdirectories(dir / "missing", [](const std::string&, bool) {}));
    EXPECT_FALSE(fs.subdirectories(dir / "file.txt", [](const std::string&, bool) {}));
}

// A walk goes into real folders only; a folder without subfolders may be
// answered from its link count, but one that cannot be read still says so.
TEST_F(PosixFileSystemTest, SubdirectoriesToWalkAreTheRealOnesAndRefusalsSaySo)
{
    for (const char* folder : {"leaf", "parent", "parent/b", "parent/a", "parent/.hidden", "closed"})
        dir.makeDirectory(folder);
    dir.writeFile("leaf/file.txt");
    dir.writeFile("parent/file.txt");
    ASSERT_EQ(symlink("../parent", (dir / "leaf/to-folder").c_str()), 0);
    ASSERT_EQ(symlink("..", (dir / "parent/up").c_str()), 0);
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(chmod((dir / "closed").c_str(), 0311), 0);
    const struct {
        const char* folder;
        bool readable;
        std::vector<std::string> walked;
    } cases[] = {
        {"leaf", true, {}},     {"parent", true, {"a", "b"}}, {"closed", false, {}},
        {"missing", false, {}}, {"leaf/file.txt", false, {}},
    };
    EXPECT_EQ(runUnprivileged([&]() -> std::string {
                  PosixFileSystem own(rules);
                  for (const auto& c : cases) {
                      std::vector<std::string> walked;
                      const bool readable = own.subdirectoriesToWalk(
                          dir / c.folder, [&](const std::string& name) { walked.push_back(name); });
                      std::sort(walked.begin(), walked.end());
                      if (readable != c.readable || walked != c.walked)
                          return std::string("wrong answer for ") + c.folder;
                  }
                  return "";
              }),
              "");
}

TEST_F(PosixFileSystemTest, OnlyKernelTablesHoldNoUserFiles)
{
    for (const auto& [path, expected] : std::vector<std::pair<std::string, bool>>{
             {"/proc", true}, {"/sys", true}, {"/", false}, {dir.path(), false}, {"/proc/self", false}})
        EXPECT_EQ(fs.holdsNoUserFiles(path), expected) << path;
}

} // namespace
} // namespace quorrin::platform::posix
