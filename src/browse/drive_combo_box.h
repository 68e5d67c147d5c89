#pragma once

#include "browse/closed_selector_typing.h"
#include "browse/control.h"
#include "browse/drive_rows.h"
#include "platform/file_system.h"
#include "text/text_rules.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::browse {

class TDirectoryListBox;

// The drive selector: a drop-down list of the volumes. A new drive moves
// the linked directory list to that drive's own current directory.
//
// Where paths have no drives (POSIX) the rows are mount points, DriveLetter
// stays 0, the selection follows the volume that holds the directory list's
// CurrentDir, and a choice moves the directory list to the directory last
// visited on that volume (its mount point when there is none).
class TDriveComboBox : public Control {
public:
    using Event = std::function<void(TDriveComboBox& sender)>;

    TDriveComboBox(platform::FileSystem& fs, const text::TextRules& rules);

    // Lists the drives and applies DriveLetter, as when the view first shows
    // the selector: its row is selected, the directory list is asked to
    // change drive and OnChange is raised.
    void createWindow();
    bool windowCreated() const { return windowCreated_; }

    // 0 for none; in the case TextCase gives.
    char DriveLetter() const { return driveLetter_; }
    // Takes the letter and its row, then has the directory list change
    // drive, then OnChange; nothing when the letter's row is already
    // selected. A refused drive change leaves the letter and row taken and
    // raises no OnChange.
    void SetDriveLetter(char letter);

    // The start-up step for a stored drive (a character code, 0 for none):
    // brings the selector up if it is not yet, which reports the drive it
    // starts on, and then applies the stored letter. The code comes by
    // value because that first report may overwrite where it is stored.
    void restoreDrive(std::int32_t storedDriveChar);

    browse::TextCase TextCase() const { return textCase_; }
    void SetTextCase(browse::TextCase textCase);

    void RebuildDrives();
    const std::vector<std::string>& Items() const { return items_; }
    const std::vector<DriveRow>& rows() const { return rows_; }
    int ItemIndex() const { return itemIndex_; }

    TDirectoryListBox* DirList() const { return dirList_; }
    // Also sets the directory list's back link (and clears the old one's).
    void SetDirList(TDirectoryListBox* list);

    // The user chose a row (mouse, or arrow keys on the closed box): OnClick,
    // the drive of the row, and OnChange once more. Choosing the row that is
    // already selected changes nothing and raises nothing.
    void chooseByUser(int index);
    // A key typed on the closed selector ("\b" for Backspace). Returns false
    // when it is left to the widget's own handling.
    bool typeKey(std::string_view character);
    void setClock(Clock clock) { typing_.setClock(std::move(clock)); }

    // The directory list has moved to `dir`. Where drives have letters the
    // drive step of its move has already chosen the row; elsewhere the row
    // of the volume holding `dir` is selected, without an event.
    void followDirectory(const std::string& dir);

    Event OnChange;
    Event OnClick;

protected:
    void linkedControlGone(Control& gone) override;

private:
    // The row of the volume with the longest mount point that holds `dir`.
    int rowHolding(const std::string& dir) const;
    void moveToVolume(const platform::Volume& volume);
    void change();

    platform::FileSystem& fs_;
    const text::TextRules& rules_;
    bool windowCreated_ = false;
    char driveLetter_ = 0;
    browse::TextCase textCase_ = tcLowerCase;
    std::vector<DriveRow> rows_;
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    TDirectoryListBox* dirList_ = nullptr;
    ClosedSelectorTyping typing_;
};

} // namespace quorrin::browse
