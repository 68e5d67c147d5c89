#include "browse/directory_list_box.h"
#include "browse/drive_combo_box.h"
#include "browse/file_list_box.h"

#include "file_list_world.h"
#include "platform/posix/posix_file_system.h"
#include "support/temp_dir.h"
#include "text/utf8_text_rules.h"

#include <filesystem>
#include <utility>

namespace quorrin::browse::test {
namespace {

using platform::DriveType;
using platform::Volume;

// The real file system with one more volume: a folder of the test's own
// standing in for a mounted stick that folds case as FAT does, so that
// following and choosing volumes can be seen on a machine that has only "/".
class WithStick final : public platform::FileSystem {
public:
    WithStick(platform::FileSystem& real, std::string stick) : real_(real), stick_(std::move(stick)) {}

    platform::PathSyntax pathSyntax() const override { return real_.pathSyntax(); }
    std::string currentDirectory() const override { return real_.currentDirectory(); }
    void changeDirectory(const std::string& path) override { real_.changeDirectory(path); }
    std::string volumeCurrentDirectory(const Volume& v) const override { return real_.volumeCurrentDirectory(v); }
    bool directoryExists(const std::string& path) const override { return real_.directoryExists(path); }
    bool fileExists(const std::string& path) const override { return real_.fileExists(path); }
    std::optional<platform::DirEntry> lookUp(const std::string& path) const override { return real_.lookUp(path); }
    void search(const std::string& pattern, std::uint32_t searchAttr,
                const std::function<void(const platform::DirEntry&)>& visit) const override
    {
        real_.search(pattern, searchAttr, visit);
    }
    std::vector<Volume> volumes() const override
    {
        auto all = real_.volumes();
        all.push_back(Volume{0, stick_, DriveType::removable});
        return all;
    }
    std::optional<platform::VolumeInformation> volumeInformation(const std::string& root) const override
    {
        const bool onStick = root == stick_ || root.starts_with(stick_ + "/");
        return onStick ? std::optional(platform::VolumeInformation{"Stick", false, true})
                       : real_.volumeInformation(root);
    }
    std::optional<std::string> remoteName(const Volume& v) const override { return real_.remoteName(v); }
    // The rest is the real file system's.

private:
    platform::FileSystem& real_;
    std::string stick_;
};

class PosixBrowsing : public ::testing::Test {
protected:
    PosixBrowsing()
    {
        for (const char* name :
             {"tree", "tree/b", "tree/A", "tree/abc", "tree/ABC", "tree/.hidden", "one", "two", "stick", "stick/inner"})
            dir.makeDirectory(name);
        dir.writeFile("tree/file.txt");
        fs.changeDirectory(dir.path());
        dirs.SetFileList(&files);
        drives.SetDirList(&dirs);
        files.createWindow();
        dirs.createWindow();
        drives.createWindow();
        drives.OnChange = [this](TDriveComboBox& d) { events.push_back("drive " + std::to_string(d.DriveLetter())); };
        drives.OnClick = [this](TDriveComboBox&) { events.push_back("drive click"); };
        dirs.OnChange = [this](TDirectoryListBox& l) { events.push_back("dir change " + l.CurrentDir()); };
    }

    int stickRow() const { return static_cast<int>(drives.rows().size()) - 1; }

