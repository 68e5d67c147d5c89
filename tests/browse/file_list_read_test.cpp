#include "file_list_world.h"

#include "platform/errors.h"

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>

namespace quorrin::browse::test {
namespace {

namespace attr = platform::attr;

struct MaskCase {
    std::string mask;
    Names items;
};

TEST_F(FileListWorld, MasksAreSplitAtSemicolonsAndEachPieceUsedAsWritten)
{
    fs.addFile("C:\\Data\\ lead.com");
    fs.addFile("C:\\Data\\README");
    const MaskCase cases[] = {
        {"*.txt", {"Notes.TXT", "readme.txt"}},
        // Two pieces matching the same files list them twice, side by side.
        {"*.txt;*.TXT", {"Notes.TXT", "Notes.TXT", "readme.txt", "readme.txt"}},
        // A leading blank is part of the pattern.
        {"*.exe; *.com", {" lead.com", "app.exe", "hidden.exe"}},
        {" *.com", {" lead.com"}},
        // Empty pieces match nothing.
        {"*.txt;", {"Notes.TXT", "readme.txt"}},
        {";;", {}},
        {"*.zip", {}},
        {"?eadme.*", {"README", "readme.txt"}},
        // "*.*" also takes a name without a dot.
        {"*.*", {" lead.com", "app.exe", "hidden.exe", "Notes.TXT", "README", "readme.txt", "system.com", "tool.com"}},
    };
    for (const MaskCase& c : cases) {
        SCOPED_TRACE(c.mask);
        list->SetMask(c.mask);
        EXPECT_EQ(list->Items(), c.items);
    }
}

TEST_F(FileListWorld, EveryReadEndsWithTheChangeNotificationEvenWhenNothingMatches)
{
    edit.selectAllCount = 0;
    list->SetMask("*.zip");
    EXPECT_EQ(list->Items().size(), 0u);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(edit.text(), "*.zip");
    EXPECT_EQ(edit.selectAllCount, 1);
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(list->lastReportedSelection(), -1);
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
        {"same directory", [](TFileListBox& l) { l.SetCurrentDir("C:\\Data"); }, false},
        // The directory compares as a file name.
        {"directory in other case", [](TFileListBox& l) { l.SetCurrentDir("c:\\DATA"); }, false},
        {"same file type", [](TFileListBox& l) { l.SetFileType(mainWindowType); }, false},
        {"other file type", [](TFileListBox& l) { l.SetFileType(ftNormal); }, true},
        {"rescan", [](TFileListBox& l) { l.Rescan(); }, true},
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
    fresh.SetFileType(mainWindowType);
    fresh.SetCurrentDir("D:\\Work");
    fresh.Rescan();
    EXPECT_EQ(newSearches(), Names{});
    EXPECT_EQ(freshChanges, 0);
    EXPECT_EQ(fresh.CurrentDir(), "D:\\Work");

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
    struct TypeCase {
        const char* what;
        FileType type;
        Names items;
    };
    const TypeCase cases[] = {
        // Hidden and system files are listed, directories never.
        {"main window", mainWindowType, {"app.exe", "hidden.exe", "locked.exe", "plain.exe", "system.com", "tool.com"}},
        // The default: whatever has none of hidden, system, directory.
        {"default", ftNormal, {"app.exe", "locked.exe", "plain.exe", "tool.com"}},
        // Without ftNormal only entries sharing a bit with the set are kept.
        {"read-only only", ftReadOnly, {"locked.exe"}},
        {"archive only", ftArchive, {"app.exe", "tool.com"}},
        // Directories in brackets, "." and ".." among them; hidden ones stay out.
        {"directories",
         ftDirectory | ftNormal,
         {"[..]", "[.]", "[Folder.exe]", "app.exe", "locked.exe", "plain.exe", "tool.com"}},
        {"hidden directories too",
         ftDirectory | ftHidden,
         {"[..]", "[.]", "[Folder.exe]", "[HiddenDir.exe]", "hidden.exe"}},
    };
    list->SetMask("*.*");
    for (const TypeCase& c : cases) {
        SCOPED_TRACE(c.what);
        list->SetFileType(c.type);
        Names exes;
        for (const std::string& item : list->Items()) {
            if (item.find(".exe") != std::string::npos || item.find(".com") != std::string::npos ||
                item.starts_with("[."))
                exes.push_back(item);
        }
        EXPECT_EQ(exes, c.items);
    }
}

TEST_F(FileListWorld, ADirectoryThatCannotBeSearchedListsNothingWithoutAnError)
{
    fs.addFile("C:\\Blind\\y.exe");
    fs.denySearch("C:\\Blind");
    list->SetCurrentDir("C:\\Blind");
    EXPECT_EQ(list->CurrentDir(), "C:\\Blind");
    EXPECT_EQ(list->Items(), Names{});
    EXPECT_EQ(changes, 1);
}

TEST_F(FileListWorld, ADirectoryThatCannotBeEnteredChangesNothing)
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
        {"C:\\Locked", "File access denied"},
        {"C:\\Nowhere", "File not found"},
        {"D:\\Docs", "I/O error 21"},
    };
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
}

