#include "persist/save_dialog_memory.h"
#include "persist/saved_file_caption.h"

#include "support/shift_jis_text_rules.h"
#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

namespace quorrin::persist {
namespace {

TEST(SavedFileCaptionAndStartDirectory, SplitAtTheLastDelimiter)
{
    const text::Utf8TextRules rules;
    const std::tuple<std::string, std::string, std::string, std::string> cases[] = {
        // path, delimiters, caption, start folder
        {"C:\\out\\list.txt", "\\:", "list.txt - Zidaz", "C:\\out"},
        {"C:\\list.txt", "\\:", "list.txt - Zidaz", "C:\\"},
        {"/home/u/a\\b.txt", "/", "a\\b.txt - Zidaz", "/home/u"},
        {"/日本/一覧.txt", "/", "一覧.txt - Zidaz", "/日本"},
        {"/list", "/", "list - Zidaz", "/"},
    };
    for (const auto& [path, delimiters, caption, folder] : cases) {
        EXPECT_EQ(savedFileCaption(rules, path, delimiters, "Zidaz"), caption) << path;
        EXPECT_EQ(saveStartDirectory(rules, path, delimiters), folder) << path;
    }
    EXPECT_EQ(saveStartDirectory(rules, "/home/u/", "/"), "/home/u");
    EXPECT_EQ(saveStartDirectory(rules, "", "/"), "");
}

// ソ is 0x83 0x5C in Shift_JIS: its second byte looks like a delimiter.
TEST(SavedFileCaptionAndStartDirectory, StepOverTheSecondByteOfADoubleByteCharacter)
{
    const quorrin::testing::ShiftJisTextRules rules;
    const std::string so = rules.fromUtf8("ソ");
    ASSERT_EQ(so, "\x83\\");
    EXPECT_EQ(savedFileCaption(rules, "C:\\out\\" + so + "A.txt", "\\:", "Q"), so + "A.txt - Q");
    EXPECT_EQ(saveStartDirectory(rules, "C:\\" + so + "\\list.txt", "\\:"), "C:\\" + so);
    EXPECT_EQ(saveStartDirectory(rules, "C:\\out\\" + so + ".txt", "\\:"), "C:\\out");
}

TEST(SaveDialogMemory, OffersTheLastConfirmedNameAndTypeWithTheSavedPathsFolder)
{
    const text::Utf8TextRules rules;
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