    testing::TempDir dir;
    text::Utf8TextRules rules;
    platform::posix::PosixFileSystem real{rules};
    WithStick fs{real, dir / "stick"};
    TFileListBox files{fs, rules};
    TDirectoryListBox dirs{fs, rules};
    TDriveComboBox drives{fs, rules};
    Names events;
};

TEST_F(PosixBrowsing, RowsForATempFolderFromTheRootDown)
{
    const std::string tree = dir / "tree";
    dirs.SetCurrentDir(tree);
    // "/" and every name on the way down, then the subdirectories without
    // dot-directories, sorted without regard to case; abc and ABC are two
    // folders on a volume that tells case apart.
    std::size_t i = 0;
    std::filesystem::path upTo;
    for (const auto& name : std::filesystem::path(tree)) {
        upTo /= name;
        const DirectoryRow& row = dirs.rows().at(i);
        EXPECT_EQ(row,
                  (DirectoryRow{name.string(), upTo == tree ? DirectoryRowKind::current : DirectoryRowKind::ancestor,
                                static_cast<int>(i)}));
        EXPECT_EQ(dirs.ItemPath(static_cast<int>(i++)), upTo.string());
    }
    const int current = static_cast<int>(i) - 1;
    ASSERT_EQ(dirs.rows().size(), i + 4);
    EXPECT_EQ(dirs.rows()[i], (DirectoryRow{"A", DirectoryRowKind::subdirectory, current + 1}));
    EXPECT_EQ(dirs.rows()[i + 1], (DirectoryRow{"ABC", DirectoryRowKind::subdirectory, current + 1}));
    EXPECT_EQ(dirs.rows()[i + 2], (DirectoryRow{"abc", DirectoryRowKind::subdirectory, current + 1}));
    EXPECT_EQ(dirs.rows()[i + 3], (DirectoryRow{"b", DirectoryRowKind::subdirectory, current + 1}));
    EXPECT_EQ(dirs.ItemPath(current + 4), tree + "/b");
    EXPECT_EQ(dirs.ItemIndex(), current);
}

// The disk tells case apart, the stick folds it: two folders Docs and docs
// are two rows that each open, or one row; a name typed in another case
// selects the file only where the volume would find it so.
TEST_F(PosixBrowsing, NamesThatDifferOnlyInCaseFollowTheRuleOfTheVolumeThatHoldsThem)
{
    const struct {
        std::string folder;
        std::size_t folderRows;
        std::string selected;
    } cases[] = {{"one", 2, ""}, {"stick/inner", 1, "readme.txt"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        for (const char* name : {"/Docs", "/docs"})
            dir.makeDirectory(c.folder + name);
        dir.writeFile(c.folder + "/readme.txt");
        const std::string folder = dir / c.folder;
        dirs.SetCurrentDir(folder);
        const int first = dirs.ItemIndex() + 1;
        ASSERT_EQ(dirs.rows().size(), static_cast<std::size_t>(first) + c.folderRows);
        for (int row = first; row < first + static_cast<int>(c.folderRows); ++row) {
            const std::string name = dirs.Items()[static_cast<std::size_t>(row)];
            dirs.selectByUser(row);
            dirs.OpenSelected();
            EXPECT_EQ(files.CurrentDir(), folder + "/" + name);
            dirs.SetCurrentDir(folder);
        }
        files.SelectName("README.TXT");
        EXPECT_EQ(files.SelectedName(), c.selected);
    }
}

// The system has no name for a removed working folder; the lists still go
// up from the path they entered.
TEST_F(PosixBrowsing, TwoDotsLeaveAFolderThatWasRemoved)
{
    const struct {
        std::vector<std::string> removed;
        std::string lands;
    } cases[] = {{{"one/a/b"}, "one/a"}, {{"one/a/b", "one/a"}, "one"}};
    for (const auto& c : cases) {
        std::filesystem::create_directories(dir / "one/a/b");
        dirs.SetCurrentDir(dir / "one/a/b");
        for (const auto& gone : c.removed)
            std::filesystem::remove(dir / gone);
        EXPECT_EQ(fs.currentDirectory(), dir / "one/a/b");
        files.ApplyPathText("..");
        EXPECT_EQ(dirs.CurrentDir(), dir / c.lands);
        EXPECT_EQ(files.CurrentDir(), dir / c.lands);
    }
}

TEST_F(PosixBrowsing, MountPointsWithLabelsAndNoPseudoFileSystems)
{
    EXPECT_EQ(drives.DriveLetter(), 0);
    ASSERT_FALSE(drives.rows().empty());
    EXPECT_EQ(drives.rows()[0].volume.root, "/");
    for (const DriveRow& row : drives.rows()) {
        const std::string& root = row.volume.root;
        EXPECT_FALSE(root.starts_with("/proc") || root.starts_with("/sys") || root == "/dev/shm") << root;
        EXPECT_TRUE(row.text.starts_with(root + " ")) << row.text;
        EXPECT_TRUE(row.volume.type == DriveType::remote ||
                    (row.text.starts_with(root + " [") && row.text.ends_with("]")))
            << row.text;
    }
    EXPECT_EQ(drives.Items().back(), dir / "stick" + " [stick]");
}

TEST_F(PosixBrowsing, MovingBetweenTwoDirectoriesCarriesTheFileListAndTheVolume)
{
    dirs.SetCurrentDir(dir / "one");
    dirs.SetCurrentDir("../two");
    for (const std::string& where : {dir / "two", dirs.CurrentDir(), files.CurrentDir()})
        EXPECT_EQ(fs.currentDirectory(), where);
    const int outside = drives.ItemIndex();
    ASSERT_GE(outside, 0);
    EXPECT_TRUE(dir.path().starts_with(drives.rows()[static_cast<std::size_t>(outside)].volume.root));

    // The longest mount point that holds the directory wins.
    dirs.SetCurrentDir(dir / "stick/inner");
    EXPECT_EQ(drives.ItemIndex(), stickRow());
    dirs.selectByUser(dirs.ItemIndex() - 2); // up past the stick's mount point
    dirs.OpenSelected();
    EXPECT_EQ(dirs.CurrentDir(), dir.path());
    EXPECT_EQ(drives.ItemIndex(), outside);
    EXPECT_EQ(drives.DriveLetter(), 0);
}

TEST_F(PosixBrowsing, ChoosingAVolumeMovesToItsMountPointWhenNeverVisited)
{
    events.clear();
    drives.chooseByUser(stickRow());
    EXPECT_EQ(dirs.CurrentDir(), dir / "stick");
    EXPECT_EQ(files.CurrentDir(), dir / "stick");
    EXPECT_EQ(drives.ItemIndex(), stickRow());
    EXPECT_EQ(events, (Names{"drive click", "dir change " + dir / "stick", "drive 0", "drive 0"}));
}

} // namespace
} // namespace quorrin::browse::test
