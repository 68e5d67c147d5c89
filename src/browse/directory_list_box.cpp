#include "browse/directory_list_box.h"

#include "browse/drive_combo_box.h"
#include "browse/file_list_box.h"
#include "browse/split_path_text.h"
#include "browse/vanished_directory.h"
#include "browse/volume_case.h"

#include <algorithm>
#include <utility>

namespace quorrin::browse {

namespace {

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Holds settingDirectory_ for the drive step, and drops it also when the
// step fails.
class SettingDirectoryScope {
public:
    explicit SettingDirectoryScope(bool& flag) : flag_(flag) { flag_ = true; }
    SettingDirectoryScope(const SettingDirectoryScope&) = delete;
    SettingDirectoryScope& operator=(const SettingDirectoryScope&) = delete;
    ~SettingDirectoryScope() { flag_ = false; }

private:
    bool& flag_;
};

} // namespace

TDirectoryListBox::TDirectoryListBox(platform::FileSystem& fs, const text::TextRules& rules)
    : fs_(fs), rules_(rules), currentDir_(fs.currentDirectory()), typeAhead_(rules)
{
    // Comparisons of CurrentDir need the volume's case rules before the
    // first rebuild.
    readCaseFlags();
}

void TDirectoryListBox::createWindow()
{
    windowCreated_ = true;
    RebuildItems();
}

char TDirectoryListBox::driveOf(const std::string& path) const
{
    return fs_.pathSyntax().driveLetters && !path.empty() ? path.front() : 0;
}

bool TDirectoryListBox::sameDirectory(const std::string& a, const std::string& b) const
{
    return caseSensitive_ ? rules_.compare(a, b) == 0 : rules_.sameFoldedName(a, b);
}

void TDirectoryListBox::SetCurrentDir(const std::string& typed)
{
    if (typed.empty() || sameDirectory(typed, currentDir_))
        return;
    const std::string text = fromVanishedDirectory(fs_, rules_, currentDir_, typed);
    // The split walks the text's directories, so a part that does not exist
    // fails here, before anything has moved.
    const SplitPath split = SplitPathText(fs_, rules_, text);
    if (driveOf(currentDir_) != split.drive) {
        const SettingDirectoryScope scope(settingDirectory_);
        if (driveSelector_ != nullptr)
            driveSelector_->SetDriveLetter(split.drive);
        else
            ChangeDrive(split.drive);
    }
    EnterDirectory(split.dir);
}

void TDirectoryListBox::EnterDirectory(const std::string& dir)
{
    // A relative dir is meant from the listed directory.
    if (fs_.directoryExists(currentDir_))
        fs_.changeDirectory(currentDir_);
    fs_.changeDirectory(dir);
    currentDir_ = fs_.currentDirectory();
    RebuildItems();
    change();
}

void TDirectoryListBox::ChangeDrive(char drive)
{
    if (asciiLower(drive) == asciiLower(driveOf(currentDir_)))
        return;
    if (drive != 0) {
        fs_.changeDirectory(std::string(1, drive) + ":");
        currentDir_ = fs_.currentDirectory();
    }
    if (!settingDirectory_) {
        RebuildItems();
        change();
    }
}

void TDirectoryListBox::OpenSelected()
{
    SetCurrentDir(ItemPath(itemIndex_));
}

std::string TDirectoryListBox::ItemPath(int index) const
{
    return directoryRowPath(rules_, fs_.pathSyntax(), currentDir_, rows_, index);
}

void TDirectoryListBox::readCaseFlags()
{
    const VolumeCase volume = volumeCaseOf(fs_, rules_, currentDir_);
    caseSensitive_ = volume.sensitive;
    casePreserving_ = volume.preserving;
}

void TDirectoryListBox::RebuildItems()
{
    readCaseFlags();
    const bool foldCase = !caseSensitive_;
    ++readsBegun_;
    // This read comes after any change that asked for a refresh.
    refreshAfterRead_ = false;
    if (runner_ == nullptr) {
        reading_ = false;
        showRows(buildDirectoryTree(fs_, rules_, currentDir_, foldCase));
        return;
    }
    DirectoryTree tree = directoryPathRows(rules_, fs_.pathSyntax(), currentDir_);
    showRows(tree);
    reading_ = true;
    runner_->start(currentDir_, foldCase,
                   [this, begun = readsBegun_, tree](std::optional<std::vector<Subdirectory>> subdirectories) mutable {
                       if (begun != readsBegun_)
                           return;
                       reading_ = false;
                       // The user may have selected a row meanwhile.
                       const int selected = itemIndex_;
                       appendSubdirectoryRows(tree, std::move(subdirectories));
                       showRows(std::move(tree));
                       itemIndex_ = selected;
                       refreshIfAsked();
                   });
}

void TDirectoryListBox::RefreshSubdirectories()
{
    if (!windowCreated_)
        return;
    if (reading_) {
        refreshAfterRead_ = true;
        return;
    }
    const bool foldCase = !caseSensitive_;
    ++readsBegun_;
    if (runner_ == nullptr) {
        showRefreshedRows(buildDirectoryTree(fs_, rules_, currentDir_, foldCase));
        return;
    }
    reading_ = true;
    runner_->start(currentDir_, foldCase,
                   [this, begun = readsBegun_, tree = directoryPathRows(rules_, fs_.pathSyntax(), currentDir_)](
                       std::optional<std::vector<Subdirectory>> subdirectories) mutable {
                       if (begun != readsBegun_)
                           return;
                       reading_ = false;
                       appendSubdirectoryRows(tree, std::move(subdirectories));
                       showRefreshedRows(std::move(tree));
                       refreshIfAsked();
                   });
}

void TDirectoryListBox::refreshIfAsked()
{
    if (std::exchange(refreshAfterRead_, false))
        RefreshSubdirectories();
}

void TDirectoryListBox::showRefreshedRows(DirectoryTree tree)
{
    if (tree.rows == rows_)
        return;
    int highlighted = itemIndex_;
    if (highlighted >= 0 && rows_[static_cast<std::size_t>(highlighted)].kind == DirectoryRowKind::subdirectory) {
        const DirectoryRow& folder = rows_[static_cast<std::size_t>(highlighted)];
        const auto found = std::find(tree.rows.begin(), tree.rows.end(), folder);
        highlighted = found != tree.rows.end() ? static_cast<int>(found - tree.rows.begin()) : tree.currentPosition;
    }
    showRows(std::move(tree));
    itemIndex_ = highlighted;
    rowsRefreshed_ = true;
}

void TDirectoryListBox::showRows(DirectoryTree tree)
{
    rowsRefreshed_ = false;
    rows_ = std::move(tree.rows);
    items_.clear();
    items_.reserve(rows_.size());
    for (const DirectoryRow& row : rows_)
        items_.push_back(row.text);
    itemIndex_ = windowCreated_ ? tree.currentPosition : -1;
}

std::string TDirectoryListBox::drawnText(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size())
        return {};
    const std::string& text = items_[static_cast<std::size_t>(index)];
    return casePreserving_ ? text : rules_.lowerAsFileName(text);
}

