#include "browse/file_list_box.h"

#include "file_list_world.h"
#include "platform/errors.h"
#include "platform/posix/posix_file_system.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"
#include "text/utf8_text_rules.h"

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace quorrin::browse::test {
namespace {

using platform::posix::PosixFileSystem;
using text::Utf8TextRules;

// A real folder with Japanese names, listed the way the main window lists.
class PosixFileList : public ::testing::Test {
protected:
    PosixFileList()
    {
        dir.writeFile("b.txt");
        dir.writeFile("A.txt");
        dir.writeFile("日本語.txt");
        dir.writeFile(".隠し.txt");
        dir.writeFile("プログラム.exe");
        dir.makeDirectory("サブ");
        dir.writeFile("サブ/中.txt");
        dir.makeDirectory("サブ/奥");
        dir.makeDirectory("d.txt");
        fs.changeDirectory(dir.path());
        list = std::make_unique<TFileListBox>(fs, rules);
        list->SetFileType(mainWindowType);
        list->SetMask("*.txt");
        list->SetFileEdit(&edit);
        list->createWindow();
    }

    testing::TempDir dir;
    Utf8TextRules rules;
    PosixFileSystem fs{rules};
    RecordingEditBox edit;
    std::unique_ptr<TFileListBox> list;
};

TEST_F(PosixFileList, ListsDotFilesAsHiddenAndNeverDirectories)
{
    EXPECT_EQ(list->CurrentDir(), dir.path());
    EXPECT_EQ(list->Items(), (Names{".隠し.txt", "A.txt", "b.txt", "日本語.txt"}));
    EXPECT_EQ(fs.currentDirectory(), dir.path());

    // The default type leaves hidden files out.
    list->SetFileType(ftNormal);
    EXPECT_EQ(list->Items(), (Names{"A.txt", "b.txt", "日本語.txt"}));

    list->SetFileType(mainWindowType);
    const auto info = list->fileInformation(".隠し.txt");
    ASSERT_TRUE(info.has_value());
    EXPECT_NE(info->attributes & platform::attr::hidden, 0u);
}

TEST_F(PosixFileList, NamesThatDifferOnlyInCaseComeInOneFixedOrder)
{
    for (const std::string name : {"x.log", "X.LOG", "x.LOG", "X.log"})
        dir.writeFile(name);
    list->SetMask("*.log");
    EXPECT_EQ(list->Items(), (Names{"X.LOG", "X.log", "x.LOG", "x.log"}));
}

TEST_F(PosixFileList, FoldersThatDifferOnlyInCaseAreTwoPlaces)
{
    dir.makeDirectory("Data");
    dir.makeDirectory("data");
    dir.writeFile("Data/upper.txt");
    dir.writeFile("data/lower.txt");
    list->SetCurrentDir(dir / "Data");
    EXPECT_EQ(list->Items(), (Names{"upper.txt"}));
    list->SetCurrentDir(dir / "data");
    EXPECT_EQ(list->CurrentDir(), dir / "data");
    EXPECT_EQ(list->Items(), (Names{"lower.txt"}));
}

TEST_F(PosixFileList, TypedTextLandsWhereItSays)
{
    // "@" stands for the temporary folder. A directory whose name the mask
    // matches is entered.
    const struct {
        std::string text, currentDir, mask, selected;
    } cases[] = {{"*.exe", "@", "*.exe", ""},
                 {"サブ/奥", "@/サブ/奥", "*.txt", ""},
                 {"@/サブ/*.*", "@/サブ", "*.*", ""},
                 {"/", "/", "*.txt", ""},
                 {"d.txt", "@/d.txt", "*.txt", ""},
                 {"日本語.txt", "@", "*.txt", "日本語.txt"},
                 {"プログラム.exe", "@", "プログラム.exe", "プログラム.exe"}};
    auto expand = [&](const std::string& s) { return s.starts_with("@") ? dir.path() + s.substr(1) : s; };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        list->SetCurrentDir(dir.path());
        list->SetMask("*.txt");
        list->ApplyPathText(expand(c.text));
        EXPECT_EQ(list->CurrentDir(), expand(c.currentDir));
        EXPECT_EQ(list->Mask(), c.mask);
        EXPECT_EQ(list->SelectedName(), c.selected);
        EXPECT_EQ(edit.text(), c.selected.empty() ? c.mask : c.selected);
        EXPECT_EQ(fs.currentDirectory(), list->CurrentDir());
    }
}

// Each change a listed row could show makes the next rebuild read again; a
// folder left alone is composed from what was read, without a search.
TEST_F(PosixFileList, TheFolderIsReadAgainOnlyAfterItChanged)
{
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"a file grew", [&] { dir.writeFile("b.txt", "longer"); }},
        {"a file was re-dated", [&] { utimensat(AT_FDCWD, (dir / "A.txt").c_str(), nullptr, 0); }},
        {"a file was removed", [&] { std::filesystem::remove(dir / "b.txt"); }},
        {"a file was renamed", [&] { std::filesystem::rename(dir / "A.txt", dir / "c.txt"); }},
        {"a file came", [&] { dir.writeFile("new.txt"); }},
        {"its permissions changed", [&] { chmod((dir / "new.txt").c_str(), 0444); }},
    };
    int reads = 0;
    list->OnChange = [&](TFileListBox&) { ++reads; };
    for (const auto& [what, change] : changes) {
        SCOPED_TRACE(what);
        EXPECT_FALSE(list->RescanIfChanged());
        change();
        EXPECT_TRUE(list->RescanIfChanged());
        EXPECT_FALSE(list->RescanIfChanged());
    }
    EXPECT_EQ(reads, 6);
    EXPECT_EQ(list->Items(), (Names{".隠し.txt", "c.txt", "new.txt", "日本語.txt"}));
    EXPECT_EQ(list->fileInformation("new.txt")->attributes & platform::attr::readOnly,
              geteuid() == 0 ? 0u : platform::attr::readOnly);
}