TEST_F(FileListWorld, ARescanOfADirectoryThatWentAwayKeepsTheItems)
{
    list->SetCurrentDir("Sub");
    changes = 0;
    fs.remove("C:\\Data\\Sub");
    EXPECT_THROW(list->Rescan(), DirectoryChangeError);
    EXPECT_EQ(list->Items(), Names{"inner.exe"});
    EXPECT_EQ(changes, 0);
}

TEST_F(FileListWorld, ItemsAreSortedWithoutRegardToCaseJapaneseAfterLatin)
{
    const Names made = {"b.exe", hyo + ".exe", "A.exe", "_x.exe", "c.EXE", katakanaA + ".exe", "10.exe"};
    for (const std::string& name : made)
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
    list->Rescan();

    const auto big = list->fileInformation("big.exe");
    ASSERT_TRUE(big.has_value());
    EXPECT_EQ(big->name, "big.exe");
    EXPECT_EQ(big->size, fiveGiB);
    EXPECT_EQ(big->lastWrite, when);
    EXPECT_EQ(big->attributes, attr::readOnly | attr::archive);

    const auto hidden = list->fileInformation("hidden.exe");
    ASSERT_TRUE(hidden.has_value());
    EXPECT_EQ(hidden->attributes, attr::hidden | attr::archive);
    EXPECT_EQ(hidden->size, 7u);

    const auto folder = list->fileInformation("[Folder.exe]");
    ASSERT_TRUE(folder.has_value());
    EXPECT_EQ(folder->name, "Folder.exe");
    EXPECT_TRUE(folder->isDirectory());

    EXPECT_FALSE(list->fileInformation("readme.txt").has_value()); // not listed
    EXPECT_FALSE(list->fileInformation("APP.EXE").has_value());    // item texts match exactly
}

TEST_F(FileListWorld, EveryListedNameFindsItsOwnInformation)
{
    // Many names in mixed case and out of order, each with its own size.
    std::map<std::string, std::uint64_t> sizes;
    for (int i = 0; i < 300; ++i) {
        std::string name = (i % 3 == 0 ? "F" : "f") + std::to_string((i * 7919) % 1000) + ".exe";
        if (i % 5 == 0)
            name = hyo + name;
        sizes[name] = static_cast<std::uint64_t>(i) + 1;
        fs.addFile("C:\\Many\\" + name, sizes[name]);
    }
    list->SetCurrentDir("C:\\Many");
    ASSERT_EQ(list->Items().size(), sizes.size());
    for (const std::string& item : list->Items()) {
        const auto info = list->fileInformation(item);
        ASSERT_TRUE(info.has_value()) << item;
        EXPECT_EQ(info->size, sizes.at(item)) << item;
    }
}

TEST_F(FileListWorld, TheBusySignalCoversReadsOfMoreThanAHundredEntries)
{
    for (int i = 0; i < 60; ++i) {
        fs.addFile("C:\\Sixty\\f" + std::to_string(i) + ".exe");
        fs.addFile("C:\\Sixty\\f" + std::to_string(i) + ".com");
    }
    for (int i = 0; i < 100; ++i)
        fs.addFile("C:\\Hundred\\f" + std::to_string(i) + ".exe");

    Names events;
    list->OnBusyChange = [&](bool busy) { events.push_back(busy ? "busy" : "idle"); };
    list->OnChange = [&](TFileListBox&) { events.push_back("change"); };

    list->SetCurrentDir("C:\\Hundred");
    EXPECT_EQ(events, Names{"change"});

    // Sixty of each kind: the count runs across the pieces of the mask.
    events.clear();
    list->SetCurrentDir("C:\\Sixty");
    EXPECT_EQ(events, (Names{"busy", "idle", "change"}));
    EXPECT_EQ(list->Items().size(), 120u);
}

