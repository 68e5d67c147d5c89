#include "platform/errors.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/utf8_text_rules.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

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
    Utf8TextRules rules;
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
    EXPECT_EQ(search(dir / "*.TXT", mainWindowSearch).size(), 1u);
    EXPECT_TRUE(search(dir / "", mainWindowSearch).empty());
}

TEST_F(PosixFileSystemTest, DotFilesAreHiddenAndListedOnlyWhenAskedFor)
{
    dir.writeFile(".profile", "12345");
    dir.writeFile("plain");
    dir.makeDirectory("sub");
    const auto listed = search(dir / "*", mainWindowSearch);
    ASSERT_EQ(listed.count(".profile"), 1u);
    EXPECT_EQ(listed.at(".profile").attributes & attr::hidden, attr::hidden);
    EXPECT_EQ(listed.at("plain").attributes & attr::hidden, 0u);
    EXPECT_EQ(listed.count("sub"), 0u) << "directories are excluded unless asked for";
    EXPECT_EQ(listed.count(".."), 0u);

    // Read-only plus archive: a hidden file is passed over.
    const auto sized = search(dir / "*", attr::readOnly | attr::archive);
    EXPECT_EQ(sized.count(".profile"), 0u);
    EXPECT_EQ(sized.count("plain"), 1u);

    // Directories only: "." and ".." come along, as on a drive's subfolder,
    // but not at the root.
    const auto dirs = search(dir / "*", attr::directory);
    EXPECT_EQ(dirs.count("sub"), 1u);
    EXPECT_EQ(dirs.count(".."), 1u);
    EXPECT_EQ(search("/*", attr::directory).count(".."), 0u);
}

TEST_F(PosixFileSystemTest, ALinkToADirectoryIsADirectory)
{
    dir.makeDirectory("real");
    dir.writeFile("real/inside.txt");
    ASSERT_EQ(symlink((dir / "real").c_str(), (dir / "link").c_str()), 0);
    const auto entry = fs.lookUp(dir / "link");
    ASSERT_TRUE(entry);
    EXPECT_TRUE(entry->isDirectory());
    EXPECT_FALSE(fs.fileExists(dir / "link"));
    EXPECT_EQ(search(dir / "*", mainWindowSearch).count("link"), 0u);
    fs.changeDirectory(dir / "link");
    EXPECT_TRUE(fs.fileExists("inside.txt"));
}

TEST_F(PosixFileSystemTest, ADanglingLinkIsAnEmptyFileWithItsOwnTime)
{
    ASSERT_EQ(symlink((dir / "gone").c_str(), (dir / "dangling").c_str()), 0);
    dir.setModificationTime("dangling", 1000000000);
    ASSERT_EQ(symlink((dir / "loop").c_str(), (dir / "loop").c_str()), 0);
    const auto listed = search(dir / "*", mainWindowSearch);
    ASSERT_EQ(listed.count("dangling"), 1u);
    EXPECT_EQ(listed.at("dangling").size, 0u);
    EXPECT_FALSE(listed.at("dangling").isDirectory());
    EXPECT_EQ(listed.at("dangling").lastWrite, fileTimeFromUnix(1000000000));
    EXPECT_EQ(listed.count("loop"), 1u);
}

TEST_F(PosixFileSystemTest, LookingUpReportsTheLastNameOfThePath)
{
    dir.makeDirectory("sub");
    for (const auto& [path, name] : {std::pair<std::string, std::string>{dir / "sub//", "sub"}, {"//", "/"}}) {
        const auto entry = fs.lookUp(path);
        ASSERT_TRUE(entry) << path;
        EXPECT_EQ(entry->name, name) << path;
        EXPECT_TRUE(entry->isDirectory()) << path;
    }
    EXPECT_FALSE(fs.lookUp(""));
}

TEST_F(PosixFileSystemTest, ChangesReportTheAbsolutePathAndRefusalsLeaveIt)
{
    dir.makeDirectory("日本");
    fs.changeDirectory(dir / "日本");
    EXPECT_EQ(fs.currentDirectory(), dir / "日本");
    fs.changeDirectory("..");
    EXPECT_EQ(fs.currentDirectory(), dir.path());

    dir.writeFile("file.txt");
    struct Case {
        std::string target;
        int code;
        std::string message;
    };
    const Case cases[] = {
        {dir / "missing/deeper", 2, "File not found"},
        {dir / "file.txt", 3, "Invalid filename"},
        {dir / "file.txt/x", 3, "Invalid filename"},
        {"", 2, "File not found"},
    };
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

TEST_F(PosixFileSystemTest, PermissionsDecideWhatCanBeEnteredAndSearched)
{
    dir.makeDirectory("unreadable");
    dir.writeFile("unreadable/secret.txt");
    dir.makeDirectory("closed");
    dir.writeFile("locked.txt");
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(chmod((dir / "unreadable").c_str(), 0711), 0);
    ASSERT_EQ(chmod((dir / "closed").c_str(), 0644), 0);
    ASSERT_EQ(chmod((dir / "locked.txt").c_str(), 0444), 0);

    const std::string failure = runUnprivileged([&]() -> std::string {
        PosixFileSystem own(rules);
        const auto locked = own.lookUp(dir / "locked.txt");
        if (!locked || (locked->attributes & attr::readOnly) == 0)
            return "a file the user cannot write should be read-only";

        own.changeDirectory(dir / "unreadable");
        int visited = 0;
        own.search("*", mainWindowSearch, [&](const DirEntry&) { ++visited; });
        if (visited != 0)
            return "an unsearchable directory should visit nothing";

        own.changeDirectory(dir.path());
        try {
            own.changeDirectory(dir / "closed");
            return "entering a directory without execute permission should fail";
        } catch (const DirectoryChangeError& e) {
            if (e.code() != 5 || std::string(e.what()) != "File access denied")
                return std::string("wrong refusal: ") + e.what();
        }
        if (own.currentDirectory() != dir.path())
            return "a refused change moved the directory";
        return {};
    });
    EXPECT_EQ(failure, "");
}

TEST_F(PosixFileSystemTest, TheRootIsAlwaysAVolumeAndRemembersTheLastDirectoryOnIt)
{
    const auto volumes = fs.volumes();
    const auto root = std::find_if(volumes.begin(), volumes.end(), [](const Volume& v) { return v.root == "/"; });
    ASSERT_NE(root, volumes.end());
    EXPECT_EQ(root->letter, 0);
    for (const auto& v : volumes)
        EXPECT_TRUE(v.type == DriveType::remote || fs.directoryExists(v.root)) << v.root;

    fs.changeDirectory(dir.path());
    // The temporary folder may sit on its own mount; its volume remembers it.
    const auto holder = std::max_element(volumes.begin(), volumes.end(), [&](const Volume& a, const Volume& b) {
        auto holds = [&](const Volume& v) {
            return v.root == "/" || dir.path().starts_with(v.root + "/") ? v.root.size() : 0u;
        };
        return holds(a) < holds(b);
    });
    EXPECT_EQ(fs.volumeCurrentDirectory(*holder), dir.path());
    EXPECT_TRUE(fs.volumeInformation("/").has_value());
}

} // namespace
} // namespace quorrin::platform::posix
