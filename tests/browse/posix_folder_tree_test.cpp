#include "browse/folder_tree_read.h"

#include "file_list_world.h"
#include "platform/posix/posix_file_system.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"
#include "text/utf8_text_rules.h"

#include <climits>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace quorrin::browse::test {
namespace {

using platform::posix::PosixFileSystem;
using text::Utf8TextRules;

// Folder (below the listed one) and its items, in walk order.
using Walked = std::vector<std::pair<std::string, Names>>;

class PosixFolderTree : public ::testing::Test {
protected:
    PosixFolderTree()
    {
        dir.writeFile("top.txt");
        dir.makeDirectory("beta");
        dir.writeFile("beta/b.txt");
        dir.writeFile("beta/b.dat");
        dir.makeDirectory("beta/深く");
        dir.writeFile("beta/深く/d.txt");
        dir.makeDirectory("beta/深く/もっと");
        dir.writeFile("beta/深く/もっと/m.txt");
        dir.makeDirectory("Alpha");
        dir.writeFile("Alpha/a.txt");
        dir.makeDirectory("Alpha/empty");
        dir.makeDirectory(".hidden");
        dir.writeFile(".hidden/h.txt");
        dir.makeDirectory("line\nbreak\xff");
        dir.writeFile("line\nbreak\xff/n\r.txt");
        symlink("../beta/b.txt", (dir / "Alpha/to-file.txt").c_str());
        symlink("beta", (dir / "to-folder").c_str());
        symlink(".", (dir / "loop").c_str());
    }

    FolderTree walk(int depth, const WalkProgress& progress = {}, int threads = 0) const
    {
        return readFoldersBelow(fs, rules, dir.path(), "*.txt", mainWindowType, WalkOptions{true, depth, threads},
                                progress);
    }

    Walked walked(const FolderTree& tree) const
    {
        Walked result;
        for (const ListedFolder& folder : tree.folders)
            result.emplace_back(folder.path.substr(dir.path().size()), folder.entries.items);
        return result;
    }