// Counts how often the list asks for the locale's order.
class CountingRules final : public platform::TextRules {
public:
    explicit CountingRules(const platform::TextRules& inner) : inner_(inner) {}
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
        ++sortKeys;
        return inner_.sortKey(s);
    }
    std::string fromUtf8(std::string_view utf8) const override { return inner_.fromUtf8(utf8); }

    mutable int compares = 0;
    mutable int sortKeys = 0;

private:
    const platform::TextRules& inner_;
};

TEST_F(FileListWorld, AReadCollatesEveryEntryOnceAndSortsOnce)
{
    constexpr int count = 1000;
    for (int i = count; i > 0; --i)
        fs.addFile("C:\\Big\\n" + std::to_string((i * 7) % count) + ".exe");
    CountingRules counting(rules);
    TFileListBox big(fs, counting);
    big.SetCurrentDir("C:\\Big");
    counting.compares = 0;
    counting.sortKeys = 0;
    big.createWindow();
    ASSERT_EQ(big.Items().size(), static_cast<std::size_t>(count));
    EXPECT_EQ(counting.sortKeys, count);
    EXPECT_EQ(counting.compares, 0);
    EXPECT_TRUE(std::is_sorted(big.Items().begin(), big.Items().end(), [&](const std::string& a, const std::string& b) {
        return rules.sortKey(a) < rules.sortKey(b);
    }));
}

// Forwards to the in-memory file system, but a search breaks off with an
// error after a number of entries, as a failing disk might.
class BreakingFileSystem final : public platform::FileSystem {
public:
    BreakingFileSystem(testing::MemoryFileSystem& inner, int entriesBeforeFailure)
        : inner_(inner), left_(entriesBeforeFailure)
    {
    }
    platform::PathSyntax pathSyntax() const override { return inner_.pathSyntax(); }
    std::string currentDirectory() const override { return inner_.currentDirectory(); }
    void changeDirectory(const std::string& path) override { inner_.changeDirectory(path); }
    std::string volumeCurrentDirectory(const platform::Volume& v) const override
    {
        return inner_.volumeCurrentDirectory(v);
    }
    bool directoryExists(const std::string& path) const override { return inner_.directoryExists(path); }
    bool fileExists(const std::string& path) const override { return inner_.fileExists(path); }
    std::optional<platform::DirEntry> lookUp(const std::string& path) const override { return inner_.lookUp(path); }
    void search(const std::string& pattern, std::uint32_t searchAttr,
                const std::function<void(const platform::DirEntry&)>& visit) const override
    {
        inner_.search(pattern, searchAttr, [&](const platform::DirEntry& e) {
            if (left_-- == 0)
                throw std::runtime_error("disk failed");
            visit(e);
        });
    }
    std::vector<platform::Volume> volumes() const override { return inner_.volumes(); }
    std::optional<platform::VolumeInformation> volumeInformation(const std::string& root) const override
    {
        return inner_.volumeInformation(root);
    }
    std::optional<std::string> remoteName(const platform::Volume& v) const override { return inner_.remoteName(v); }

private:
    testing::MemoryFileSystem& inner_;
    mutable int left_;
};

TEST_F(FileListWorld, TheBusySignalIsClearedWhenAReadFails)
{
    for (int i = 0; i < 200; ++i)
        fs.addFile("C:\\Many\\f" + std::to_string(i) + ".exe");
    BreakingFileSystem breaking(fs, 150);
    fs.changeDirectory("C:\\Many");
    TFileListBox failing(breaking, rules);
    Names events;
    failing.OnBusyChange = [&](bool busy) { events.push_back(busy ? "busy" : "idle"); };
    failing.OnChange = [&](TFileListBox&) { events.push_back("change"); };
    EXPECT_THROW(failing.createWindow(), std::runtime_error);
    EXPECT_EQ(events, (Names{"busy", "idle"}));
}

} // namespace
} // namespace quorrin::browse::test
