#include "browse/directory_rows.h"
#include "browse/split_path_text.h"
#include "listing/category_classifier.h"
#include "persist/settings_file.h"
#include "persist/settings_location.h"
#include "platform/win32/ansi_text_rules.h"
#include "platform/win32/win32_file_system.h"
#include "support/win32_temp_dir.h"
#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

namespace quorrin::platform::win32 {
namespace {

using testing::Win32TempDir;

// 表 is 0x95 0x5C in code page 932: its second byte is "\". Every scan of a
// path that takes bytes for characters cuts the name in two there.
const std::string hyo = "\x95\x5C";

class ShiftJisSystem : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (GetACP() != 932)
            GTEST_SKIP() << "needs code page 932 (LANG=ja_JP.UTF-8); this run has " << GetACP();
        folder_ = dir_.makeDirectory(hyo);
    }

    Win32TempDir dir_;
    std::string folder_;
    const AnsiTextRules rules_;
    Win32FileSystem fs_{rules_};
};

TEST_F(ShiftJisSystem, TheFolderIsEnteredListedSplitAndRememberedWhole)
{
    ASSERT_EQ(folder_.substr(folder_.size() - 2), hyo);
    dir_.writeFile(hyo + "\\a.txt", "abc");
    fs_.changeDirectory(dir_.path());
    std::vector<std::string> names;
    fs_.search(dir_ / "*.*", 0x10, [&](const DirEntry& e) { names.push_back(e.name); });
    EXPECT_NE(std::find(names.begin(), names.end(), hyo), names.end());
    ASSERT_TRUE(fs_.lookUp(folder_ + "\\a.txt"));
    EXPECT_EQ(fs_.lookUp(folder_ + "\\a.txt")->size, 3u);

    const auto absolute = browse::SplitPathText(fs_, rules_, folder_ + "\\a.txt");
    EXPECT_EQ(absolute.dir, folder_.substr(2));
    EXPECT_EQ(absolute.file, "a.txt");
    const auto relative = browse::SplitPathText(fs_, rules_, hyo + "\\*.txt");
    EXPECT_EQ(relative.dir, hyo);
    EXPECT_EQ(relative.file, "*.txt");

    fs_.changeDirectory(folder_);
    EXPECT_EQ(fs_.currentDirectory(), folder_);
    fs_.changeDirectory("Z:\\tmp");
    EXPECT_EQ(fs_.volumeCurrentDirectory(Volume{'c', "c:\\", DriveType::fixed}), folder_);
    fs_.changeDirectory("C:");
    EXPECT_EQ(fs_.currentDirectory(), folder_);
}

TEST_F(ShiftJisSystem, DirectoryRowsAndTheirPathsKeepTheFolderNameWhole)
{
    dir_.makeDirectory(hyo + "\\sub");
    const std::string inside = folder_ + "\\sub";
    const auto tree = browse::buildDirectoryTree(fs_, rules_, inside, true);
    const auto row =
        std::find_if(tree.rows.begin(), tree.rows.end(), [&](const browse::DirectoryRow& r) { return r.text == hyo; });
    ASSERT_NE(row, tree.rows.end());
    EXPECT_EQ(row->kind, browse::DirectoryRowKind::ancestor);
    const int index = static_cast<int>(row - tree.rows.begin());
    EXPECT_EQ(browse::directoryRowPath(rules_, fs_.pathSyntax(), inside, tree.rows, index), folder_);
    ASSERT_GE(tree.currentPosition, 0);
    EXPECT_EQ(tree.rows[static_cast<std::size_t>(tree.currentPosition)].text, "sub");

    // The folder as a subdirectory row of its parent.
    const auto parent = browse::buildDirectoryTree(fs_, rules_, dir_.path(), true);
    const auto sub = std::find_if(parent.rows.begin(), parent.rows.end(), [&](const browse::DirectoryRow& r) {
        return r.text == hyo && r.kind == browse::DirectoryRowKind::subdirectory;
    });
    ASSERT_NE(sub, parent.rows.end());
    EXPECT_EQ(browse::directoryRowPath(rules_, fs_.pathSyntax(), dir_.path(), parent.rows,
                                       static_cast<int>(sub - parent.rows.begin())),
              folder_);
}

TEST_F(ShiftJisSystem, TheSettingsFileSitsBesideAnExecutableInTheFolder)
{
    EXPECT_EQ(persist::settingsPathBeside(rules_, folder_ + "\\Quorrin.exe", "\\:"), folder_ + "\\Quorrin.ini");
    // Without an extension the trail byte "\" is no folder delimiter either.
    EXPECT_EQ(persist::settingsPathBeside(rules_, "C:\\" + hyo, "\\:"), "C:\\" + hyo + ".ini");
}

TEST_F(ShiftJisSystem, TheFolderSurvivesAWriteAndReadOfTheSettingsFile)
{
    const std::string path = folder_ + "\\Quorrin.ini";
    {
        persist::SettingsFile file(rules_, path);
        file.WriteText("Disk", "Dir", folder_);
        file.WriteText("File", "Edit", "*." + hyo);
        file.Flush();
    }
    EXPECT_EQ(dir_.read(hyo + "\\Quorrin.ini"), "[Disk]\r\nDir=" + folder_ + "\r\n[File]\r\nEdit=*." + hyo + "\r\n");
    persist::SettingsFile file(rules_, path);
    EXPECT_EQ(file.ReadText("Disk", "Dir", ""), folder_);
    EXPECT_EQ(file.ReadText("File", "Edit", ""), "*." + hyo);
}

// The classifier on the system's code page finds what the UTF-8 build
// finds for the same name: half-width katakana keywords are single bytes,
// and bytes that only line up across two characters never count.
TEST_F(ShiftJisSystem, TheClassifierAgreesWithTheUtf8Build)
{
    const text::Utf8TextRules utf8;
    const listing::CategoryClassifier onUtf8(utf8);
    const listing::CategoryClassifier onSystem(rules_);
    const char* const names[] = {
        "ﾃﾚﾋﾞ番組.mp4", "ｱﾆﾒ第1話.avi", "ﾐｭｰｼﾞｯｸ.mp3", "ｹﾞｰﾑ.iso", "ﾄﾞﾗﾏ.mkv",   "サV.avi",   "アV.avi",
        "モsＶ.avi",    "サTV.avi",     "アVAV.avi",   "表示.txt", "映画館.jpg", "plain.txt",
    };
    int labelled = 0;
    for (const char* name : names) {
        const std::string expected = utf8.fromUtf8(onUtf8.StrFind(name));
        const std::string got = onSystem.StrFind(rules_.fromUtf8(name));
        EXPECT_EQ(got, rules_.fromUtf8(expected)) << name;
        labelled += expected.empty() ? 0 : 1;
    }
    // Both kinds of case are in the table: labelled names and traps.
    EXPECT_EQ(labelled, 8);
    EXPECT_EQ(onSystem.StrFind(rules_.fromUtf8("ﾃﾚﾋﾞ")), rules_.fromUtf8("ＴＶ"));
    EXPECT_EQ(rules_.fromUtf8("ﾃﾚﾋﾞ").size(), 4u);
}

} // namespace
} // namespace quorrin::platform::win32
