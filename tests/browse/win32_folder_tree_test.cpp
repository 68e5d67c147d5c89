#include "browse/folder_tree_read.h"

#include "file_list_world.h"
#include "platform/win32/ansi_text_rules.h"
#include "platform/win32/win32_file_system.h"
#include "support/win32_temp_dir.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>

namespace quorrin::browse::test {
namespace {

using platform::win32::AnsiTextRules;
using platform::win32::Win32FileSystem;
using testing::Win32TempDir;

// A folder opened so that nobody else may open it until this goes.
class FolderLock {
public:
    explicit FolderLock(const std::string& path)
        : h_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr))
    {
    }
    ~FolderLock()
    {
        if (h_ != INVALID_HANDLE_VALUE)
            CloseHandle(h_);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool held() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

const AnsiTextRules rules;

// Below the listed folder, in walk order: Alpha, beta, beta\deep, gamma,
// each holding a file.
void makeTree(const Win32TempDir& dir)
{
    dir.writeFile("top.txt");
    for (const char* folder : {"Alpha", "beta", "beta\\deep", "gamma"}) {
        dir.makeDirectory(folder);
        dir.writeFile(std::string(folder) + "\\f.txt");
    }
}

// On one thread, so that a change made after the first folder's files
// meets the others unread.
FolderTree walk(const Win32TempDir& dir, const WalkProgress& progress = {})
{
    const Win32FileSystem fs(rules);
    return readFoldersBelow(fs, rules, dir.path(), "*.txt", mainWindowType, WalkOptions{true, 0, 1}, progress);
}

// Paths below the listed folder.
Names below(const Win32TempDir& dir, const Names& paths)
{
    Names result;
    for (const std::string& path : paths)
        result.push_back(path.substr(dir.path().size() + 1));
    return result;
}

Names listedFolders(const Win32TempDir& dir, const FolderTree& tree)
{
    Names paths;
    for (const ListedFolder& folder : tree.folders)
        paths.push_back(folder.path);
    return below(dir, paths);
}

// Nobody may open a locked folder, which the system still says exists:
// the one refusal a test can cause under every version of the system.
TEST(Win32FolderTree, FoldersThatCannotBeReadAreNamedAndTheWalkGoesOn)
{
    std::unique_ptr<FolderLock> lock;
    const auto lockBeta = [&](const Win32TempDir& d) { lock = std::make_unique<FolderLock>(d / "beta"); };
    const struct {
        const char* what;
        // Done before the walk, or after the first folder's files when
        // `midWalk` is set.
        std::function<void(const Win32TempDir&)> spoil;
        bool midWalk;
        Names listed;
        Names unreadable;
    } cases[] = {
        {"nothing wrong", [](const Win32TempDir&) {}, false, {"Alpha", "beta", "beta\\deep", "gamma"}, {}},
        // Its subfolders cannot be known.
        {"locked", lockBeta, false, {"Alpha", "gamma"}, {"beta"}},
        {"locked while walked", lockBeta, true, {"Alpha", "beta\\deep", "gamma"}, {"beta"}},
        {"removed while walked",
         [](const Win32TempDir& d) { d.remove("beta"); },
         true,
         {"Alpha", "gamma"},
         {"beta", "beta\\deep"}},
        {"replaced by a file while walked",
         [](const Win32TempDir& d) {
             d.remove("gamma");
             d.writeFile("gamma", "now a file");
         },
         true,
         {"Alpha", "beta", "beta\\deep"},
         {"gamma"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Win32TempDir dir;
        makeTree(dir);
        if (!c.midWalk)
            c.spoil(dir);
        bool spoiled = !c.midWalk;
        const FolderTree tree = walk(dir, [&](std::size_t) {
            if (!spoiled)
                c.spoil(dir);
            spoiled = true;
            return true;
        });
        EXPECT_TRUE(!lock || lock->held());
        lock.reset();
        EXPECT_EQ(listedFolders(dir, tree), c.listed);
        EXPECT_EQ(below(dir, tree.unreadable), c.unreadable);
        EXPECT_EQ(tree.entryCount, c.listed.size());
    }
}

std::wstring longForm(const std::string& path)
{
    return L"\\\\?\\" + std::wstring(path.begin(), path.end());
}

// A chain of folders whose paths grow past MAX_PATH, each holding a file:
// the walk lists those the system can reach and names the first beyond.
TEST(Win32FolderTree, AFolderPastThePathLimitIsNamed)
{
    const Win32TempDir dir;
    makeTree(dir);
    const std::string name(60, 'n');
    Names chain;
    for (std::string path = dir / "chain"; path.size() < 2 * MAX_PATH; path += "\\" + name) {
        ASSERT_TRUE(CreateDirectoryW(longForm(path).c_str(), nullptr)) << path.size();
        const HANDLE file = CreateFileW(longForm(path + "\\f.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        CloseHandle(file);
        chain.push_back(path);
    }
    const FolderTree tree = walk(dir);
    std::optional<std::string> firstTooLong;
    Names listed;
    for (const std::string& path : chain) {
        if (path.size() + 4 < MAX_PATH)
            listed.push_back(path.substr(dir.path().size() + 1));
        else if (!firstTooLong)
            firstTooLong = path;
    }
    listed.insert(listed.end(), {"gamma"});
    listed.insert(listed.begin(), {"Alpha", "beta", "beta\\deep"});
    EXPECT_EQ(listedFolders(dir, tree), listed);
    EXPECT_EQ(tree.unreadable, Names{firstTooLong.value()});

    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        DeleteFileW(longForm(*it + "\\f.txt").c_str());
        RemoveDirectoryW(longForm(*it).c_str());
    }
}

} // namespace
} // namespace quorrin::browse::test
