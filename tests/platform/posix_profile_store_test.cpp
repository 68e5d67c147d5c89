#include "platform/posix/posix_profile_store.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace quorrin::platform::posix {
namespace {

namespace fs = std::filesystem;

std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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
    PosixProfileStore reader(path);
    EXPECT_EQ(reader.read("List", "Tab", "2"), "2");
    EXPECT_TRUE(reader.flush());
    EXPECT_FALSE(fs::exists(path));

    PosixProfileStore store(path);
    store.write("List", "1", "1");
    ASSERT_TRUE(store.flush());
    EXPECT_EQ(contentOf(path), "[List]\r\n1=1\r\n");
}

TEST(PosixProfileStore, ValuesAreCutToTheBufferAndLoseOnePairOfQuotes)
{
    testing::TempDir dir;
    const std::string longValue(3000, 'a');
    dir.writeFile("q.ini",
                  "[File]\r\nEdit=" + longValue + "\r\nQ1=\"  x \"\r\nQ3=\"z'\r\nQ5=\"\"\r\nBlank=  \t v w \t\r\n");
    PosixProfileStore store(dir / "q.ini");
    EXPECT_EQ(store.read("File", "Edit", ""), longValue.substr(0, 2047));
    EXPECT_EQ(store.read("File", "Missing", longValue), longValue.substr(0, 2047));
    EXPECT_EQ(store.read("File", "Q1", ""), "  x ");
    EXPECT_EQ(store.read("File", "Q3", ""), "\"z'");
    EXPECT_EQ(store.read("File", "Q5", "fallback"), "");
    EXPECT_EQ(store.read("File", "Blank", ""), "v w");
}

TEST(PosixProfileStore, AWritePassReadsOnceAndReplacesTheFileAtTheFlushOnly)
{
    testing::TempDir dir;
    dir.writeFile("q.ini", "[A]\nk=1\n");
    PosixProfileStore store(dir / "q.ini");
    EXPECT_EQ(store.read("A", "k", ""), "1");
    dir.writeFile("q.ini", "[A]\nk=0\n");
    EXPECT_EQ(store.read("A", "k", ""), "1");
    EXPECT_TRUE(store.write("A", "k", "2"));
    EXPECT_TRUE(store.write("B", "m", ""));
    EXPECT_EQ(contentOf(dir / "q.ini"), "[A]\nk=0\n");
    EXPECT_TRUE(store.flush());
    EXPECT_EQ(contentOf(dir / "q.ini"), "[A]\nk=2\n[B]\nm=\n");
    EXPECT_EQ(entriesIn(dir.path()), 1u) << "no temporary file stays behind";
}

TEST(PosixProfileStore, KeepsPermissionsAndFollowsASymbolicLink)
{
    testing::TempDir dir;
    dir.makeDirectory("real");
    dir.writeFile("real/q.ini", "[A]\r\nk=1\r\n");
    ASSERT_EQ(chmod((dir / "real/q.ini").c_str(), 0640), 0);
    fs::create_symlink(dir / "real/q.ini", dir / "q.ini");

    PosixProfileStore store(dir / "q.ini");
    store.write("A", "k", "2");
    ASSERT_TRUE(store.flush());

    EXPECT_TRUE(fs::is_symlink(dir / "q.ini"));
    EXPECT_EQ(contentOf(dir / "real/q.ini"), "[A]\r\nk=2\r\n");
    struct stat st {};
    ASSERT_EQ(stat((dir / "real/q.ini").c_str(), &st), 0);
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
    ASSERT_TRUE(store.flush());
    // Compared as a whole: a diff of 10 MB would drown the report.
    EXPECT_TRUE(contentOf(dir / "q.ini") == text.substr(0, text.size() - 2) + "6\r");
}

// The checks below need permission bits to hold, which root ignores; they
// run as an unprivileged user in a folder that user may enter.
class PosixProfileStoreProtected : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(chmod(dir.path().c_str(), 0777), 0);
        dir.writeFile("q.ini", original);
        ASSERT_EQ(chmod(path.c_str(), 0666), 0);
    }

    std::string writePass() const
    {
        PosixProfileStore store(path);
        store.write("List", "Tab", "5");
        store.write("New", "k", "v");
        return store.flush() ? "" : "flush refused";
    }

    testing::TempDir dir;
    const std::string path = dir / "q.ini";
    const std::string original = "; keep me\r\n[List]\r\nTab=2\r\n";
};

TEST_F(PosixProfileStoreProtected, AFailedPassLeavesThePreviousFileByteForByte)
{
    ASSERT_EQ(chmod(dir.path().c_str(), 0555), 0);
    EXPECT_EQ(testing::runUnprivileged([&] {
                  return describe(writePass() == "flush refused", "a pass in a read-only folder succeeded") +
                         describe(contentOf(path) == original, "the file changed") +
                         describe(entriesIn(dir.path()) == 1, "something was left in the folder");
              }),
              "");
}

TEST_F(PosixProfileStoreProtected, AWriteProtectedFileIsRefusedUntilItIsWritableAgain)
{
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(testing::runUnprivileged([&] {
                  return describe(writePass() == "flush refused", "a protected file was replaced") +
                         describe(contentOf(path) == original, "the file changed");
              }),
              "");
    ASSERT_EQ(chmod(path.c_str(), 0666), 0);
    EXPECT_EQ(testing::runUnprivileged([&] { return writePass(); }), "");
    EXPECT_EQ(contentOf(path), "; keep me\r\n[List]\r\nTab=5\r\n[New]\r\nk=v\r\n");
}

TEST_F(PosixProfileStoreProtected, AFileThatCannotBeReadCountsAsMissing)
{
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    EXPECT_EQ(testing::runUnprivileged([&] {
                  return describe(PosixProfileStore(path).read("List", "Tab", "fallback") == "fallback",
                                  "an unreadable file gave a value");
              }),
              "");
}

} // namespace
} // namespace quorrin::platform::posix
