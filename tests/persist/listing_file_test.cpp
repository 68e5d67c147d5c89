#include "persist/listing_file.h"

#include "support/file_content.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"
#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>

namespace quorrin::persist {
namespace {

namespace fs = std::filesystem;

using testing::contentOf;

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
    try {
        saveListing(text::Utf8TextRules(), path, lines);
        return {};
    } catch (const Error& e) {
        return e.what();
    }
}

const std::string writeError = "ストリームへの書き込みエラー";
const std::vector<std::string> threeLines{"C:\\a\tone.txt\t12", "", "日本語の名前.txt\t3"};
const std::string old = "old listing\r\nsecond line\r\nthird line, longer than the new text\r\n";

// A replaced file keeps its permissions; a Japanese name is created under its own bytes.
TEST(ListingFile, TheFileHoldsTheTextFormAndNothingElseWhateverWasThereBefore)
{
    testing::TempDir dir;
    const std::string raw("\x83\x5c\xff\0z", 5);
    const std::tuple<std::vector<std::string>, std::string, std::string, bool> cases[] = {
        {threeLines, "C:\\a\tone.txt\t12\r\n\r\n日本語の名前.txt\t3\r\n", "list.txt", false},
        {std::vector<std::string>{}, "", "list.txt", true},
        {{raw}, raw + "\r\n", "一覧 (最新).txt", true},
    };
    for (const auto& [lines, bytes, name, existing] : cases) {
        const std::string path = dir / name;
        if (existing) {
            dir.writeFile(name, old);
            ASSERT_EQ(chmod(path.c_str(), 0640), 0);
        }
        EXPECT_EQ(saveError(path, lines), "");
        EXPECT_EQ(contentOf(path), bytes) << lines.size() << " lines";
        EXPECT_EQ(entriesIn(dir.path()), std::vector<std::string>{name});
        struct stat st {};
        if (existing) {
            ASSERT_EQ(stat(path.c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, 0640u);
        }
        fs::remove(path);
    }
}

// Every failure names the file as the user gave it and leaves the folder
// exactly as it was: the old file byte for byte, nothing beside it.
// Permission bits bind only an unprivileged user, so the folder is opened
// to the one the checks run as.
TEST(ListingFile, AFileThatCannotBeMadeIsReportedAndNothingChanges)
{
    const struct {
        const char* what;
        const char* target;
        int oldFileMode; // 0: no old file; -1: a pipe in its place
        mode_t folderMode;
    } cases[] = {
        {"missing folder", "missing/list.txt", 0, 0777},
        {"a pipe in the way", "list.txt", -1, 0777},
        {"read-only file in a writable folder", "list.txt", 0444, 0777},
        {"read-only file in a read-only folder", "list.txt", 0444, 0555},
    };
    for (const auto& c : cases) {
        testing::TempDir dir;
        const std::string target = dir / c.target;
        if (c.oldFileMode < 0) {
            ASSERT_EQ(mkfifo(target.c_str(), 0666), 0);
        }
        if (c.oldFileMode > 0) {
            dir.writeFile(c.target, old);
            ASSERT_EQ(chmod(target.c_str(), static_cast<mode_t>(c.oldFileMode)), 0);
        }
        ASSERT_EQ(chmod(dir.path().c_str(), c.folderMode), 0);
        const auto before = entriesIn(dir.path());
        EXPECT_EQ(testing::runUnprivileged([&] {
                      const std::string message = saveError(target, threeLines);
                      return message == "ファイル " + target + " を作成できません" ? std::string()
                                                                                   : "reported \"" + message + "\"";
                  }),
                  "")
            << c.what;
        EXPECT_EQ(entriesIn(dir.path()), before) << c.what;
        if (c.oldFileMode > 0) {
            EXPECT_EQ(contentOf(target), old) << c.what;
        }
        ASSERT_EQ(chmod(dir.path().c_str(), 0777), 0);
    }
}

// A file that stops growing part way (a full disk, or a file size limit as
// here) must not replace the old one with what fitted.
TEST(ListingFile, AWriteCutShortIsReportedAndTheOldFileStays)
{
    testing::TempDir dir;
    dir.writeFile("list.txt", old);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 10;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const std::string message = saveError(dir / "list.txt", threeLines);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(message, writeError);
    EXPECT_EQ(contentOf(dir / "list.txt"), old);
    EXPECT_EQ(entriesIn(dir.path()), std::vector<std::string>{"list.txt"});
}

// A device is written where it is: renaming over it would put a plain file
// in its place. An empty listing writes nothing, which even a full device takes.
TEST(ListingFileOnADevice, AFullDeviceReportsTheWriteErrorAndStaysADevice)
{
    const auto before = entriesIn("/dev");
    EXPECT_EQ(saveError("/dev/full", {"a", "b"}), writeError);
    EXPECT_EQ(saveError("/dev/full", {}), "");
    struct stat st {};
    ASSERT_EQ(stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    EXPECT_EQ(entriesIn("/dev"), before);
}

} // namespace
} // namespace quorrin::persist
