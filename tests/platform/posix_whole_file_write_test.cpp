#include "platform/posix/whole_file_write.h"
#include "support/file_content.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorrin::platform::posix {
namespace {

namespace fs = std::filesystem;

// The user the unprivileged checks run as, and one they are not.
constexpr uid_t nobody = 65534;
constexpr uid_t stranger = 1234;

const std::string old = "old content, a little longer than the new\n";
const std::string fresh = "新しい内容\n";

using testing::contentOf;

struct stat statOf(const std::string& path)
{
    struct stat st {};
    EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
    return st;
}

std::size_t entriesIn(const std::string& folder)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

std::string outcomeName(WriteOutcome outcome)
{
    switch (outcome) {
    case WriteOutcome::written: return "written";
    case WriteOutcome::cannotCreate: return "cannotCreate";
    case WriteOutcome::cannotWrite: return "cannotWrite";
    case WriteOutcome::leftIncomplete: return "leftIncomplete";
    }
    return "?";
}

// Saving over a file keeps what the user sees of it: owner, group, mode,
// and every name it has. A new file takes its place only where that holds
// and the folder allows it; otherwise the same file takes the new bytes.
TEST(WholeFileWrite, KeepsOwnerGroupModeAndLinksAndReplacesOnlyWhereThatHolds)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "giving files to other users needs root";
    const struct {
        const char* what;
        uid_t owner;
        gid_t group;
        mode_t mode;
        mode_t folderMode;
        bool secondLink;
        bool unprivileged;
        bool replaced; // a new file took the old one's place
    } cases[] = {
        {"root saves another user's file", stranger, stranger, 0640, 0755, false, false, true},
        {"a hard link sees the new content", 0, 0, 0644, 0755, true, false, false},
        {"the user's own file in a folder of root's", nobody, nobody, 0644, 0755, false, true, false},
        {"another user's open file in a sticky folder", stranger, stranger, 0666, 01777, false, true, false},
        {"the user's file with a group they are not in", nobody, stranger, 0664, 0777, false, true, false},
        {"the user's own file in a folder open to all", nobody, nobody, 0600, 0777, false, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing::TempDir dir;
        const std::string path = dir / "mine.txt";
        dir.writeFile("mine.txt", old);
        ASSERT_EQ(chown(path.c_str(), c.owner, c.group), 0);
        ASSERT_EQ(chmod(path.c_str(), c.mode), 0);
        if (c.secondLink)
            fs::create_hard_link(path, dir / "link.txt");
        ASSERT_EQ(chmod(dir.path().c_str(), c.folderMode), 0);
        const struct stat before = statOf(path);
        const auto save = [&] {
            const WriteOutcome outcome = writeWholeFile(path, fresh);
            return outcome == WriteOutcome::written ? std::string() : outcomeName(outcome);
        };
        EXPECT_EQ(c.unprivileged ? testing::runUnprivileged(save) : save(), "");

        const struct stat after = statOf(path);
        EXPECT_EQ(contentOf(path), fresh);
        EXPECT_EQ(after.st_uid, c.owner);
        EXPECT_EQ(after.st_gid, c.group);
        EXPECT_EQ(after.st_mode & 07777, c.mode);
        EXPECT_EQ(after.st_ino != before.st_ino, c.replaced);
        if (c.secondLink) {
            EXPECT_EQ(contentOf(dir / "link.txt"), fresh);
        }
        EXPECT_EQ(entriesIn(dir.path()), c.secondLink ? 2u : 1u) << "something was left in the folder";
    }
}

// Links are followed to the file they name; a dangling one gets its target.
TEST(WholeFileWrite, ALinkStaysALinkAndItsTargetTakesTheBytes)
{
    const struct {
        const char* what;
        std::vector<std::pair<std::string, std::string>> links; // name, target
        const char* target;                                     // created or rewritten; empty: none
        bool targetExists;
        WriteOutcome outcome;
    } cases[] = {
        {"to an existing file", {{"save.txt", "real/file.txt"}}, "real/file.txt", true, WriteOutcome::written},
        {"dangling", {{"save.txt", "real/new.txt"}}, "real/new.txt", false, WriteOutcome::written},
        {"a chain ending nowhere",
         {{"save.txt", "hop"}, {"hop", "real/../real/end.txt"}},
         "real/end.txt",
         false,
         WriteOutcome::written},
        {"into a missing folder", {{"save.txt", "nowhere/x.txt"}}, "", false, WriteOutcome::cannotCreate},
        {"a loop", {{"save.txt", "other"}, {"other", "save.txt"}}, "", false, WriteOutcome::cannotCreate},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing::TempDir dir;
        dir.makeDirectory("real");
        if (c.targetExists)
            dir.writeFile(c.target, old);
        for (const auto& [name, target] : c.links)
            fs::create_symlink(target, dir / name);
        EXPECT_EQ(outcomeName(writeWholeFile(dir / "save.txt", fresh)), outcomeName(c.outcome));
        EXPECT_TRUE(fs::is_symlink(dir / "save.txt"));
        if (*c.target != '\0') {
            EXPECT_EQ(contentOf(dir / c.target), fresh);
        }
        EXPECT_EQ(entriesIn(dir / "real"), *c.target != '\0' ? 1u : 0u);
    }
}

// A file written in place that stops taking bytes part way (a full disk,
// or a file size limit as here) gets its old bytes back; only when they do
// not fit either is it reported as possibly incomplete.
TEST(WholeFileWrite, AnInPlaceWriteCutShortPutsTheOldContentBackWhereItCan)
{
    const std::string longer(300, 'n');
    const struct {
        rlim_t limit;
        WriteOutcome outcome;
    } cases[] = {
        {200, WriteOutcome::cannotWrite},
        {10, WriteOutcome::leftIncomplete},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.limit);
        testing::TempDir dir;
        dir.writeFile("list.txt", old);
        // The second name makes the write go in place.
        fs::create_hard_link(dir / "list.txt", dir / "link.txt");
        rlimit saved{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = c.limit;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const WriteOutcome outcome = writeWholeFile(dir / "list.txt", longer);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        EXPECT_EQ(outcomeName(outcome), outcomeName(c.outcome));
        if (c.outcome == WriteOutcome::cannotWrite) {
            EXPECT_EQ(contentOf(dir / "link.txt"), old);
        }
        EXPECT_EQ(entriesIn(dir.path()), 2u);
    }
}

} // namespace
} // namespace quorrin::platform::posix
