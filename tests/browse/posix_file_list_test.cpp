#include "browse/file_list_box.h"

#include "file_list_world.h"
#include "platform/errors.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/utf8_text_rules.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

#include <filesystem>
#include <ostream>
#include <sys/stat.h>

namespace quorrin::browse::test {
namespace {

using platform::posix::PosixFileSystem;
using platform::posix::Utf8TextRules;

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

    std::string parentOfDir() const { return std::filesystem::path(dir.path()).parent_path().string(); }

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

struct PosixTypedCase {
    std::string text;       // "@" stands for the temporary folder
    std::string currentDir; // likewise; "^" for its parent
    std::string mask;
    std::string selected;
};

// Names the case by its text in test listings.
void PrintTo(const PosixTypedCase& c, std::ostream* os)
{
    *os << c.text;
}

class PosixTypedText : public PosixFileList, public ::testing::WithParamInterface<PosixTypedCase> {
protected:
    std::string expand(const std::string& s) const
    {
        if (s.starts_with("@"))
            return dir.path() + s.substr(1);
        if (s == "^")
            return parentOfDir();
        return s;
    }
};

TEST_P(PosixTypedText, LandsWhereTheTextSays)
{
    const PosixTypedCase& c = GetParam();
    list->ApplyPathText(expand(c.text));
    EXPECT_EQ(list->CurrentDir(), expand(c.currentDir));
    EXPECT_EQ(list->Mask(), c.mask);
    EXPECT_EQ(list->SelectedName(), c.selected);
    EXPECT_EQ(edit.text(), c.selected.empty() ? c.mask : c.selected);
    EXPECT_EQ(fs.currentDirectory(), list->CurrentDir());
}

INSTANTIATE_TEST_SUITE_P(Slashes, PosixTypedText,
                         ::testing::Values(PosixTypedCase{"*.exe", "@", "*.exe", ""},
                                           PosixTypedCase{"[サブ]", "@/サブ", "*.txt", ""},
                                           PosixTypedCase{"サブ/", "@/サブ", "*.txt", ""},
                                           PosixTypedCase{"サブ/奥", "@/サブ/奥", "*.txt", ""},
                                           PosixTypedCase{"@/サブ/*.*", "@/サブ", "*.*", ""},
                                           PosixTypedCase{"..", "^", "*.txt", ""},
                                           PosixTypedCase{"/", "/", "*.txt", ""},
                                           // A directory whose name the mask matches is entered.
                                           PosixTypedCase{"d.txt", "@/d.txt", "*.txt", ""},
                                           PosixTypedCase{"日本語.txt", "@", "*.txt", "日本語.txt"},
                                           PosixTypedCase{"プログラム.exe", "@", "プログラム.exe", "プログラム.exe"}));

TEST_F(PosixFileList, SelectedPathJoinsWithASlash)
{
    list->SelectName("日本語.txt");
    EXPECT_EQ(list->SelectedPath(), dir.path() + "/日本語.txt");
    // The selected path typed again changes nothing.
    list->ApplyPathText(dir.path() + "/日本語.txt");
    EXPECT_EQ(list->SelectedName(), "日本語.txt");
}

TEST_F(PosixFileList, ANameThatIsNeitherFileNorDirectoryChangesNothing)
{
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
