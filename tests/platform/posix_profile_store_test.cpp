#include "platform/posix/posix_profile_store.h"
#include "support/file_content.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace quorrin::platform::posix {
namespace {

namespace fs = std::filesystem;

using testing::contentOf;

std::size_t entriesIn(const std::string& folder)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

std::string describe(bool ok, const std::string& what)
{
    return ok ? std::string() : what + "; ";
}

TEST(PosixProfileStore, AMissingFileGivesFallbacksAndIsCreatedWithItsFoldersOnlyByAWrite)
{
    testing::TempDir dir;
    const std::string path = dir / "config/quorrin/q.ini";
    EXPECT_EQ(PosixProfileStore(path).read("List", "Tab", "2"), "2");
    EXPECT_EQ(PosixProfileStore(path).flush(), WriteOutcome::written);
    EXPECT_FALSE(fs::exists(path));
    PosixProfileStore store(path);
    store.write("List", "1", "1");
    ASSERT_EQ(store.flush(), WriteOutcome::written);
    EXPECT_EQ(contentOf(path), "[List]\r\n1=1\r\n");
    EXPECT_EQ(entriesIn(dir / "config/quorrin"), 1u) << "no temporary file stays behind";
}

TEST(PosixProfileStore, ValuesComeBackWholeAndLoseOnePairOfQuotes)
{
    testing::TempDir dir;
    const std::string longValue = std::string(2047, 'a') + "/" + std::string(6000, 'b');
    dir.writeFile("q.ini",
                  "[File]\r\nEdit=" + longValue + "\r\nQ1=\"  x \"\r\nQ3=\"z'\r\nQ5=\"\"\r\nB=  \t v w \t\r\n");
    PosixProfileStore store(dir / "q.ini");
    const std::pair<const char*, std::string> cases[] = {
        {"Edit", longValue}, {"Q1", "  x "}, {"Q3", "\"z'"}, {"Q5", ""}, {"B", "v w"}};
    for (const auto& [key, value] : cases)
        EXPECT_EQ(store.read("File", key, "fallback"), value) << key;
    EXPECT_EQ(store.read("File", "Missing", longValue), longValue);
}

// A settings file that is a dangling link is created where the link points.
TEST(PosixProfileStore, ADanglingLinkGetsItsTargetWritten)
{
    testing::TempDir dir;
    dir.makeDirectory("dotfiles");
    fs::create_symlink("dotfiles/q.ini", dir / "q.ini");
    PosixProfileStore store(dir / "q.ini");
    EXPECT_EQ(store.read("List", "Tab", "2"), "2");
    store.write("List", "Tab", "5");
    ASSERT_EQ(store.flush(), WriteOutcome::written);
    EXPECT_TRUE(fs::is_symlink(dir / "q.ini"));
    EXPECT_EQ(contentOf(dir / "dotfiles/q.ini"), "[List]\r\nTab=5\r\n");
}

// The pass goes through a symbolic link and keeps the file's permissions.
TEST(PosixProfileStore, AWritePassReadsOnceAndReplacesTheFileAtTheFlushOnly)
{
    testing::TempDir dir;
    dir.makeDirectory("real");
    const std::string real = dir / "real/q.ini";
    dir.writeFile("real/q.ini", "[A]\nk=1\n");
    ASSERT_EQ(chmod(real.c_str(), 0640), 0);
    fs::create_symlink(real, dir / "q.ini");
    PosixProfileStore store(dir / "q.ini");
    EXPECT_EQ(store.read("A", "k", ""), "1");
    dir.writeFile("real/q.ini", "[A]\nk=0\n");
    EXPECT_EQ(store.read("A", "k", ""), "1");
    EXPECT_TRUE(store.write("A", "k", "2"));
    EXPECT_TRUE(store.write("B", "m", ""));
    EXPECT_EQ(contentOf(real), "[A]\nk=0\n");
    EXPECT_EQ(store.flush(), WriteOutcome::written);
    EXPECT_EQ(contentOf(real), "[A]\nk=2\n[B]\nm=\n");
    EXPECT_TRUE(fs::is_symlink(dir / "q.ini"));
    struct stat st {};
    ASSERT_EQ(stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(PosixProfileStore, AFifoOrAFolderInTheFilesPlaceCountsAsMissingWithoutWaiting)
{
    testing::TempDir dir;
    // Opened for reading, a FIFO without a writer would wait for ever.
    ASSERT_EQ(mkfifo((dir / "fifo.ini").c_str(), 0600), 0);
    dir.makeDirectory("folder.ini");
    for (const char* name : {"fifo.ini", "folder.ini"})
        EXPECT_EQ(PosixProfileStore(dir / name).read("List", "Tab", "fallback"), "fallback") << name;
}

TEST(PosixProfileStore, AHugeFileWithLongLinesIsReadWhole)
{
    testing::TempDir dir;
    // Lines across every read buffer boundary; the key comes after 10 MB.
    std::string text = "[Junk]\r\nk=" + std::string(100'000, 'x') + "\r\n";
    while (text.size() < 10'000'000)
        text += "line=" + std::string(70'000, 'y') + "\n";
    text += "[List]\rTab=5\r";
    dir.writeFile("q.ini", text);
    PosixProfileStore store(dir / "q.ini");
    EXPECT_EQ(store.read("List", "Tab", ""), "5");
    store.write("List", "Tab", "6");
    ASSERT_EQ(store.flush(), WriteOutcome::written);
    // Compared as a whole: a diff of 10 MB would drown the report.
    EXPECT_TRUE(contentOf(dir / "q.ini") == text.substr(0, text.size() - 2) + "6\r");
}

// Millions of blank lines before the keys: each look-up must not walk
// them all again. The bound leaves room for a loaded machine and the
// sanitizers; walking every line per look-up takes seconds.
TEST(PosixProfileStore, MillionsOfBlankLinesAreReadAndWrittenInAMoment)
{
    testing::TempDir dir;
    const std::string text = std::string(10'000'000, '\n') + "[List]\r\nTab=5\r\n";
    dir.writeFile("q.ini", text);
    // Processor time, not wall time: a loaded machine stretches the second,
    // while a pass that rescans the text per key costs many seconds of it.
    const std::clock_t start = std::clock();
    PosixProfileStore store(dir / "q.ini");
    for (const char* key : {"1", "2", "3", "4", "5", "Tab", "Kak", "byt", "Filter"})
        store.read("List", key, "");
    for (const char* key : {"1", "2", "3", "4", "5", "Tab", "Kak", "byt", "Filter"})
        store.write("List", key, "7");
    ASSERT_EQ(store.flush(), WriteOutcome::written);
    EXPECT_LT(static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC, 1.0);
    EXPECT_EQ(PosixProfileStore(dir / "q.ini").read("List", "Filter", ""), "7");
}

// Permission bits hold for an unprivileged user only, which root is not.
TEST(PosixProfileStore, AFailedPassLeavesThePreviousFileByteForByte)
{
    testing::TempDir dir;
    const std::string path = dir / "q.ini";
    const std::string original = "; keep me\r\n[List]\r\nTab=2\r\n";
    dir.writeFile("q.ini", original);
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    const auto writePass = [&] {
        PosixProfileStore store(path);
        store.write("List", "Tab", "5");
        store.write("New", "k", "v");
        return store.flush() == WriteOutcome::written;
    };
    ASSERT_EQ(chmod(dir.path().c_str(), 0777), 0);
    EXPECT_EQ(testing::runUnprivileged([&] {
                  return describe(!writePass(), "a pass over a read-only file succeeded") +
                         describe(contentOf(path) == original, "the file changed") +
                         describe(entriesIn(dir.path()) == 1, "something was left in the folder");
              }),
              "");
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    EXPECT_EQ(testing::runUnprivileged([&] {
                  return describe(PosixProfileStore(path).read("List", "Tab", "fallback") == "fallback",
                                  "an unreadable file gave a value");
              }),
              "");
    ASSERT_EQ(chmod(path.c_str(), 0666), 0);
    EXPECT_EQ(testing::runUnprivileged([&] { return describe(writePass(), "flush refused"); }), "");
    EXPECT_EQ(contentOf(path), "; keep me\r\n[List]\r\nTab=5\r\n[New]\r\nk=v\r\n");
}

} // namespace
} // namespace quorrin::platform::posix