TEST_F(PosixFileList, SelectedPathJoinsWithASlashAndANameThatIsNeitherFileNorDirectoryChangesNothing)
{
    list->SelectName("日本語.txt");
    EXPECT_EQ(list->SelectedPath(), dir.path() + "/日本語.txt");
    EXPECT_THROW(list->ApplyPathText("ない"), DirectoryChangeError);
    EXPECT_THROW(list->ApplyPathText("サブ/ない/x"), DirectoryChangeError);
    EXPECT_EQ(list->CurrentDir(), dir.path());
    EXPECT_EQ(list->Mask(), "*.txt");
    EXPECT_EQ(fs.currentDirectory(), dir.path());
}

TEST_F(PosixFileList, PermissionsDecideBetweenAnEmptyListAndARefusal)
{
    dir.makeDirectory("closed");
    dir.makeDirectory("unreadable");
    dir.writeFile("unreadable/secret.txt");
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(chmod((dir / "closed").c_str(), 0644), 0);
    ASSERT_EQ(chmod((dir / "unreadable").c_str(), 0711), 0);

    const std::string failure = testing::runUnprivileged([&]() -> std::string {
        PosixFileSystem own(rules);
        own.changeDirectory(dir.path());
        TFileListBox unprivileged(own, rules);
        int changes = 0;
        unprivileged.OnChange = [&](TFileListBox&) { ++changes; };
        unprivileged.SetFileType(mainWindowType);
        unprivileged.createWindow();
        const std::size_t listed = unprivileged.Items().size();
        try {
            unprivileged.SetCurrentDir("closed");
            return "a directory that cannot be entered should be refused";
        } catch (const DirectoryChangeError& e) {
            if (std::string(e.what()) != "File access denied")
                return std::string("wrong refusal: ") + e.what();
        }
        if (unprivileged.CurrentDir() != dir.path() || unprivileged.Items().size() != listed || changes != 1)
            return "a refused directory changed the list";
        unprivileged.SetCurrentDir("unreadable");
        if (!unprivileged.Items().empty() || changes != 2)
            return "a directory that cannot be searched should give an empty list and a notification";
        return {};
    });
    EXPECT_EQ(failure, "");
}

} // namespace
} // namespace quorrin::browse::test
