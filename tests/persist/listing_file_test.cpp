#include "persist/listing_file.h"

#include "platform/posix/utf8_text_rules.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>

namespace quorrin::persist {
namespace {

namespace fs = std::filesystem;

std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> entriesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// What the user would read: the error's message, or "" for a save that
// went through.
std::string saveError(const std::string& path, const std::vector<std::string>& lines)
{
    const platform::posix::Utf8TextRules rules;
    try {
        saveListing(rules, path, lines);
        return {};
    } catch (const Error& e) {
        return e.what();
    }
}

std::string cannotCreate(const std::string& path)
{
    return "ファイル " + path + " を作成できません";
}

const std::string writeError = "ストリームへの書き込みエラー";

// Permission bits bind only an unprivileged user, so the folder is open to
// the one the checks run as.
class ListingFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(chmod(dir.path().c_str(), 0777), 0); }

    testing::TempDir dir;
    const std::vector<std::string> threeLines{"C:\\a\tone.txt\t12", "", "日本語の名前.txt\t3"};
    const std::string old = "old listing\r\nsecond line\r\nthird line, longer than the new text\r\n";
};

// A replaced file keeps its permissions; a Japanese name is created under its own bytes.
TEST_F(ListingFile, TheFileHoldsTheTextFormAndNothingElseWhateverWasThereBefore)
{
    const std::string raw("\x83\x5c\xff\0z", 5);
    const std::tuple<std::vector<std::string>, std::string, std::string> cases[] = {
        {threeLines, "C:\\a\tone.txt\t12\r\n\r\n日本語の名前.txt\t3\r\n", "list.txt"},
        {std::vector<std::string>{}, "", "list.txt"},
        {{raw}, raw + "\r\n", "一覧 (最新).txt"},
    };
    for (const auto& [lines, bytes, name] : cases) {
        for (const bool existing : {false, true}) {
            const std::string path = dir / name;
            fs::remove(path);
            if (existing) {
                dir.writeFile(name, old);
                ASSERT_EQ(chmod(path.c_str(), 0640), 0);
            }
            EXPECT_EQ(saveError(path, lines), "");
            EXPECT_EQ(contentOf(path), bytes) << lines.size() << " lines, existing " << existing;
            EXPECT_EQ(entriesIn(dir.path()), std::vector<std::string>{name});
            struct stat st {};
            ASSERT_EQ(stat(path.c_str(), &st), 0);
            if (existing) {
                EXPECT_EQ(st.st_mode & 07777, 0640u);
            }
            fs::remove(path);
        }
    }
}

// Every failure names the file as the user gave it and leaves the folder
// exactly as it was: the old file byte for byte, nothing beside it.
TEST_F(ListingFile, AFileThatCannotBeMadeIsReportedAndNothingChanges)
{
    const auto oldFile = [&](mode_t mode) {
        dir.writeFile("list.txt", old);
        ASSERT_EQ(chmod((dir / "list.txt").c_str(), mode), 0);
    };
    const struct {
        const char* what;
        std::function<void()> prepare;
        std::string target;
        mode_t folderMode;
    } cases[] = {
        {"missing folder", [] {}, dir / "missing/list.txt", 0777},
        {"a directory in the way", [&] { dir.makeDirectory("list.txt"); }, dir / "list.txt", 0777},
        {"a pipe in the way", [&] { ASSERT_EQ(mkfifo((dir / "list.txt").c_str(), 0666), 0); }, dir / "list.txt", 0777},
        {"a file as folder", [&] { dir.writeFile("plain", old); }, dir / "plain/list.txt", 0777},
        {"read-only file in a writable folder", [&] { oldFile(0444); }, dir / "list.txt", 0777},
        {"writable file in a read-only folder", [&] { oldFile(0666); }, dir / "list.txt", 0555},
        {"new file in a read-only folder", [] {}, dir / "list.txt", 0555},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(chmod(dir.path().c_str(), 0777), 0);
        fs::remove_all(dir / "list.txt");
        fs::remove_all(dir / "plain");
        c.prepare();
        ASSERT_EQ(chmod(dir.path().c_str(), c.folderMode), 0);
        const auto before = entriesIn(dir.path());
        const bool existing = fs::is_regular_file(c.target);
        EXPECT_EQ(testing::runUnprivileged([&] {
                      const std::string message = saveError(c.target, threeLines);
                      return message == cannotCreate(c.target) ? std::string() : "reported \"" + message + "\"";
                  }),
                  "")
            << c.what;
        EXPECT_EQ(entriesIn(dir.path()), before) << c.what;
        if (existing) {
            EXPECT_EQ(contentOf(c.target), old) << c.what;
        }
    }
}

// A file that stops growing part way (a full disk, or a file size limit as
// here) must not replace the old one with what fitted.
TEST_F(ListingFile, AWriteCutShortIsReportedAndTheOldFileStays)
{
    dir.writeFile("list.txt", old);
    const std::string path = dir / "list.txt";

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 10;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const std::string message = saveError(path, threeLines);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(message, writeError);
    EXPECT_EQ(contentOf(path), old);
    EXPECT_EQ(entriesIn(dir.path()), std::vector<std::string>{"list.txt"});
}

// A device is written where it is: renaming over it would put a plain file
// in its place.
TEST(ListingFileOnADevice, AFullDeviceReportsTheWriteErrorAndStaysADevice)
{
    const auto before = entriesIn("/dev");
    EXPECT_EQ(saveError("/dev/full", {"a", "b"}), writeError);
    EXPECT_EQ(saveError("/dev/null", {"a", "b"}), "");
    // An empty listing writes nothing, which even a full device takes.
    EXPECT_EQ(saveError("/dev/full", {}), "");
    for (const char* device : {"/dev/full", "/dev/null"}) {
        struct stat st {};
        ASSERT_EQ(stat(device, &st), 0);
        EXPECT_TRUE(S_ISCHR(st.st_mode)) << device;
    }
    EXPECT_EQ(entriesIn("/dev"), before);
}

} // namespace
} // namespace quorrin::persist
