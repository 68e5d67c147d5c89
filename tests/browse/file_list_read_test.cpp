#include "file_list_world.h"

#include "platform/errors.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <tuple>

namespace quorrin::browse::test {
namespace {

namespace attr = platform::attr;

TEST_F(FileListWorld, MasksAreSplitAtSemicolonsAndEachPieceUsedAsWritten)
{
    fs.addFile("C:\\Data\\ lead.com");
    fs.addFile("C:\\Data\\README");
    const std::pair<std::string, Names> cases[] = {
        // Two pieces matching the same files list them twice, side by side.
        {"*.txt;*.TXT", {"Notes.TXT", "Notes.TXT", "readme.txt", "readme.txt"}},
        // A leading blank is part of the pattern.
        {"*.exe; *.com", {" lead.com", "app.exe", "hidden.exe"}},
        // Empty pieces match nothing.
        {"*.txt;", {"Notes.TXT", "readme.txt"}},
        {";;", {}},
        {"*.zip", {}},
        // "*.*" also takes a name without a dot.
        {"*.*", {" lead.com", "app.exe", "hidden.exe", "Notes.TXT", "README", "readme.txt", "system.com", "tool.com"}},
    };
    for (const auto& [mask, items] : cases) {
        SCOPED_TRACE(mask);
        changes = 0;
        edit.selectAllCount = 0;
        list->SetMask(mask);
        EXPECT_EQ(list->Items(), items);
        // Every read ends with the notification, also when nothing matches.
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(edit.text(), mask);
        EXPECT_EQ(edit.selectAllCount, 1);
    }
}

TEST_F(FileListWorld, AReadSearchesTheListedDirectoryByItsFullPath)
{
    // Even when something else moved the process away, the read finds the
    // list's own directory and leaves the process there.
    fs.changeDirectory("D:\\Docs");
    list->Rescan();
    EXPECT_EQ(newSearches(), (Names{"C:\\Data\\*.exe", "C:\\Data\\*.com"}));
    EXPECT_EQ(list->Items(), (Names{"app.exe", "hidden.exe", "system.com", "tool.com"}));
    EXPECT_EQ(fs.currentDirectory(), "C:\\Data");
}

TEST_F(FileListWorld, SettersReadOnlyWhenTheValueReallyChanges)
{
    struct Step {
        const char* what;
        std::function<void(TFileListBox&)> act;
        bool reads;
    };
    const Step steps[] = {
        {"same mask", [](TFileListBox& l) { l.SetMask("*.exe;*.com"); }, false},
        // The mask compares byte for byte.
        {"mask in other case", [](TFileListBox& l) { l.SetMask("*.EXE;*.COM"); }, true},
        // The directory compares as a file name.
        {"directory in other case", [](TFileListBox& l) { l.SetCurrentDir("c:\\DATA"); }, false},
        {"same file type", [](TFileListBox& l) { l.SetFileType(mainWindowType); }, false},
        {"other file type", [](TFileListBox& l) { l.SetFileType(ftNormal); }, true},
        // A new format is composed from the read unless the folder changed.
        {"folder unchanged", [](TFileListBox& l) { l.RescanIfChanged(); }, false},
        {"folder changed",
         [this](TFileListBox& l) {
             fs.addFile("C:\\Data\\new.exe");
             l.RescanIfChanged();
         },
         true},
        {"relative directory", [](TFileListBox& l) { l.SetCurrentDir("Sub"); }, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        changes = 0;
        newSearches();
        step.act(*list);
        EXPECT_EQ(!newSearches().empty(), step.reads);
        EXPECT_EQ(changes, step.reads ? 1 : 0);
    }
    EXPECT_EQ(list->CurrentDir(), "C:\\Data\\Sub");
}

TEST_F(FileListWorld, NothingIsReadBeforeTheWindowExists)
{
    TFileListBox fresh(fs, rules);
    int freshChanges = 0;
    fresh.OnChange = [&](TFileListBox&) { ++freshChanges; };
    fresh.SetMask("*.com");
    fresh.SetCurrentDir("D:\\Work");
    fresh.Rescan();
    EXPECT_EQ(newSearches(), Names{});
    EXPECT_EQ(freshChanges, 0);

    fresh.createWindow();
    EXPECT_EQ(newSearches(), Names{"D:\\Work\\*.com"});
    EXPECT_EQ(fresh.Items(), Names{"job.com"});
    EXPECT_EQ(freshChanges, 1);
}

TEST_F(FileListWorld, TheFileTypeDecidesWhichEntriesAreListed)
{
    fs.addFile("C:\\Data\\locked.exe", 0, {}, attr::readOnly);
    fs.addFile("C:\\Data\\plain.exe", 0, {}, 0);
    fs.addDirectory("C:\\Data\\HiddenDir.exe", attr::hidden);
    const struct {
        const char* what;
        FileType type;
        Names items;
    } cases[] = {
        // Hidden and system files are listed, directories never.
        {"main window", mainWindowType, {"app.exe", "hidden.exe", "locked.exe", "plain.exe", "system.com", "tool.com"}},
        // The default: whatever has none of hidden, system, directory.
        {"default", ftNormal, {"app.exe", "locked.exe", "plain.exe", "tool.com"}},
        // Without ftNormal only entries sharing a bit with the set are kept.
        {"read-only only", ftReadOnly, {"locked.exe"}},
        // Directories in brackets, "." and ".." among them; hidden ones stay out.
        {"directories",
         ftDirectory | ftNormal,
         {"[..]", "[.]", "[Folder.exe]", "app.exe", "locked.exe", "plain.exe", "tool.com"}},
        {"hidden directories too",
         ftDirectory | ftHidden,
         {"[..]", "[.]", "[Folder.exe]", "[HiddenDir.exe]", "hidden.exe"}},
    };
    list->SetMask("*.*");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        list->SetFileType(c.type);
        Names exes;
        std::copy_if(list->Items().begin(), list->Items().end(), std::back_inserter(exes), [](const std::string& s) {
            return s.find(".exe") != std::string::npos || s.find(".com") != std::string::npos || s.starts_with("[.");
        });
        EXPECT_EQ(exes, c.items);
    }
}

TEST_F(FileListWorld, ADirectoryThatCannotBeEnteredOrIsGoneChangesNothing)
{
    fs.addFile("C:\\Locked\\x.exe");
    fs.denyEnter("C:\\Locked");
    fs.setNotReady('D', true);
    list->selectByUser(1);
    changes = 0;
    struct Refusal {
        std::string dir;
        std::string message;
    };
    const Refusal refusals[] = {
        {"C:\\Locked", "File access denied"}, {"C:\\Nowhere", "File not found"}, {"D:\\Docs", "I/O error 21"}};
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.dir);
        try {
            list->SetCurrentDir(r.dir);
            ADD_FAILURE() << "expected a refusal";
        } catch (const DirectoryChangeError& e) {
            EXPECT_EQ(std::string(e.what()), r.message);
        }
        EXPECT_EQ(list->CurrentDir(), "C:\\Data");
        EXPECT_EQ(list->Items(), (Names{"app.exe", "hidden.exe", "system.com", "tool.com"}));
        EXPECT_EQ(list->SelectedName(), "hidden.exe");
        EXPECT_EQ(changes, 0);
        EXPECT_EQ(fs.currentDirectory(), "C:\\Data");
    }
    // A rescan of a directory that went away keeps the items.
    list->SetCurrentDir("Sub");
    changes = 0;
    fs.remove("C:\\Data\\Sub");
    EXPECT_THROW(list->Rescan(), DirectoryChangeError);
    EXPECT_EQ(list->Items(), Names{"inner.exe"});
    EXPECT_EQ(changes, 0);

