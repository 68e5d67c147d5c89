#pragma once

#include "browse/directory_list_box.h"
#include "browse/drive_combo_box.h"
#include "browse/file_list_box.h"
#include "browse/filter_combo_box.h"
#include "browse/folder_tree_read.h"
#include "browse/refresh_pacer.h"
#include "compose/listing_composer.h"
#include "listing/category_classifier.h"
#include "listing/list_settings.h"
#include "listing/output_options.h"
#include "persist/save_dialog_memory.h"
#include "persist/scan_settings.h"
#include "platform/charset_converter.h"
#include "platform/tree_watch.h"
#include "ui/clipboard_port.h"
#include "ui/error_display.h"
#include "ui/folder_picker_port.h"
#include "ui/guard.h"
#include "ui/line_edit_port.h"
#include "ui/save_dialog_port.h"
#include "ui/threaded_read_runner.h"
#include "ui/threaded_subdirectory_runner.h"
#include "ui/unmappable_question_port.h"
#include "ui/view_place.h"
#include "ui/window_services.h"
#include "ui/worker_slot.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

class QAction;
class QIcon;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class QShortcut;

namespace quorrin::ui {

class ByteListModel;
class ClickCheckBox;
class EditSelector;
class ListControlView;
class SelectorControlView;

// An encoding as the "設定" menu names it.
QString encodingMenuName(listing::TextEncoding encoding);

// The program's one window: the browsing controls on top, the format in the
// middle, the listing below. It holds the settings record for the whole run
// and routes every user action; the behaviour itself lives in the headless
// controls, the row composer and the settings file.
class TForm1 : public QMainWindow, public ErrorSink {
    Q_OBJECT

public:
    // The dialogs, the clipboard and the error box; each one left empty is
    // the real thing. Tests put their own in place to play the user and to
    // read what the user would have seen, start-up errors included.
    struct Ports {
        std::unique_ptr<ErrorDisplay> errors;
        std::unique_ptr<ClipboardPort> clipboard;
        std::unique_ptr<SaveDialogPort> saveDialog;
        std::unique_ptr<FolderPickerPort> folderPicker;
        std::unique_ptr<UnmappableQuestionPort> unmappableQuestion;
        std::unique_ptr<platform::CharsetConverter> charsets;
    };

