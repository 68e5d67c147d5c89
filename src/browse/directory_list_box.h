#pragma once

#include "browse/directory_list_link.h"
#include "browse/directory_rows.h"
#include "browse/read_runner.h"
#include "browse/type_ahead.h"
#include "platform/file_system.h"
#include "text/text_rules.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::browse {

class TDriveComboBox;
class TFileListBox;

// The directory list: the current directory as a short tree (root, the
// directories on the way down, the directory itself, its subdirectories).
// Every move sets the linked file list's directory, and the process's
// current directory is left on CurrentDir, which the other browsing
// controls share.
//
// A refused directory change reaches the caller as DirectoryChangeError;
// the list then keeps its rows and CurrentDir.
class TDirectoryListBox : public DirectoryListLink {
public:
    using Event = std::function<void(TDirectoryListBox& sender)>;

    TDirectoryListBox(platform::FileSystem& fs, const text::TextRules& rules);

    // The rows are built, and the current row selected, when the view shows
    // the list.
    void createWindow();
    bool windowCreated() const { return windowCreated_; }

    // The subdirectories are read by the runner from now on (nullptr: at
    // once, as by default); the root, ancestor and current rows stand at
    // once, the subdirectory rows follow when the read lands.
    void setSubdirectoryRunner(SubdirectoryRunner* runner) { runner_ = runner; }
    // True while the runner reads the subdirectories.
    bool reading() const { return reading_; }

    const std::string& CurrentDir() const { return currentDir_; }
    // Moves to the directory the text names: a drive first (through the
    // linked drive selector), then the directory. A text naming CurrentDir
    // as the list compares does nothing.
    void SetCurrentDir(const std::string& text) override;
    // The second half of a move: enter `dir` (relative to CurrentDir),
    // rebuild and notify.
    void EnterDirectory(const std::string& dir);
    // Moves to the own current directory of another drive (0: none, which
    // moves nothing). Called back by the drive selector.
    void ChangeDrive(char drive);
    void OpenSelected();
    std::string ItemPath(int index) const;
    void RebuildItems();
    // Reads the subdirectories again for a change on disk. The rows change
    // only if the folders did, and the highlighted row stays on its folder
    // (on the directory's own row if that folder is gone). Asked while a
    // read is under way, it reads again once that one has landed: the read
    // may have passed the change by.
    void RefreshSubdirectories();
    // Whether the rows shown came from such a read: the view then keeps its
    // place instead of scrolling to the highlighted row.
    bool rowsRefreshed() const { return rowsRefreshed_; }

    // The row texts, which the window copies as they stand.
    const std::vector<std::string>& Items() const { return items_; }
    const std::vector<DirectoryRow>& rows() const { return rows_; }
    int ItemIndex() const { return itemIndex_; }
    // Row text as the view draws it: as stored on a case-preserving volume,
    // in lower case on any other.
    std::string drawnText(int index) const;
    bool caseSensitive() const { return caseSensitive_; }
    bool casePreserving() const { return casePreserving_; }

    TFileListBox* FileList() const { return fileList_; }
    // Also sets the list's back link (and clears the old list's).
    void SetFileList(TFileListBox* list);
    // Back link, set by the drive selector that names this list as DirList.
    TDriveComboBox* driveSelector() const { return driveSelector_; }
    void setDriveSelector(TDriveComboBox* selector);

    // The user selected a row (-1 for none) with the mouse or the keyboard.
    void selectByUser(int index);
    // A key typed into the list: "\b" for Backspace, else its characters.
    void typeKey(std::string_view character);
    void setClock(Clock clock) { typeAhead_.setClock(std::move(clock)); }

    Event OnChange;
    Event OnClick;

protected:
    void linkedControlGone(Control& gone) override;

private:
    // The drive a path lies on as the drive step compares it: its first
    // character where paths have drives ("\" on a share), 0 elsewhere.
    char driveOf(const std::string& path) const;
    bool sameDirectory(const std::string& a, const std::string& b) const;
    void readCaseFlags();
    void showRows(DirectoryTree tree);
    void showRefreshedRows(DirectoryTree tree);
    void refreshIfAsked();
    void change();

    platform::FileSystem& fs_;
    const text::TextRules& rules_;
    bool windowCreated_ = false;
    std::string currentDir_;
    std::vector<DirectoryRow> rows_;
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    bool caseSensitive_ = false;
    bool casePreserving_ = true;
    // True while SetCurrentDir's drive step runs; ChangeDrive then leaves
    // rebuilding to the move that follows.
    bool settingDirectory_ = false;
    SubdirectoryRunner* runner_ = nullptr;
    bool reading_ = false;
    bool rowsRefreshed_ = false;
    bool refreshAfterRead_ = false;
    // Counts the subdirectory reads begun; only the last one lands.
    std::uint64_t readsBegun_ = 0;
    TFileListBox* fileList_ = nullptr;
    TDriveComboBox* driveSelector_ = nullptr;
    TypeAhead typeAhead_;
};

} // namespace quorrin::browse