    // One that can be entered but not searched lists nothing, without an error.
    fs.addFile("C:\\Blind\\y.exe");
    fs.denySearch("C:\\Blind");
    list->SetCurrentDir("C:\\Blind");
    EXPECT_EQ(list->CurrentDir(), "C:\\Blind");
    EXPECT_EQ(list->Items(), Names{});
    EXPECT_EQ(changes, 1);
}

TEST_F(FileListWorld, ItemsAreSortedWithoutRegardToCaseJapaneseAfterLatin)
{
    for (const std::string& name :
         Names{"b.exe", hyo + ".exe", "A.exe", "_x.exe", "c.EXE", katakanaA + ".exe", "10.exe"})
        fs.addFile("C:\\Sorted\\" + name);
    list->SetCurrentDir("C:\\Sorted");
    EXPECT_EQ(list->Items(), (Names{"10.exe", "_x.exe", "A.exe", "b.exe", "c.EXE", katakanaA + ".exe", hyo + ".exe"}));
}

TEST_F(FileListWorld, TheReadKeepsWhatTheComposerNeedsOfEveryEntry)
{
    constexpr std::uint64_t fiveGiB = 5ULL << 30;
    const platform::FileTime when = platform::fileTimeFromUnix(1'700'000'000);
    fs.addFile("C:\\Data\\big.exe", fiveGiB, when, attr::readOnly | attr::archive);
    list->SetFileType(mainWindowType | ftDirectory);

    const auto big = list->fileInformation("big.exe");
    ASSERT_TRUE(big.has_value());
    EXPECT_EQ(std::tie(big->name, big->size, big->lastWrite, big->attributes),
              std::make_tuple(std::string("big.exe"), fiveGiB, when, attr::readOnly | attr::archive));

    const auto folder = list->fileInformation("[Folder.exe]");
    ASSERT_TRUE(folder.has_value());
    EXPECT_EQ(folder->name, "Folder.exe");
    EXPECT_TRUE(folder->isDirectory());

    EXPECT_FALSE(list->fileInformation("readme.txt").has_value()); // not listed
    EXPECT_FALSE(list->fileInformation("APP.EXE").has_value());    // item texts match exactly
}

// Counts how often the list asks for the locale's order, and can fail a
// read the way a failing disk would, part way through.
class ProbeRules final : public text::TextRules {
public:
    explicit ProbeRules(const text::TextRules& inner) : inner_(inner) {}
    std::size_t charLength(std::string_view s, std::size_t i) const override { return inner_.charLength(s, i); }
    std::string lowerAsFileName(std::string_view s) const override { return inner_.lowerAsFileName(s); }
    std::string upperAsFileName(std::string_view s) const override { return inner_.upperAsFileName(s); }
    int compare(std::string_view a, std::string_view b) const override
    {
        ++compares;
        return inner_.compare(a, b);
    }
    std::string sortKey(std::string_view s) const override
    {
        if (failing)
            throw std::runtime_error("disk failed");
        ++sortKeys;
        return inner_.sortKey(s);
    }
    std::string fromUtf8(std::string_view utf8) const override { return inner_.fromUtf8(utf8); }

    mutable int compares = 0;
    mutable int sortKeys = 0;
    bool failing = false;

private:
    const text::TextRules& inner_;
};

TEST_F(FileListWorld, AReadCollatesEachEntryOnceAndSignalsBusyPastAHundredEntries)
{
    for (int i = 0; i < 60; ++i)
        for (const char* ext : {".com", ".txt", i < 40 ? ".log" : ".zip"})
            fs.addFile("C:\\Big\\f" + std::to_string(i) + ext);
    ProbeRules probe(rules);
    TFileListBox big(fs, probe);
    Names events;
    big.OnBusyChange = [&](bool busy) { events.push_back(busy ? "busy" : "idle"); };
    big.OnChange = [&](TFileListBox&) { events.push_back("change"); };
    big.SetCurrentDir("C:\\Big");
    big.SetMask("*.com;*.log");
    big.createWindow();
    // A hundred entries: no busy signal.
    EXPECT_EQ(events, Names{"change"});

    // The count runs across the pieces of the mask.
    events.clear();
    probe.sortKeys = 0;
    probe.compares = 0;
    big.SetMask("*.com;*.txt");
    EXPECT_EQ(events, (Names{"busy", "idle", "change"}));
    ASSERT_EQ(big.Items().size(), 120u);
    // One key per entry and no comparisons through the locale.
    EXPECT_EQ(probe.sortKeys, 120);
    EXPECT_EQ(probe.compares, 0);
    EXPECT_TRUE(std::is_sorted(big.Items().begin(), big.Items().end(), [&](const std::string& a, const std::string& b) {
        return rules.sortKey(a) < rules.sortKey(b);
    }));

    // The signal is cleared also when the read fails.
    events.clear();
    probe.failing = true;
    EXPECT_THROW(big.Rescan(), std::runtime_error);
    EXPECT_EQ(events, (Names{"busy", "idle"}));
}

} // namespace
} // namespace quorrin::browse::test
