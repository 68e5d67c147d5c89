#pragma once

#include "browse/control.h"
#include "browse/directory_list_link.h"
#include "browse/edit_box_port.h"
#include "browse/file_list_read.h"
#include "browse/file_type.h"
#include "browse/read_runner.h"
#include "browse/type_ahead.h"
#include "platform/dir_entry.h"
#include "platform/file_system.h"
#include "text/text_rules.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::browse {

// The file list: the entries of one directory that match a mask, one bare
// name per item, sorted. It is the source of the listing, and it keeps the
// process's current directory on its own directory after every read, since
// the other browsing controls share that directory with it.
//
// Failures reach the caller as exceptions: DirectoryChangeError for a
// directory that cannot be entered, Error for a typed name that is neither a
// file nor a directory.
class TFileListBox : public Control {
public:
    using Event = std::function<void(TFileListBox& sender)>;

    TFileListBox(platform::FileSystem& fs, const text::TextRules& rules);

    // The list reads for the first time when the view shows it; before that
    // the setters only store, so setting up a list reads it once.
    void createWindow();
    bool windowCreated() const { return windowCreated_; }

    // Reads go to the runner from now on (nullptr: read at once, as the
    // list does by default). A read under way keeps the runner it began on.
    void setReadRunner(ReadRunner* runner) { runner_ = runner; }
    // True from the start of a read handed to the runner until it lands or
    // is stopped. Meanwhile the list holds nothing, or, when the folder,
    // mask and type are those of its items, the items of the read before.
    bool reading() const { return reading_; }
    // Drops the read under way: its result never reaches the list, which
    // keeps what it holds and reports the change.
    void StopReading();

    const std::string& CurrentDir() const { return currentDir_; }
    // Moves to the directory the text names (relative to CurrentDir) and
    // reads, unless it names CurrentDir as a file name would.
    void SetCurrentDir(const std::string& text);

    const std::string& Mask() const { return mask_; }
    // Reads unless the mask is the same byte for byte.
    void SetMask(const std::string& mask);

    browse::FileType FileType() const { return fileType_; }
    void SetFileType(browse::FileType type);

    const std::vector<std::string>& Items() const { return items_; }
    int ItemIndex() const { return itemIndex_; }
    // The ItemIndex at the last change notification.
    int lastReportedSelection() const { return lastReported_; }

    EditBoxPort* FileEdit() const { return fileEdit_; }
    // A linked edit box at once shows SelectedName, or Mask when none.
    void SetFileEdit(EditBoxPort* edit);

    // Back links, set by the directory list and the filter selector when
    // they name this list as their FileList.
    DirectoryListLink* directoryList() const { return directoryList_; }
    void setDirectoryList(DirectoryListLink* list) { relink(directoryList_, list); }
    Control* filterSelector() const { return filterSelector_; }
    void setFilterSelector(Control* selector) { relink(filterSelector_, selector); }

    void Rescan();
    // Reads again when anything in the folder changed since the last read
    // (or the folder could not be watched), so that what the last read
    // learnt is never shown or saved stale; true when it read, or a read is
    // still under way, which reports the change when it lands. Otherwise
    // the listing can be composed again from memory.
    bool RescanIfChanged();
    // Reads again for a folder that changed on disk: the selected item stays
    // selected while a file of its name is still listed, and the linked edit
    // box is then left alone, so a text being typed there survives.
    void Refresh();
    // True once the folder's watch told of a change since the last read;
    // never where the folder could not be watched.
    bool changedOnDisk() const { return watch_ != nullptr && watch_->changed(); }
    std::string SelectedName() const;
    std::string SelectedPath() const;
    // Selects the item of that name as the volume compares names (without
    // regard to case where it folds case), or none, and reports the change;
    // nothing happens when it is already selected. While a read is under
    // way the name is selected once it lands.
    void SelectName(const std::string& name);
    // A text typed into the mask box: a directory to move to, a mask, or a
    // file to select. A file the mask hides becomes the mask, decided once
    // a read under way has landed.
    void ApplyPathText(const std::string& text);

    // The user selected an item (-1 for none) by mouse or keyboard.
    void selectByUser(int index);
    // The user typed a key into the list: "\b" for Backspace, otherwise the
    // characters it types.
    void typeKey(std::string_view character);
    void setClock(Clock clock) { typeAhead_.setClock(std::move(clock)); }

    // What the last read learnt about the entry listed under this item text.
    std::optional<platform::DirEntry> fileInformation(std::string_view name) const;
    // Counts the reads; a listing built over the list's folder tells from
    // it whether the folder was read again since.
    std::uint64_t readCount() const { return readCount_; }
    // The facts of every item, at the item's index.
    const std::vector<EntryFacts>& facts() const { return facts_; }

    Event OnChange;
    Event OnClick;
    // The view shows the busy cursor while a long read runs.
    BusySignal OnBusyChange;

protected:
    void linkedControlGone(Control& gone) override;

private:
    // Enters the folder, begins watching it and hands the read to the
    // runner, or reads at once without one. With `keep`, the item of that
    // name (none for "") stays selected when it is still listed.
    void read(const std::optional<std::string>& keep = std::nullopt);
    // What a read of `request` found becomes the items.
    void land(const ReadRequest& request, ListedEntries listed, std::unique_ptr<platform::FolderWatch> watch);
    // Selects the item of that name, or none, without reporting it.
    void selectItemNamed(const std::string& name);
    // The linked edit box shows the selected name, or the mask.
    void showInFileEdit();
    void change(bool showInEdit = true);

    platform::FileSystem& fs_;
    const text::TextRules& rules_;
    bool windowCreated_ = false;
    std::string currentDir_;
    std::string mask_ = "*.*";
    browse::FileType fileType_ = ftNormal;
    std::vector<std::string> items_;
    std::vector<EntryFacts> facts_; // at the index of its item
    // Begun before the read that filled facts_, so a change during the read
    // counts too.
    std::unique_ptr<platform::FolderWatch> watch_;
    int itemIndex_ = -1;
    int lastReported_ = -1;
    std::uint64_t readCount_ = 0;
    ReadRunner* runner_ = nullptr;
    bool reading_ = false;
    // Counts the reads begun; a read lands only while it is the last one.
    std::uint64_t readsBegun_ = 0;
    // The folder, mask and type the items were read with.
    ReadRequest listed_;
    // Selected when the read under way lands; with maskIfHidden_, a name
    // the items lack becomes the mask.
    std::optional<std::string> selectOnLanding_;
    bool maskIfHidden_ = false;
    // The selected name a read for a change on disk keeps.
    std::optional<std::string> keepOnLanding_;
    EditBoxPort* fileEdit_ = nullptr;
    DirectoryListLink* directoryList_ = nullptr;
    Control* filterSelector_ = nullptr;
    TypeAhead typeAhead_;
};

} // namespace quorrin::browse
