#include "file_list_world.h"

#include <chrono>
#include <functional>

namespace quorrin::browse::test {
namespace {

using namespace std::chrono_literals;

// Items: app.exe, hidden.exe, system.com, tool.com.
class Selection : public FileListWorld {
protected:
    Selection()
    {
        list->OnClick = [this](TFileListBox&) { events.push_back("click"); };
        list->OnChange = [this](TFileListBox& sender) {
            EXPECT_EQ(&sender, list.get());
            events.push_back("change " + std::to_string(sender.ItemIndex()));
        };
    }
    Names takeEvents() { return std::exchange(events, {}); }

    Names events;
};

TEST_F(Selection, AUserSelectionClicksAndReportsOnlyWhenTheIndexMoved)
{
    list->selectByUser(2);
    EXPECT_EQ(takeEvents(), (Names{"click", "change 2"}));
    EXPECT_EQ(edit.text(), "system.com");
    EXPECT_EQ(edit.selectAllCount, 2); // the first read, then this change
    EXPECT_EQ(list->lastReportedSelection(), 2);

    list->selectByUser(2);
    EXPECT_EQ(takeEvents(), Names{"click"});

    list->selectByUser(-1);
    EXPECT_EQ(takeEvents(), (Names{"click", "change -1"}));
    EXPECT_EQ(edit.text(), "*.exe;*.com");
    EXPECT_EQ(list->SelectedName(), "");
    EXPECT_EQ(list->SelectedPath(), "");
    list->selectByUser(0);
    EXPECT_EQ(list->SelectedName(), "app.exe");
    EXPECT_EQ(list->SelectedPath(), "C:\\Data\\app.exe");
    // A root already ends in the separator.
    list->SetCurrentDir("C:\\");
    list->selectByUser(0);
    EXPECT_EQ(list->SelectedPath(), "C:\\top.exe");
}

// A refresh for a change on disk keeps the selected file by its name, and
// leaves the mask box alone unless the selection had to go.
TEST_F(Selection, ARefreshKeepsTheSelectedNameAndTheMaskBoxWhileItCan)
{
    const struct {
        const char* what;
        int selected;
        std::function<void()> change;
        std::string keptName;
        int keptIndex;
        std::string edit;
    } cases[] = {
        {"a file came before it", 2, [&] { fs.addFile("C:\\Data\\b.exe"); }, "system.com", 3, "typing"},
        {"a file went before it", 3, [&] { fs.remove("C:\\Data\\app.exe"); }, "system.com", 2, "typing"},
        {"nothing was selected", -1, [&] { fs.addFile("C:\\Data\\c.exe"); }, "", -1, "typing"},
        {"it went itself", 2, [&] { fs.remove("C:\\Data\\hidden.exe"); }, "", -1, "*.exe;*.com"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        list->selectByUser(c.selected);
        edit.setText("typing");
        c.change();
        takeEvents();
        list->Refresh();
        EXPECT_EQ(list->SelectedName(), c.keptName);
        EXPECT_EQ(list->ItemIndex(), c.keptIndex);
        EXPECT_EQ(edit.text(), c.edit);
        EXPECT_EQ(takeEvents(), Names{"change " + std::to_string(c.keptIndex)});
    }
}

TEST_F(Selection, SelectNameFindsTheItemWithoutRegardToCase)
{
    // Already selected: nothing at all; no such item: nothing selected, still reported.
    const struct {
        std::string name;
        int index;
        Names events;
    } cases[] = {{"TOOL.COM", 3, {"change 3"}},
                 {"tool.com", 3, {}},
                 {"app.exe", 0, {"change 0"}},
                 {"nothing.exe", -1, {"change -1"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        list->SelectName(c.name);
        EXPECT_EQ(list->ItemIndex(), c.index);
        EXPECT_EQ(takeEvents(), c.events);
    }
    EXPECT_EQ(edit.text(), "*.exe;*.com");
}

TEST_F(Selection, SelectNameSearchesFromTheSecondItemOnward)
{
    // Listed twice: the search starts at item 1, so the second copy wins;
    // the first is found only when the search wraps round.
    list->SetMask("*.txt;*.TXT");
    ASSERT_EQ(list->Items(), (Names{"Notes.TXT", "Notes.TXT", "readme.txt", "readme.txt"}));
    list->SelectName("notes.txt");
    EXPECT_EQ(list->ItemIndex(), 1);
    list->SetMask("readme.txt;notes.txt");
    ASSERT_EQ(list->Items(), (Names{"Notes.TXT", "readme.txt"}));
    list->SelectName("notes.txt");
    EXPECT_EQ(list->ItemIndex(), 0);
}

TEST_F(Selection, LinksShowTheSelectionAndAreClearedWhenEitherSideGoes)
{
    auto box = std::make_unique<RecordingEditBox>();
    auto dirList = std::make_unique<RecordingDirectoryList>();
    list->selectByUser(1);
    list->SetFileEdit(box.get());
    list->setDirectoryList(dirList.get());
    EXPECT_EQ(box->texts, Names{"hidden.exe"});
    // Linking only sets the text; selecting it all is for notifications.
    EXPECT_EQ(box->selectAllCount, 0);
    // The box linked before no longer hears anything.
    const std::size_t before = edit.texts.size();
    list->Rescan();
    EXPECT_EQ(edit.texts.size(), before);
    EXPECT_EQ(box->texts.back(), "*.exe;*.com");

    box.reset();
    EXPECT_EQ(list->FileEdit(), nullptr);
    EXPECT_EQ(list->directoryList(), dirList.get());
    dirList.reset();
    EXPECT_EQ(list->directoryList(), nullptr);
    // With the links gone the list works on its own.
    list->ApplyPathText("Sub");
    EXPECT_EQ(list->CurrentDir(), "C:\\Data\\Sub");

    // A control that outlives the list must not reach it when it goes (the
    // sanitizer build catches a stale watcher here).
    auto survivor = std::make_unique<RecordingEditBox>();
    {
        TFileListBox shortLived(fs, rules);
        shortLived.SetFileEdit(survivor.get());
    }
    survivor.reset();
}

// A key, the time it is pressed, and where the selection is afterwards.
struct Key {
    std::string text;
    std::chrono::milliseconds at;
    int index;
    Names events;
};

class Typing : public Selection {
protected:
    Typing()
    {
        for (const std::string name : {"Alpha.txt", "alps.txt", "beta.txt"})
            fs.addFile("C:\\Keys\\" + name);
        fs.addFile("C:\\Keys\\" + hyo + ".txt");
        fs.addFile("C:\\Keys\\" + hyo + "X.txt");
        list->SetMask("*.txt");
        list->SetCurrentDir("C:\\Keys");
        list->setClock([this] { return start + now; });
        takeEvents();
    }
    void press(const std::vector<Key>& keys)
    {
        for (const Key& key : keys) {
            SCOPED_TRACE("key " + key.text + " at " + std::to_string(key.at.count()) + " ms");
            now = key.at;
            list->typeKey(key.text);
            EXPECT_EQ(list->ItemIndex(), key.index);
            EXPECT_EQ(takeEvents(), key.events);
        }
    }

    const std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    std::chrono::milliseconds now{0};
};

// Items: Alpha.txt, alps.txt, beta.txt, 表.txt, 表X.txt.
TEST_F(Typing, KeysBuildAPrefixThatAPauseStartsAfresh)
{
    press({
        {"a", 0ms, 0, {"click", "change 0"}},
        {"l", 100ms, 0, {"click"}},
        {"p", 200ms, 0, {"click"}},
        {"s", 300ms, 1, {"click", "change 1"}},
        // No item begins with "alpsx": the selection stays.
        {"x", 400ms, 1, {}},
        {"\b", 450ms, 1, {"click"}},
        // 499 ms after the previous key the prefix still grows ...
        {"b", 949ms, 1, {}},
        // ... and at 500 ms it starts again.
        {"b", 1449ms, 2, {"click", "change 2"}},
        // Enter is a character like any other.
        {"\r", 1600ms, 2, {}},
    });
}

TEST_F(Typing, BackspaceRemovesWholeCharactersAndAnEmptyPrefixSelectsTheFirstItem)
{
    press({
        // A double-byte character whose second byte is "\" goes in whole ...
        {hyo, 200ms, 3, {"click", "change 3"}},
        {"x", 300ms, 4, {"click", "change 4"}},
        {"\b", 400ms, 3, {"click", "change 3"}},
        // ... and comes out whole: the prefix is empty again.
        {"\b", 500ms, 0, {"click", "change 0"}},
        // Backspace after a pause also starts from an empty prefix.
        {"\b", 2000ms, 0, {"click"}},
    });
}

} // namespace
} // namespace quorrin::browse::test