    testing::TempDir dir;
    Utf8TextRules rules;
    PosixFileSystem fs{rules};
};

TEST_F(PosixFolderTree, WalksDepthFirstInTheDirectoryListsOrderNeverThroughLinksOrHiddenFolders)
{
    const Walked all{{"/Alpha", {"a.txt", "to-file.txt"}},
                     {"/beta", {"b.txt"}},
                     {"/beta/深く", {"d.txt"}},
                     {"/beta/深く/もっと", {"m.txt"}},
                     {"/line\nbreak\xff", {"n\r.txt"}}};
    const struct {
        int depth;
        std::size_t folders;
    } cases[] = {{0, 5}, {1, 3}, {2, 4}, {3, 5}, {5, 5}};
    for (const auto& c : cases) {
        const FolderTree tree = walk(c.depth);
        Walked reached;
        for (const auto& folder : all) {
            const auto level = std::count(folder.first.begin(), folder.first.end(), '/');
            if (c.depth == 0 || level <= c.depth)
                reached.push_back(folder);
        }
        EXPECT_EQ(reached.size(), c.folders) << "depth " << c.depth;
        EXPECT_EQ(walked(tree), reached) << "depth " << c.depth;
        EXPECT_TRUE(tree.unreadable.empty());
        EXPECT_FALSE(tree.cancelled);
    }
    EXPECT_EQ(walk(0).entryCount, 6u);
    EXPECT_TRUE(
        readFoldersBelow(fs, rules, dir.path(), "*.txt", mainWindowType, WalkOptions{false, 0}, {}).folders.empty());
}

// Keeps the folders a walk hands it to watch.
struct RecordingTreeWatch final : platform::TreeWatch {
    void add(const std::string& dir) override { added.push_back(dir); }
    std::size_t unwatched() const override { return 0; }
    bool changed() override { return false; }
    std::vector<std::string> added;
};

// Every folder the walk reads is watched, those that list nothing too (a
// file may come there), and none it passes by.
TEST_F(PosixFolderTree, TheWalkWatchesEachFolderItReads)
{
    const struct {
        int depth;
        Names added;
    } cases[] = {
        {1, {"/Alpha", "/beta", "/line\nbreak\xff"}},
        {0, {"/Alpha", "/Alpha/empty", "/beta", "/beta/深く", "/beta/深く/もっと", "/line\nbreak\xff"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.depth);
        RecordingTreeWatch watch;
        readFoldersBelow(fs, rules, dir.path(), "*.txt", mainWindowType, WalkOptions{true, c.depth}, {}, &watch);
        for (std::string& folder : watch.added)
            folder.erase(0, dir.path().size());
        EXPECT_EQ(watch.added, c.added);
    }
}

TEST_F(PosixFolderTree, FoldersThatCannotBeReadAreNamedAndTheWalkGoesOn)
{
    // Removed while walked: after the first folder's files the next three
    // folders go, which the walk has already found.
    bool removed = false;
    const FolderTree tree = walk(
        0,
        [&](std::size_t) {
            if (!removed)
                removed = std::filesystem::remove_all(dir / "beta") > 0;
            return true;
        },
        1);
    EXPECT_EQ(tree.unreadable, (Names{dir / "beta", dir / "beta/深く", dir / "beta/深く/もっと"}));
    ASSERT_EQ(tree.folders.size(), 2u);
    EXPECT_EQ(tree.folders.back().path, dir / "line\nbreak\xff");

    // Closed to reading: a folder with subfolders, and one without, whose
    // link count alone would say there is nothing below it.
    dir.makeDirectory("beta");
    dir.writeFile("beta/b.txt");
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(chmod((dir / "Alpha").c_str(), 0), 0);
    ASSERT_EQ(chmod((dir / "beta").c_str(), 0311), 0);
    EXPECT_EQ(testing::runUnprivileged([&]() -> std::string {
                  PosixFileSystem own(rules);
                  const FolderTree closed =
                      readFoldersBelow(own, rules, dir.path(), "*.txt", mainWindowType, WalkOptions{true, 0}, {});
                  if (closed.unreadable != (Names{dir / "Alpha", dir / "beta"}))
                      return "a folder without read permission should be reported";
                  return closed.folders.size() == 1 ? "" : "the walk should go on past it";
              }),
              "");
}

TEST_F(PosixFolderTree, AProgressAnswerOfFalseStopsTheWalkAndListsNothing)
{
    for (const int threads : {1, 2, 4}) {
        std::size_t calls = 0;
        const FolderTree tree = walk(
            0,
            [&](std::size_t) {
                ++calls;
                return false;
            },
            threads);
        EXPECT_TRUE(tree.cancelled);
        EXPECT_EQ(calls, 1u);
        EXPECT_TRUE(tree.folders.empty());
        EXPECT_EQ(tree.entryCount, 0u);
    }
}

// Many folders read on several threads still come out in walk order.
TEST(PosixFolderThreads, ManyFoldersKeepTheirOrderWhateverTheThreads)
{
    testing::TempDir dir;
    Names expected;
    for (int i = 0; i < 60; ++i) {
        const std::string name = std::to_string(1000 + i);
        dir.makeDirectory(name);
        dir.makeDirectory(name + "/in");
        for (const std::string& folder : {name, name + "/in"}) {
            dir.writeFile(folder + "/x.txt");
            expected.push_back(dir / folder);
        }
    }
    Utf8TextRules rules;
    PosixFileSystem fs{rules};
    for (const int threads : {1, 3, 8}) {
        const FolderTree tree =
            readFoldersBelow(fs, rules, dir.path(), "*.*", mainWindowType, WalkOptions{true, 0, threads}, {});
        Names walked;
        for (const ListedFolder& folder : tree.folders)
            walked.push_back(folder.path);
        EXPECT_EQ(walked, expected) << threads << " threads";
    }
}

// 2,000 folders deep, each holding a file: the walk goes down as far as a
// path can reach and names the first folder beyond.
TEST(PosixFolderChain, AChainPastThePathLimitIsWalkedToTheLimitAndTheRestReported)
{
    testing::TempDir dir;
    constexpr int depth = 2000;
    int fd = open(dir.path().c_str(), O_RDONLY | O_DIRECTORY);
    for (int i = 0; i < depth && fd >= 0; ++i) {
        ASSERT_EQ(mkdirat(fd, "dd", 0755), 0);
        const int next = openat(fd, "dd", O_RDONLY | O_DIRECTORY);
        close(fd);
        fd = next;
        close(openat(fd, "f.txt", O_CREAT | O_WRONLY, 0644));
    }
    close(fd);
    Utf8TextRules rules;
    PosixFileSystem fs{rules};
    const FolderTree tree = readFoldersBelow(fs, rules, dir.path(), "*.txt", mainWindowType, WalkOptions{true, 0}, {});
    ASSERT_EQ(tree.unreadable.size(), 1u);
    EXPECT_GE(tree.unreadable[0].size(), std::size_t{PATH_MAX});
    EXPECT_EQ(tree.entryCount, tree.folders.size());
    EXPECT_EQ(tree.unreadable[0], tree.folders.back().path + "/dd");
    // Taken apart from the bottom up, as no path reaches it.
    std::string chain = dir.path();
    while (chain.size() < PATH_MAX - 3)
        chain += "/dd";
    std::filesystem::rename(chain, dir / "rest");
    std::filesystem::remove_all(dir / "rest");
}

} // namespace
} // namespace quorrin::browse::test
