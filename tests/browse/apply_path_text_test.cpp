#include "file_list_world.h"

#include "platform/errors.h"

#include <ostream>

namespace quorrin::browse::test {
namespace {

// What a typed text leaves behind when it works.
struct TypedCase {
    std::string text;
    std::string currentDir;
    std::string mask;
    Names searches; // in order: one read searches once per piece of the mask
    Names items;
    std::string selected;
};

// Names the case by its text in test listings.
void PrintTo(const TypedCase& c, std::ostream* os)
{
    *os << caseLabel(c.text);
}

const Names startItems = {"app.exe", "hidden.exe", "system.com", "tool.com"};
const std::string startMask = "*.exe;*.com";

TypedCase intoSub(std::string text)
{
    return {std::move(text), "C:\\Data\\Sub",
            startMask,       {"C:\\Data\\Sub\\*.exe", "C:\\Data\\Sub\\*.com"},
            {"inner.exe"},   ""};
}

std::vector<TypedCase> typedCases()
{
    const std::string hyoDir = "C:\\Data\\" + hyo;
    return {
        // A mask: the directory stays, one read with the new mask.
        {"*.txt", "C:\\Data", "*.txt", {"C:\\Data\\*.txt"}, {"Notes.TXT", "readme.txt"}, ""},
        // Another drive's directory with a mask: a read with the old mask, then one with the new.
        {"D:\\Docs\\*.doc",
         "D:\\Docs",
         "*.doc",
         {"D:\\Docs\\*.exe", "D:\\Docs\\*.com", "D:\\Docs\\*.doc"},
         {"letter.doc", "memo.doc"},
         ""},
        // Every way of naming the subdirectory moves into it and keeps the mask.
        intoSub("Sub"),
        intoSub("[Sub]"),
        // 表 ends in the byte "\": it must not split the name.
        {hyo + "\\*.com",
         hyoDir,
         "*.com",
         {hyoDir + "\\*.exe", hyoDir + "\\*.com", hyoDir + "\\*.com"},
         {katakanaA + ".com"},
         ""},
        {"..", "C:\\", startMask, {"C:\\*.exe", "C:\\*.com"}, {"top.exe"}, ""},
        // The drive's own current directory.
        {"D:", "D:\\Work", startMask, {"D:\\Work\\*.exe", "D:\\Work\\*.com"}, {"job.com"}, ""},
        // A listed file is selected; nothing is read.
        {"tool.com", "C:\\Data", startMask, {}, startItems, "tool.com"},
        // An existing file the mask hides becomes the mask, and is selected.
        {"readme.txt", "C:\\Data", "readme.txt", {"C:\\Data\\readme.txt"}, {"readme.txt"}, "readme.txt"},
    };
}

class TypedText : public FileListWorld, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedText, LandsWhereTheTextSays)
{
    const TypedCase& c = GetParam();
    list->ApplyPathText(c.text);
    EXPECT_EQ(list->CurrentDir(), c.currentDir);
    EXPECT_EQ(list->Mask(), c.mask);
    EXPECT_EQ(newSearches(), c.searches);
    EXPECT_EQ(list->Items(), c.items);
    EXPECT_EQ(list->SelectedName(), c.selected);
    // The mask box shows the selected name, or the mask when none is.
    EXPECT_EQ(edit.text(), c.selected.empty() ? c.mask : c.selected);
    EXPECT_EQ(fs.currentDirectory(), c.currentDir);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, TypedText, ::testing::ValuesIn(typedCases()));

TEST_F(FileListWorld, TextThatNamesNothingChangesNothing)
{
    const Names texts = {"nothing", "Missing\\*.txt", "Sub\\nothing"};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        const Names editBefore = edit.texts;
        EXPECT_THROW(list->ApplyPathText(text), DirectoryChangeError);
        EXPECT_EQ(list->CurrentDir(), "C:\\Data");
        EXPECT_EQ(list->Mask(), startMask);
        EXPECT_EQ(list->Items(), startItems);
        EXPECT_EQ(newSearches(), Names{});
        EXPECT_EQ(changes, 0);
        EXPECT_EQ(edit.texts, editBefore);
        EXPECT_EQ(fs.currentDirectory(), "C:\\Data");
    }
}

TEST_F(FileListWorld, TheSelectedPathOrAnEmptyTextDoesNothing)
{
    list->selectByUser(0);
    changes = 0;
    for (const std::string text : {"C:\\Data\\app.exe", "c:\\data\\APP.EXE", ""}) {
        SCOPED_TRACE(text);
        list->ApplyPathText(text);
        EXPECT_EQ(list->SelectedName(), "app.exe");
        EXPECT_EQ(newSearches(), Names{});
        EXPECT_EQ(changes, 0);
    }
}

TEST_F(FileListWorld, ALinkedDirectoryListGetsTheWholeText)
{
    RecordingDirectoryList dirList;
    list->setDirectoryList(&dirList);
    list->ApplyPathText("*.txt");
    list->ApplyPathText("Sub");
    // The file list does not move by itself; the directory list moves it.
    EXPECT_EQ(list->CurrentDir(), "C:\\Data");
    EXPECT_EQ(list->Mask(), "*.txt");
    EXPECT_EQ(newSearches(), Names{"C:\\Data\\*.txt"});

    // So a file elsewhere is not where the list is: an invalid name,
    // "不正なファイル名 - " in Shift_JIS, then the whole text.
    const std::string text = "D:\\Docs\\letter.doc";
    try {
        list->ApplyPathText(text);
        ADD_FAILURE() << "expected a failure";
    } catch (const DirectoryChangeError&) {
        ADD_FAILURE() << "not a directory change failure";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "\x95\x73\x90\xB3\x82\xC8\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC - " + text);
    }
    EXPECT_EQ(dirList.requests, (Names{"*.txt", "Sub", text}));
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(fs.currentDirectory(), "C:\\Data");
}

TEST_F(FileListWorld, NetworkPathsKeepTheirServerAndShare)
{
    list->SetCurrentDir("\\\\server\\share\\pub");
    EXPECT_EQ(list->CurrentDir(), "\\\\Server\\Share\\Pub");
    for (const std::string text : {"[Sub]", "\\\\Server\\Share\\Pub\\Sub"}) {
        SCOPED_TRACE(text);
        list->SetCurrentDir("\\\\Server\\Share\\Pub");
        list->ApplyPathText(text);
        EXPECT_EQ(list->CurrentDir(), "\\\\Server\\Share\\Pub\\Sub");
        EXPECT_EQ(list->Items(), Names{"shared.exe"});
    }
}

} // namespace
} // namespace quorrin::browse::test
