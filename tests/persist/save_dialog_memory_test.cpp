#include "persist/save_dialog_memory.h"
#include "persist/saved_file_caption.h"

#include "platform/posix/utf8_text_rules.h"
#include "support/shift_jis_text_rules.h"

#include <gtest/gtest.h>

namespace quorrin::persist {
namespace {

TEST(SavedFileCaption, TheFileNameAfterItsLastDelimiterThenTheTitle)
{
    const platform::posix::Utf8TextRules rules;
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"D:\\out\\list.txt", "\\:", "list.txt - Zidaz"}, {"D:list.txt", "\\:", "list.txt - Zidaz"},
        {"list.txt", "\\:", "list.txt - Zidaz"},          {"/home/u/一覧.txt", "/", "一覧.txt - Zidaz"},
        {"/home/u/a\\b.txt", "/", "a\\b.txt - Zidaz"},    {"/list", "/", "list - Zidaz"},
    };
    for (const auto& [path, delimiters, caption] : cases)
        EXPECT_EQ(savedFileCaption(rules, path, delimiters, "Zidaz"), caption) << path;
}

TEST(SavedFileCaption, ASecondByteThatLooksLikeADelimiterIsPartOfTheName)
{
    const quorrin::testing::ShiftJisTextRules rules;
    const std::string so = rules.fromUtf8("ソ"); // 0x83 0x5C
    ASSERT_EQ(so, "\x83\\");
    EXPECT_EQ(savedFileCaption(rules, "C:\\out\\" + so + "A.txt", "\\:", "Q"), so + "A.txt - Q");
    EXPECT_EQ(savedFileCaption(rules, "C:\\" + so + "\\list.txt", "\\:", "Q"), "list.txt - Q");
}

TEST(SaveStartDirectory, TheFolderOfTheLastSavedFile)
{
    const platform::posix::Utf8TextRules rules;
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"", "/", ""},
        {"list.txt", "/", ""},
        {"/home/u/list.txt", "/", "/home/u"},
        {"/home/u/", "/", "/home/u"},
        {"/list.txt", "/", "/"},
        {"/日本/一覧.txt", "/", "/日本"},
        {"C:\\out\\list.txt", "\\:", "C:\\out"},
        {"C:\\list.txt", "\\:", "C:\\"},
        {"C:list.txt", "\\:", "C:"},
        {"\\\\server\\share\\list.txt", "\\:", "\\\\server\\share"},
    };
    for (const auto& [savePath, delimiters, folder] : cases)
        EXPECT_EQ(saveStartDirectory(rules, savePath, delimiters), folder) << savePath;
}

TEST(SaveStartDirectory, StepsOverTheSecondByteOfADoubleByteCharacter)
{
    const quorrin::testing::ShiftJisTextRules rules;
    const std::string so = rules.fromUtf8("ソ");
    EXPECT_EQ(saveStartDirectory(rules, "C:\\" + so + "\\list.txt", "\\:"), "C:\\" + so);
    EXPECT_EQ(saveStartDirectory(rules, "C:\\out\\" + so + ".txt", "\\:"), "C:\\out");
    EXPECT_EQ(saveStartDirectory(rules, so + ".txt", "\\:"), "");
}

TEST(SaveDialogMemory, OffersTheLastConfirmedNameAndTypeWithTheSavedPathsFolder)
{
    const platform::posix::Utf8TextRules rules;
    SaveDialogMemory memory;
    const SaveDialogRequest first = memory.request(rules, "/old/run/list.txt", "/");
    EXPECT_EQ(first.startDirectory, "/old/run");
    EXPECT_EQ(first.fileName, "");
    EXPECT_EQ(first.typeIndex, 0);

    memory.remember({"/new/一覧.dat", 1});
    const SaveDialogRequest second = memory.request(rules, "/new/一覧.dat", "/");
    EXPECT_EQ(second.startDirectory, "/new");
    EXPECT_EQ(second.fileName, "/new/一覧.dat");
    EXPECT_EQ(second.typeIndex, 1);
}

} // namespace
} // namespace quorrin::persist
