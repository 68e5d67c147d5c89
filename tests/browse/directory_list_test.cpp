#include "browse_world.h"

#include "persist/list_text.h"
#include "platform/errors.h"

namespace quorrin::browse::test {
namespace {

using namespace std::chrono_literals;
using Kind = DirectoryRowKind;

// A row as the view needs it, with the path it opens.
struct ExpectedRow {
    std::string text;
    Kind kind;
    int depth;
    std::string path;
};

struct TreeCase {
    std::string dir;
    std::vector<ExpectedRow> rows;
    int current;
};

const std::string share = "\\\\Server\\Share";

std::vector<TreeCase> treeCases()
{
    const std::string hyoDir = "C:\\Data\\" + hyo;
    return {
        // Sorted without regard to case; hidden and system directories and
        // files are left out.
        {"C:\\",
         {{"C:\\", Kind::current, 0, "C:\\"},
          {"apps", Kind::subdirectory, 1, "C:\\apps"},
          {"Data", Kind::subdirectory, 1, "C:\\Data"},
          {"Program Files", Kind::subdirectory, 1, "C:\\Program Files"},
          {"Windows", Kind::subdirectory, 1, "C:\\Windows"}},
         0},
        {"C:\\Windows",
         {{"C:\\", Kind::ancestor, 0, "C:\\"},
          {"Windows", Kind::current, 1, "C:\\Windows"},
          {"Fonts", Kind::subdirectory, 2, "C:\\Windows\\Fonts"},
          {"System32", Kind::subdirectory, 2, "C:\\Windows\\System32"}},
         1},
        {"C:\\Windows\\System32\\drivers",
         {{"C:\\", Kind::ancestor, 0, "C:\\"},
          {"Windows", Kind::ancestor, 1, "C:\\Windows"},
          {"System32", Kind::ancestor, 2, "C:\\Windows\\System32"},
          {"drivers", Kind::current, 3, "C:\\Windows\\System32\\drivers"}},
         3},
        // The second byte of 表 is "\": it neither splits a row nor ends a path.
        {hyoDir,
         {{"C:\\", Kind::ancestor, 0, "C:\\"},
          {"Data", Kind::ancestor, 1, "C:\\Data"},
          {hyo, Kind::current, 2, hyoDir},
          {"sub", Kind::subdirectory, 3, hyoDir + "\\sub"}},
         2},
        {share + "\\dir",
         {{share + "\\", Kind::ancestor, 0, share + "\\"},
          {"dir", Kind::current, 1, share + "\\dir"},
          {"Sub", Kind::subdirectory, 2, share + "\\dir\\Sub"}},
         1},
        // The root of a share has no current row; the root row stands for it.
        {share,
         {{share + "\\", Kind::ancestor, 0, share + "\\"},
          {"dir", Kind::subdirectory, 1, share + "\\dir"},
          {"Pub", Kind::subdirectory, 1, share + "\\Pub"}},
         0},
    };
}

TEST_F(BrowseWorld, TreeRowsKindsDepthsAndPaths)
{
    for (const TreeCase& c : treeCases()) {
        SCOPED_TRACE(caseLabel(c.dir));
        dirs->SetCurrentDir(c.dir);
        ASSERT_EQ(dirs->CurrentDir(), c.dir);
        ASSERT_EQ(dirs->rows().size(), c.rows.size());
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            const ExpectedRow& want = c.rows[i];
            EXPECT_EQ(dirs->rows()[i], (DirectoryRow{want.text, want.kind, want.depth})) << "row " << i;
            EXPECT_EQ(dirs->Items()[i], want.text);
            EXPECT_EQ(dirs->ItemPath(static_cast<int>(i)), want.path) << "row " << i;
        }
        EXPECT_EQ(dirs->ItemIndex(), c.current);
        EXPECT_EQ(dirs->ItemPath(static_cast<int>(c.rows.size())), "");
        EXPECT_EQ(dirs->ItemPath(-1), "");
        EXPECT_EQ(fs.currentDirectory(), c.dir);
        EXPECT_EQ(files->CurrentDir(), c.dir);
    }
}

// Keeps the reads begun until the test lands them.
struct HandOverRunner final : SubdirectoryRunner {
    struct Begun {
        std::string dir;
        bool foldCase;
        Land land;
    };
    void start(const std::string& dir, bool foldCase, Land land) override
    {
        begun.push_back({dir, foldCase, std::move(land)});
    }
    std::vector<Begun> begun;
};

// Handed to a runner, the rows down to the directory stand at once and its
// subdirectories follow when their read lands; only the last read lands.
TEST_F(BrowseWorld, SubdirectoryRowsFollowWhenTheirReadLands)
{
    HandOverRunner runner;
    const auto land = [&](std::size_t i) {
        const auto& read = runner.begun.at(i);
        read.land(readSubdirectories(fs, rules, read.dir, read.foldCase));
    };
    dirs->setSubdirectoryRunner(&runner);
    dirs->SetCurrentDir("C:\\");
    dirs->SetCurrentDir("C:\\Windows");
    EXPECT_EQ(dirs->Items(), (Names{"C:\\", "Windows"}));
    EXPECT_TRUE(dirs->reading());
    land(0);
    EXPECT_EQ(dirs->Items(), (Names{"C:\\", "Windows"}));

    dirs->selectByUser(0);
    land(1);
    EXPECT_EQ(dirs->Items(), (Names{"C:\\", "Windows", "Fonts", "System32"}));
    EXPECT_FALSE(dirs->reading());
    EXPECT_EQ(dirs->ItemIndex(), 0);
    EXPECT_EQ(dirs->ItemPath(3), "C:\\Windows\\System32");
}

// A change on disk brings new rows only where the folders changed, and the
// highlighted row stays on its folder, or on the directory's own row when
// that folder is gone.
TEST_F(BrowseWorld, RefreshedSubdirectoriesKeepTheHighlightedFolder)
{
    dirs->SetCurrentDir("C:\\Windows");
    const struct {
        std::string highlighted;
        std::function<void()> change;
        Names rows;
        int highlightedAfter;
    } steps[] = {
        {"System32",
         [&] { fs.addDirectory("C:\\Windows\\Apps"); },
         {"C:\\", "Windows", "Apps", "Fonts", "System32"},
         4},
        {"Fonts", [&] { fs.remove("C:\\Windows\\Fonts"); }, {"C:\\", "Windows", "Apps", "System32"}, 1},
        {"C:\\", [&] { fs.addDirectory("C:\\Windows\\Zed"); }, {"C:\\", "Windows", "Apps", "System32", "Zed"}, 0},
        {"Zed", [] {}, {"C:\\", "Windows", "Apps", "System32", "Zed"}, 4},
    };
    for (const auto& step : steps) {
        const auto at = std::find(dirs->Items().begin(), dirs->Items().end(), step.highlighted);
        dirs->selectByUser(static_cast<int>(at - dirs->Items().begin()));
        step.change();
        dirs->RefreshSubdirectories();
        EXPECT_EQ(dirs->Items(), step.rows) << step.highlighted;
        EXPECT_EQ(dirs->ItemIndex(), step.highlightedAfter) << step.highlighted;
    }
    EXPECT_TRUE(dirs->rowsRefreshed());
    dirs->SetCurrentDir("C:\\");
    EXPECT_FALSE(dirs->rowsRefreshed());

    // A change after a read under way has passed it by brings another.
    HandOverRunner runner;
    dirs->setSubdirectoryRunner(&runner);
    dirs->SetCurrentDir("C:\\Windows");
    const auto read = runner.begun.back();
    const auto passed = readSubdirectories(fs, rules, read.dir, read.foldCase);
    fs.addDirectory("C:\\Windows\\Late");
    dirs->RefreshSubdirectories();
    read.land(passed);
    ASSERT_EQ(runner.begun.size(), std::size_t(2));
    runner.begun.back().land(readSubdirectories(fs, rules, "C:\\Windows", true));
    EXPECT_EQ(dirs->Items(), (Names{"C:\\", "Windows", "Apps", "Late", "System32", "Zed"}));
    dirs->setSubdirectoryRunner(nullptr);
}

TEST_F(BrowseWorld, RowsCopyAsLinesAndTheSameDirectoryInAnyCaseMovesNothing)
{
    // The rows copy as one row per line.
    EXPECT_EQ(persist::listText(dirs->Items()), "C:\\\r\nWindows\r\nFonts\r\nSystem32\r\n");
    for (const std::string text : {"C:\\Windows", "c:\\WINDOWS", ""}) {
        dirs->SetCurrentDir(text);
        EXPECT_EQ(takeEvents(), Names{}) << text;
        EXPECT_EQ(newSearches(), Names{}) << text;
    }
}

TEST_F(BrowseWorld, TheVolumesCaseFlagsRuleComparingAndDrawing)
{
    fs.setCaseFlags('C', false, false);
    dirs->RebuildItems();
    EXPECT_EQ(dirs->Items()[3], "System32");
    EXPECT_EQ(dirs->drawnText(3), "system32");

    // On a case-sensitive volume another case is another directory.
    fs.setCaseFlags('C', true, true);
    dirs->RebuildItems();
    EXPECT_EQ(dirs->drawnText(3), "System32");
    newSearches();
    dirs->SetCurrentDir("c:\\WINDOWS");
    EXPECT_EQ(newSearches(), (Names{"C:\\Windows\\*.*"}));
    EXPECT_EQ(takeEvents(), Names{"dir change C:\\Windows"});
}

// The listed folder (and maybe more above it) was removed: ".." still goes
// up from the path the lists entered, to the nearest ancestor that is left;
// a step down from there cannot be taken and changes nothing.
TEST_F(BrowseWorld, TypedStepsUpLeaveAFolderThatWasRemoved)
{
    const struct {
        const char* removed;
        const char* typed;
        const char* lands; // nothing: the move fails
    } cases[] = {
        {"C:\\Windows\\System32\\drivers", "..", "C:\\Windows\\System32"},
        {"C:\\Windows\\System32", "..", "C:\\Windows"},
        {"C:\\Windows", "..\\..\\.", "C:\\"},
        {"C:\\Windows\\System32", "..\\Fonts", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(caseLabel(c.typed) + " without " + caseLabel(c.removed));
        for (const char* d : {"C:\\Windows\\System32\\drivers", "C:\\Windows\\Fonts"})
            fs.addDirectory(d);
        dirs->SetCurrentDir("C:\\Windows\\System32\\drivers");
        fs.remove(c.removed);
        if (c.lands == nullptr) {
            EXPECT_THROW(files->ApplyPathText(c.typed), DirectoryChangeError);
            EXPECT_EQ(files->CurrentDir(), "C:\\Windows\\System32\\drivers");
        } else {
            files->ApplyPathText(c.typed);
            EXPECT_EQ(dirs->CurrentDir(), c.lands);
            EXPECT_EQ(files->CurrentDir(), c.lands);
        }
    }
}

TEST_F(BrowseWorld, AMoveRebuildsThenMovesTheFileListThenReports)
{
    dirs->OnChange = [this](TDirectoryListBox& l) {
        EXPECT_EQ(files->CurrentDir(), l.CurrentDir());
        events.push_back("dir change");
    };
    dirs->SetCurrentDir("System32");
    EXPECT_EQ(dirs->CurrentDir(), "C:\\Windows\\System32");
    EXPECT_EQ(newSearches(),
              (Names{"C:\\Windows\\System32\\*.*", "C:\\Windows\\System32\\*.exe", "C:\\Windows\\System32\\*.com"}));
    EXPECT_EQ(takeEvents(), (Names{"file change C:\\Windows\\System32", "dir change"}));
}

TEST_F(BrowseWorld, ADirectoryThatCannotBeSearchedHasNoSubdirectoriesAndNoError)
{
    fs.addDirectory("C:\\Locked\\Inner");
    fs.denySearch("C:\\Locked");
    dirs->SetCurrentDir("C:\\Locked");
    EXPECT_EQ(dirs->Items(), (Names{"C:\\", "Locked"}));
    EXPECT_EQ(takeEvents(), (Names{"file change C:\\Locked", "dir change C:\\Locked"}));
}

TEST_F(BrowseWorld, AUserSelectionClicksAndTheWindowOpensTheRow)
{
    dirs->OnClick = [this](TDirectoryListBox& l) {
        events.push_back("dir click " + std::to_string(l.ItemIndex()));
        l.OpenSelected();
    };
    dirs->selectByUser(3);
    EXPECT_EQ(takeEvents(),
              (Names{"dir click 3", "file change C:\\Windows\\System32", "dir change C:\\Windows\\System32"}));
    dirs->selectByUser(0);
    EXPECT_EQ(dirs->CurrentDir(), "C:\\");
    EXPECT_EQ(dirs->ItemIndex(), 0);
}

TEST_F(BrowseWorld, TypingSelectsTheFirstRowWithThePrefix)
{
    // Rows: C:\, Windows, Fonts, System32.
    dirs->setClock(manualClock());
    struct Key {
        std::chrono::milliseconds after;
        std::string key;
        std::string selected; // empty when the key selects nothing
    };
    const Key keys[] = {
        {0ms, "s", "dir click System32"}, {499ms, "Y", "dir click System32"}, {100ms, "x", ""},
        {500ms, "\b", "dir click C:\\"},  {100ms, "f", "dir click Fonts"},
    };
    for (const Key& k : keys) {
        now += k.after;
        dirs->typeKey(k.key);
        EXPECT_EQ(takeEvents(), k.selected.empty() ? Names{} : Names{k.selected}) << caseLabel(k.key);
    }
}

TEST_F(BrowseWorld, LinksAreMutualAndClearedWhenAControlGoes)
{
    EXPECT_EQ(files->directoryList(), dirs.get());
    EXPECT_EQ(dirs->driveSelector(), drives.get());
    TFileListBox other(fs, rules);
    dirs->SetFileList(&other);
    EXPECT_EQ(files->directoryList(), nullptr);
    EXPECT_EQ(other.directoryList(), dirs.get());
    dirs->SetFileList(files.get());
    EXPECT_EQ(other.directoryList(), nullptr);

    files.reset();
    EXPECT_EQ(dirs->FileList(), nullptr);
    EXPECT_EQ(filter->FileList(), nullptr);
    dirs.reset();
    EXPECT_EQ(drives->DirList(), nullptr);
    filter->chooseByUser(1); // no file list to set any more
}

} // namespace
} // namespace quorrin::browse::test
