#include "platform/posix/posix_file_system.h"
#include "support/temp_dir.h"
#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/stat.h>

namespace quorrin::platform::posix {
namespace {

using quorrin::testing::TempDir;

// A tree with Japanese names: 親 holds 子 which holds 孫; 外 stands beside
// 親 and is never part of the watched tree.
class PosixTreeWatch : public ::testing::Test {
protected:
    PosixTreeWatch()
    {
        for (const char* folder : {"親", "親/子", "親/子/孫", "親/空", "外"})
            dir.makeDirectory(folder);
        dir.writeFile("親/子/孫/写真.jpg", "jpg");
        dir.writeFile("親/一.txt", "1");
    }

    std::unique_ptr<TreeWatch> watchWholeTree() const
    {
        auto watch = fs.watchTree(dir / "親");
        for (const char* folder : {"親/子", "親/子/孫", "親/空"})
            watch->add(dir / folder);
        return watch;
    }

    TempDir dir;
    text::Utf8TextRules rules;
    PosixFileSystem fs{rules};
};

TEST_F(PosixTreeWatch, EveryChangeAnywhereInTheTreeIsSeenAndNothingOutsideIt)
{
    namespace stdfs = std::filesystem;
    const struct {
        const char* what;
        std::function<void()> change;
        bool seen;
    } changes[] = {
        {"a file came in the root", [&] { dir.writeFile("親/二.txt"); }, true},
        {"a file grew two levels down", [&] { dir.writeFile("親/子/孫/写真.jpg", "longer"); }, true},
        {"a file was touched", [&] { utimensat(AT_FDCWD, (dir / "親/一.txt").c_str(), nullptr, 0); }, true},
        {"a file was renamed", [&] { stdfs::rename(dir / "親/子/孫/写真.jpg", dir / "親/子/孫/画像.jpg"); }, true},
        {"a file was deleted", [&] { stdfs::remove(dir / "親/一.txt"); }, true},
        {"a file came in an empty folder", [&] { dir.writeFile("親/空/新.txt"); }, true},
        {"a subfolder was made", [&] { dir.makeDirectory("親/子/新しい"); }, true},
        {"a subfolder was removed", [&] { stdfs::remove_all(dir / "親/子/孫"); }, true},
        {"a file came beside the tree", [&] { dir.writeFile("外/よそ.txt"); }, false},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.what);
        const auto watch = watchWholeTree();
        EXPECT_FALSE(watch->changed());
        c.change();
        EXPECT_EQ(watch->changed(), c.seen);
        EXPECT_EQ(watch->changed(), c.seen) << "a change stays told";
        EXPECT_EQ(watch->unwatched(), 0u);
    }
}

// With the watches used up, the folders past the limit are counted; a
// folder gone before it was added is the walk's to report, not counted.
TEST_F(PosixTreeWatch, FoldersPastTheLimitAreCountedAndGoUnseen)
{
    const struct {
        std::size_t limit;
        std::size_t unwatched;
        bool deepChangeSeen;
    } limits[] = {{0, 4, false}, {1, 3, false}, {3, 1, true}, {4, 0, true}};
    for (const auto& l : limits) {
        SCOPED_TRACE(l.limit);
        fs.limitTreeWatches(l.limit);
        const auto watch = watchWholeTree();
        watch->add(dir / "親/なし");
        EXPECT_EQ(watch->unwatched(), l.unwatched);
        dir.writeFile("親/子/孫/写真.jpg", "grown");
        EXPECT_EQ(watch->changed(), l.deepChangeSeen);
    }
}

} // namespace
} // namespace quorrin::platform::posix