    explicit TForm1(const WindowServices& services, Ports ports = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    void showError(const std::string& message) override;

    const listing::ListSettings& settings() const { return settings_; }
    const std::vector<std::string>& listingLines() const { return lines_; }
    const persist::ScanSettings& scanSettings() const { return scan_; }
    // True while the listed folder is being read, for its files or for
    // the directory list's subfolders.
    bool readingFiles() const { return readingFiles_ || DirectoryListBox1.reading(); }
    // True while the folders below the listed one are being read.
    bool readingFolders() const { return walking_; }
    browse::TFileListBox& fileList() { return FileListBox1; }
    browse::TDirectoryListBox& directoryList() { return DirectoryListBox1; }
    browse::TDriveComboBox& driveSelector() { return DriveComboBox1; }
    browse::TFilterComboBox& filterSelector() { return FilterComboBox1; }

    // The handlers, named after the control and event they are bound to.
    void FormCreate();     // the window is created, before it shows
    bool FormCloseQuery(); // the window is asked to close
    // The close the system asks for at shutdown, log-off or a signal: the
    // settings are written as at every close, but nobody is there to answer
    // an error box, so a failure comes back as the text to report instead.
    std::optional<std::string> closeAtSessionEnd();
    void ComboBox1Change();                  // column selector 1 changed
    void ComboBox2Change();                  // column selector 2 changed
    void ComboBox3Change();                  // column selector 3 changed
    void ComboBox4Change();                  // column selector 4 changed
    void ComboBox5Change();                  // column selector 5 changed
    void ComboBox1KeyUp();                   // a key released in column selector 1
    void ComboBox2KeyUp();                   // a key released in column selector 2
    void ComboBox3KeyUp();                   // a key released in column selector 3
    void ComboBox4KeyUp();                   // a key released in column selector 4
    void ComboBox5KeyUp();                   // a key released in column selector 5
    void ComboBox6Change();                  // the separator selector changed
    void ComboBox6KeyDown();                 // a key pressed in the separator selector
    void CheckBox1Click();                   // the quoting check box
    void CheckBox2Click();                   // the kilobytes check box
    void FileListBox1Change();               // the file list was read again
    void DirectoryListBox1Click();           // a row of the directory list clicked
    void DriveComboBox1Change();             // the drive selector changed
    void FilterComboBox1Change();            // the filter selector changed
    bool FileEditKeyPress(int key);          // a key pressed in the mask box
    void Get_ButtonClick();                  // the save button
    void Save1Click();                       // "ファイル" > "保存"
    void ListBox1DblClick();                 // a double click in the output list
    void Copy1Click();                       // "コピー" in the output list's pop-up menu
    void Copy2Click();                       // "コピー" in the file list's pop-up menu
    void Copy3Click();                       // "コピー" in the directory list's pop-up menu
    void N3Click();                          // "ファイル" > "参照"
    void N5Click();                          // "参照" in the directory list's pop-up menu
    void N1Click();                          // "ヘルプ" > "バージョン"
    void Exit1Click();                       // "ファイル" > "終了"
    void File1Click();                       // the menu "ファイル" opens
    void ScanSubfoldersClick();              // "設定" > "サブフォルダも含める"
    void ScanDepthClick(std::int32_t depth); // "設定" > "サブフォルダの深さ"

    // Opens a folder, or a file's folder with the file selected, as a path
    // typed into the mask box does: named on the command line or dropped on
    // the window. The folder picker's DirPath is left as it is.
    void openPath(const std::string& path);

    // Methods the handlers share.
    void ListDataSet();
    // ListDataSet for a new format: from memory unless the folder changed.
    void rebuildListing();
    void FilterSet(std::int32_t filterNo);
    void FileSave();
    void SetFileName(const std::string& name);
    void DirOpen();
    // Starts reading the folders below the file list's folder, off the
    // event loop, when the subfolders are part of the listing and the list
    // was read again since the last walk (or `always`); a walk still
    // running is stopped first and its result dropped.
    void ReadFoldersBelow(bool always);
    void CancelFolderRead();
    // Reads again what changed on disk since the last read, the listed
    // folder or the tree below it, when the pacing allows; the window's
    // timer calls it several times a second.
    void followDisk();
    // Esc: stops the listed folder's read and the walk below it.
    void CancelReads();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildControls(QWidget* canvas);
    void nameUncaptionedControls();
    void buildMenus();
    void buildSettingsMenu();
    template <typename Choice>
    QMenu* addChoiceMenu(QMenu* parent, const QString& title, const QString& name,
                         const std::vector<std::pair<Choice, const char*>>& choices,
                         Choice listing::OutputOptions::*field);
    void addOutputCheck(QMenu* menu, const QString& title, const QString& name, bool listing::OutputOptions::*field);
    // "ジャンルの規則…": a new table rebuilds the classifier and the listing.
    void editGenreRules();
    // Puts the output choices into the "設定" menu's check marks.
    void syncSettingsMenu();
    // The saved bytes in the chosen encoding, after asking the user when
    // some lines cannot be written; nothing when the user cancelled.
    std::optional<std::string> encodedListingToSave();
    void buildScanMenu(QMenu* menu);
    void showScanChoice();
    void setWalking(bool walking);
    void setReadingFiles(bool reading);
    // The busy cursor and Esc, while anything is being read.
    void showBusy();
    // A read of the listed folder began: what belonged to the one before
    // goes, and the count runs.
    void fileReadStarted();
    void fileReadEnded();
    // Runs the landing of a read of the listed folder; one for a change on
    // disk lands unseen and puts the lists back where the user left them.
    void landFileRead(const std::function<void()>& landing);
    // Save and copy take the whole listing: they wait for the reads under
    // way, with the window drawing and counting but user input held back.
    void waitForReads();
    void showFileCount();
    // What the listing's lines depend on besides the items: lines composed
    // beside a read stand when it lands only if none of it changed since.
    struct ListingInputs {
        std::array<std::int32_t, 5> columns{};
        std::int32_t tabNo = 0;
        bool quoteOn = false;
        bool sizeInK = false;
        std::string separator;
        std::string dir;
        listing::OutputOptions output;
        std::uint64_t classifierVersion = 0;
        std::uint64_t localeVersion = 0;
        friend bool operator==(const ListingInputs&, const ListingInputs&) = default;
    };
    ListingInputs listingInputs() const;
    // Moves the lines of the folders below out of lines_.
    std::vector<std::string> takeLinesBelow();
    // The listing as it stands now, for a worker to compose with: copies of
    // all the window may change meanwhile.
    struct ListingSnapshot {
        listing::ListSettings settings;
        ListingInputs inputs;
        listing::CategoryClassifier classifier;
        const platform::LocaleSettings& locale;
        const text::TextRules& rules;
        compose::ListingFormat format() const;
    };
    std::shared_ptr<const ListingSnapshot> listingSnapshot() const;
    // Composes a read's listing on its worker as the listing stands now.
    ThreadedReadRunner::Compose composerNow();
    // What the walk of `generation` reports; a later walk's generation, or
    // a cancel, makes them stale.
    void showFolderReadCount(std::uint64_t generation, std::size_t found);
    // A walk that failed brings its error instead of a tree.
    // Its folders' lines come composed with `composedWith`, ready to follow
    // the listed folder's when nothing they depend on changed meanwhile.
    void finishFolderRead(std::uint64_t generation, browse::FolderTree tree, std::vector<std::string> treeLines,
                          const ListingInputs& composedWith, const std::string& error,
                          std::shared_ptr<platform::TreeWatch> watch);
    // The folders below change: their lines must be composed again.
    void replaceTree(browse::FolderTree tree);
    void startFollowingDisk();
    // A read for a change on disk failed: said once, without a box to
    // answer, and no such read until the folder is read again.
    void holdFollowing(const std::string& error);
    // The listed folder was removed or renamed: the lists move to its
    // nearest ancestor that still exists.
    void leaveVanishedFolder();
    // Says once per listed folder that some of its folders cannot be
    // watched; they are brought up to date at the next read.
    void noticeUnwatchedFolders(std::string notice);
    void bindControls();
    void bindColumnSelectors();
    void bindViews();
    template <typename Selector>
    void bindSelectorView(SelectorControlView* view, Selector& selector, std::function<QIcon(int row)> icon);
    void setTabOrder();
    void acceptDroppedPaths();
    void place(QWidget* widget, const char* name);
    void addPopupMenu(QWidget* owner, QMenu* menu);
    // Runs one user action behind the error guard, then shows whatever the
    // headless controls changed.
    template <typename Action> void userAction(Action&& action);
    // The slot that runs one handler as a user action, for connect().
    auto handler(void (TForm1::*method)())
    {
        return [this, method] { userAction([&] { (this->*method)(); }); };
    }
    // What the five column selectors' handlers share.
    void columnChange(int column);
    void columnKeyUp(int column);
    void refreshViews();
    EditSelector* columnSelector(int column) const { return columnSelectors_[static_cast<std::size_t>(column - 1)]; }
    std::int32_t& columnField(int column);
    std::string typedSeparator() const;

    WindowServices services_;
    listing::ListSettings settings_;
    listing::OutputOptions output_;
    std::vector<std::function<void()>> outputMenuSync_;
    listing::GenreTable genre_;
    listing::CategoryClassifier classifier_;
    std::vector<std::string> lines_;
    // What lines_ were composed with, and how many of them, from the top,
    // are the listed folder's: the lines of the folders below follow.
    std::optional<ListingInputs> linesInputs_;
    std::size_t listedFolderLines_ = 0;
    // Whether the lines after those are tree_'s, so that a new read of the
    // listed folder alone can keep them.
    bool linesBelowStand_ = false;
    std::unique_ptr<ErrorDisplay> errorDisplay_;
    std::unique_ptr<ClipboardPort> clipboard_;
    std::unique_ptr<SaveDialogPort> saveDialog_;
    std::unique_ptr<FolderPickerPort> folderPicker_;
    std::unique_ptr<UnmappableQuestionPort> unmappableQuestion_;
    std::unique_ptr<platform::CharsetConverter> charsets_;
    persist::SaveDialogMemory saveDialogMemory_;
    bool shownBefore_ = false;
    bool fileListDirty_ = false;
    // The directory rows and row the view shows, to redraw it only when they
    // change: every key typed into the window passes through refreshViews.
    std::vector<std::string> shownDirectories_;
    int shownDirectoryIndex_ = -1;
    persist::ScanSettings scan_;
    browse::FolderTree tree_;
    std::uint64_t walkedRead_ = 0; // the file list's read the tree belongs to
    std::uint64_t walkGeneration_ = 0;
    bool walking_ = false;
    std::size_t walkFound_ = 0;
    // Following the disk: the watch on the tree the listing shows, and the
    // pace of the reads it brings.
    std::shared_ptr<platform::TreeWatch> treeWatch_;
    browse::RefreshPacer pacer_;
    bool following_ = false; // a read for a change on disk runs
    bool quietWalk_ = false; // the running walk is such a read
    bool quietRead_ = false; // the listed folder's read under way is one
    // The file list's and the output list's places when such a read began.
    std::optional<std::pair<ViewPlace, ViewPlace>> heldPlaces_;
    // A read for a change on disk that failed waits for the next read.
    std::optional<std::uint64_t> heldAtRead_;
    std::string unwatchedNoticeFor_;
    bool readingFiles_ = false;
    std::size_t readFound_ = 0;
    bool busyShown_ = false;
    std::uint64_t classifierVersion_ = 0;
    std::uint64_t localeVersion_ = 0;
    // The lines composed beside the read that landed last, and what they
    // were composed with; taken by the next ListDataSet.
    ListingInputs composedInputs_;
    std::optional<std::vector<std::string>> composedLines_;

    // The headless browsing controls and their chain.
    browse::TFileListBox FileListBox1;
    browse::TDirectoryListBox DirectoryListBox1;
    browse::TDriveComboBox DriveComboBox1;
    browse::TFilterComboBox FilterComboBox1;

    // Widgets, owned by Qt's parent chain.
    QPushButton* Get_Button = nullptr;
    ListControlView* directoryView_ = nullptr;
    QLineEdit* FileEdit = nullptr;
    ListControlView* fileListView_ = nullptr;
    SelectorControlView* driveView_ = nullptr;
    SelectorControlView* filterView_ = nullptr;
    QListView* ListBox1 = nullptr;
    ByteListModel* outputModel_ = nullptr;
    std::array<EditSelector*, 5> columnSelectors_{};
    EditSelector* ComboBox6 = nullptr;
    ClickCheckBox* CheckBox1 = nullptr;
    ClickCheckBox* CheckBox2 = nullptr;
    QLabel* FileCount_Label = nullptr;
    QAction* subfoldersAction_ = nullptr;
    std::vector<QAction*> depthActions_;
    QShortcut* cancelShortcut_ = nullptr;
    std::unique_ptr<LineEditPort> fileEditPort_;

    // Declared last, so they are stopped and joined before anything they
    // use goes away.
    std::unique_ptr<ThreadedReadRunner> readRunner_;
    std::unique_ptr<ThreadedSubdirectoryRunner> subdirectoryRunner_;
    std::jthread walker_;
    WorkerSlot freeing_; // frees what a big listing leaves behind
};

template <typename Action> void TForm1::userAction(Action&& action)
{
    guarded(this, std::forward<Action>(action));
    refreshViews();
}

} // namespace quorrin::ui