void TDirectoryListBox::change()
{
    // The drive selector first: the list has moved even if the file list
    // then fails to follow.
    if (driveSelector_ != nullptr)
        driveSelector_->followDirectory(currentDir_);
    if (fileList_ != nullptr)
        fileList_->SetCurrentDir(currentDir_);
    if (OnChange)
        OnChange(*this);
}

void TDirectoryListBox::SetFileList(TFileListBox* list)
{
    relinkWithBackLink(fileList_, list, this, &TFileListBox::directoryList, &TFileListBox::setDirectoryList);
}

void TDirectoryListBox::setDriveSelector(TDriveComboBox* selector)
{
    relink(driveSelector_, selector);
}

void TDirectoryListBox::linkedControlGone(Control& gone)
{
    if (fileList_ == &gone)
        fileList_ = nullptr;
    if (driveSelector_ == &gone)
        driveSelector_ = nullptr;
}

void TDirectoryListBox::selectByUser(int index)
{
    itemIndex_ = index >= 0 && static_cast<std::size_t>(index) < items_.size() ? index : -1;
    if (OnClick)
        OnClick(*this);
}

void TDirectoryListBox::typeKey(std::string_view character)
{
    const int item = typeAhead_.itemFor(character, items_);
    if (item >= 0)
        selectByUser(item);
}

} // namespace quorrin::browse
