#include "browse/folder_tree_read.h"

#include "file_list_world.h"

#include <functional>

namespace quorrin::browse::test {
namespace {

// Below C:\Top, in walk order: Alpha, beta, beta\deep, gamma, each holding
// a file.
struct MemoryTree {
    MemoryTree()
    {
        fs.addDrive('C', platform::DriveType::fixed);
        fs.addFile("C:\\Top\\top.txt");
        for (const char* folder : {"gamma", "beta\\deep", "beta", "Alpha"})
            fs.addFile("C:\\Top\\" + std::string(folder) + "\\f.txt");
    }

    testing::ShiftJisTextRules rules;
    testing::MemoryFileSystem fs{rules};
};

Names below(const Names& paths)
{
    Names result;
    for (const std::string& path : paths)
        result.push_back(path.substr(std::string("C:\\Top\\").size()));
    return result;
}

// Each row spoils beta after the first folder's files were read, on one
// thread, so that it meets the rest unread: what the first pass found is
// gone or closed by the time its files are read.
TEST(MemoryFolderTree, AFolderSpoiledWhileWalkedIsNamedNotListedAsEmpty)
{
    const struct {
        const char* what;
        std::function<void(testing::MemoryFileSystem&)> spoil;
        Names listed;
        Names unreadable;
    } cases[] = {
        {"nothing wrong", [](testing::MemoryFileSystem&) {}, {"Alpha", "beta", "beta\\deep", "gamma"}, {}},
        {"closed to searches",
         [](testing::MemoryFileSystem& m) { m.denySearch("C:\\Top\\beta"); },
         {"Alpha", "beta\\deep", "gamma"},
         {"beta"}},
        {"closed to entry",
         [](testing::MemoryFileSystem& m) { m.denyEnter("C:\\Top\\beta"); },
         {"Alpha", "beta\\deep", "gamma"},
         {"beta"}},
        {"removed",
         [](testing::MemoryFileSystem& m) { m.remove("C:\\Top\\beta"); },
         {"Alpha", "gamma"},
         {"beta", "beta\\deep"}},
        {"emptied, which is no fault",
         [](testing::MemoryFileSystem& m) { m.remove("C:\\Top\\beta\\f.txt"); },
         {"Alpha", "beta\\deep", "gamma"},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryTree world;
        bool spoiled = false;
        const FolderTree tree = readFoldersBelow(world.fs, world.rules, "C:\\Top", "*.txt", mainWindowType,
                                                 WalkOptions{true, 0, 1}, [&](std::size_t) {
                                                     if (!spoiled)
                                                         c.spoil(world.fs);
                                                     spoiled = true;
                                                     return true;
                                                 });
        Names listed;
        for (const ListedFolder& folder : tree.folders)
            listed.push_back(folder.path);
        EXPECT_EQ(below(listed), c.listed);
        EXPECT_EQ(below(tree.unreadable), c.unreadable);
        EXPECT_EQ(tree.entryCount, c.listed.size());
    }
}

} // namespace
} // namespace quorrin::browse::test
