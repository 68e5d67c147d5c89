#include "browse/file_list_box.h"

#include "browse/path_text.h"
#include "browse/split_path_text.h"
#include "browse/vanished_directory.h"
#include "browse/volume_case.h"
#include "platform/errors.h"
#include "text/wildcard.h"

#include <algorithm>
#include <utility>

namespace quorrin::browse {

TFileListBox::TFileListBox(platform::FileSystem& fs, const text::TextRules& rules)
    : fs_(fs), rules_(rules), currentDir_(fs.currentDirectory()), typeAhead_(rules)
{
}

void TFileListBox::createWindow()
{
    windowCreated_ = true;
    read();
}

void TFileListBox::SetCurrentDir(const std::string& text)
{
    if (rules_.sameFileName(text, currentDir_))
        return;
    // A relative text is meant from the listed directory, wherever the
    // process happens to be.
    if (fs_.directoryExists(currentDir_))
        fs_.changeDirectory(currentDir_);
    fs_.changeDirectory(text);
    currentDir_ = fs_.currentDirectory();
    read();
}

void TFileListBox::SetMask(const std::string& mask)
{
    if (mask == mask_)
        return;
    mask_ = mask;
    read();
}

void TFileListBox::SetFileType(browse::FileType type)
{
    if (type == fileType_)
        return;
    fileType_ = type;
    read();
}

void TFileListBox::SetFileEdit(EditBoxPort* edit)
{
    relink(fileEdit_, edit);
    if (fileEdit_ != nullptr) {
        const std::string selected = SelectedName();
        fileEdit_->setText(selected.empty() ? mask_ : selected);
    }
}

void TFileListBox::linkedControlGone(Control& gone)
{
    if (fileEdit_ == &gone)
        fileEdit_ = nullptr;
    if (directoryList_ == &gone)
        directoryList_ = nullptr;
    if (filterSelector_ == &gone)
        filterSelector_ = nullptr;
}

void TFileListBox::Rescan()
{
    read();
}

bool TFileListBox::RescanIfChanged()
{
    if (reading_)
        return true;
    if (!windowCreated_ || (watch_ != nullptr && !watch_->changed()))
        return false;
    read();
    return true;
}

void TFileListBox::Refresh()
{
    read(SelectedName());
}

void TFileListBox::StopReading()
{
    if (!reading_)
        return;
    reading_ = false;
    ++readsBegun_;
    selectOnLanding_.reset();
    maskIfHidden_ = false;
    keepOnLanding_.reset();
    runner_->stop();
    change();
}

void TFileListBox::read(const std::optional<std::string>& keep)
{
    if (!windowCreated_)
        return;
    // Entering the directory first both checks it and leaves the process
    // there afterwards, where the other browsing controls expect it; a
    // refusal leaves the items as they were.
    fs_.changeDirectory(currentDir_);
    const ReadRequest request{currentDir_, mask_, fileType_, {}};
    const bool again = request == listed_;
    const std::uint64_t begun = ++readsBegun_;
    selectOnLanding_.reset();
    maskIfHidden_ = false;
    keepOnLanding_ = again ? keep : std::nullopt;
    // A read again of the same folder starts from the order it had; the
    // items stand meanwhile when the read runs elsewhere.
    ReadRequest toRead = request;
    if (keepOnLanding_)
        toRead.previous = runner_ == nullptr ? std::move(items_) : items_;
    // Items of another folder, mask or type never stand under this one's
    // name; those of the same stay until the new ones land.
    if (runner_ == nullptr || !again) {
        items_.clear();
        facts_.clear();
        itemIndex_ = -1;
    }
    if (runner_ == nullptr) {
        auto watch = fs_.watchFolder(currentDir_);
        ListedEntries listed =
            readEntries(fs_, rules_, request.dir, request.mask, request.type, OnBusyChange, {}, toRead.previous);
        land(request, std::move(listed), std::move(watch));
        return;
    }
    // Watching a folder of a million files takes a while too: the runner
    // begins the watch, and the read under way stands for it meanwhile.
    watch_.reset();
    reading_ = true;
    // The linked edit box shows at once what the change will show when
    // the read lands: nothing is selected before then. A read that keeps
    // the selection leaves a text being typed there alone.
    if (!keepOnLanding_)
        showInFileEdit();
    runner_->start(std::move(toRead),
                   [this, begun, request](ListedEntries listed, std::unique_ptr<platform::FolderWatch> watch) {
                       if (begun == readsBegun_ && reading_)
                           land(request, std::move(listed), std::move(watch));
                   });
}

void TFileListBox::land(const ReadRequest& request, ListedEntries listed, std::unique_ptr<platform::FolderWatch> watch)
{
    reading_ = false;
    watch_ = std::move(watch);
    items_ = std::move(listed.items);
    facts_ = std::move(listed.facts);
    listed_ = request;
    itemIndex_ = -1;
    ++readCount_;
    const std::optional<std::string> kept = std::exchange(keepOnLanding_, std::nullopt);
    const std::optional<std::string> name = std::exchange(selectOnLanding_, std::nullopt);
    const bool maskIfHidden = std::exchange(maskIfHidden_, false);
    if (name)
        selectItemNamed(*name);
    if (name && maskIfHidden && itemIndex_ < 0) {
        // The items are stale at once: the read of the new mask reports.
        SetMask(*name);
        SelectName(*name);
        return;
    }
    if (kept && !name) {
        const auto found = std::find(items_.begin(), items_.end(), *kept);
        itemIndex_ = found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
        change(SelectedName() != *kept);
        return;
    }
    change();
}

void TFileListBox::showInFileEdit()
{
    if (fileEdit_ == nullptr)
        return;
    const std::string selected = SelectedName();
    fileEdit_->setText(selected.empty() ? mask_ : selected);
    fileEdit_->selectAll();
}

void TFileListBox::change(bool showInEdit)
{
    lastReported_ = itemIndex_;
    if (showInEdit)
        showInFileEdit();
    if (OnChange)
        OnChange(*this);
}

std::string TFileListBox::SelectedName() const
{
    if (itemIndex_ < 0 || static_cast<std::size_t>(itemIndex_) >= items_.size())
        return {};
    return items_[static_cast<std::size_t>(itemIndex_)];
}

std::string TFileListBox::SelectedPath() const
{
    const std::string name = SelectedName();
    return name.empty() ? std::string() : joinPath(rules_, fs_.pathSyntax(), currentDir_, name);
}

void TFileListBox::SelectName(const std::string& name)
{
    if (reading_) {
        selectOnLanding_ = name;
        return;
    }
    // Names compare as the volume finds them: a name typed in another case
    // selects the file on a volume that folds case.
    const VolumeCase volume = volumeCaseOf(fs_, rules_, currentDir_);
    if (sameNameOnVolume(rules_, volume, name, SelectedName()))
        return;
    selectItemNamed(name);
    change();
}

void TFileListBox::selectItemNamed(const std::string& name)
{
    const VolumeCase volume = volumeCaseOf(fs_, rules_, currentDir_);
    // The order a list box's exact search takes: from item 1 to the end,
    // then item 0.
    itemIndex_ = -1;
    const std::size_t count = items_.size();
    for (std::size_t step = 0; step < count; ++step) {
        const std::size_t i = (step + 1) % count;
        if (sameNameOnVolume(rules_, volume, items_[i], name)) {
            itemIndex_ = static_cast<int>(i);
            break;
        }
    }
}

void TFileListBox::ApplyPathText(const std::string& typed)
{
    if (typed.empty() || rules_.sameFileName(typed, SelectedPath()))
        return;
    const std::string text = fromVanishedDirectory(fs_, rules_, currentDir_, typed);
    const platform::PathSyntax syntax = fs_.pathSyntax();
    const SplitPath split = SplitPathText(fs_, rules_, text);

    if (directoryList_ != nullptr) {
        directoryList_->SetCurrentDir(text);
    } else if (split.drive != 0 && split.drive != syntax.separator) {
        SetCurrentDir(std::string(1, split.drive) + ":" + split.dir);
    } else {
        // A network path, or one on a system without drives: the directory
        // part is the whole path, or relative to the listed directory.
        SetCurrentDir(split.dir);
    }

    if (text::hasWildcard(split.file)) {
        SetMask(split.file);
        return;
    }
    if (split.file.empty())
        return;
    SelectName(split.file);
    if (!fs_.fileExists(joinPath(rules_, syntax, currentDir_, split.file)))
        throw Error(rules_.fromUtf8("不正なファイル名 - ") + text);
    // A file the mask hides becomes the mask, so the list shows it.
    if (reading_) {
        maskIfHidden_ = true;
    } else if (SelectedName().empty()) {
        SetMask(split.file);
        SelectName(split.file);
    }
}

void TFileListBox::selectByUser(int index)
{
    itemIndex_ = index >= 0 && static_cast<std::size_t>(index) < items_.size() ? index : -1;
    if (OnClick)
        OnClick(*this);
    if (itemIndex_ != lastReported_)
        change();
}

void TFileListBox::typeKey(std::string_view character)
{
    const int item = typeAhead_.itemFor(character, items_);
    if (item >= 0)
        selectByUser(item);
}

std::optional<platform::DirEntry> TFileListBox::fileInformation(std::string_view name) const
{
    // Items are in sort-key order, so the name's key finds its place.
    const std::string key = rules_.sortKey(name);
    auto it = std::partition_point(items_.begin(), items_.end(),
                                   [&](const std::string& item) { return rules_.sortKey(item) < key; });
    for (; it != items_.end() && rules_.sortKey(*it) == key; ++it) {
        if (*it != name)
            continue;
        const EntryFacts& facts = facts_[static_cast<std::size_t>(it - items_.begin())];
        platform::DirEntry entry{*it, facts.attributes, facts.size, facts.lastWrite};
        if (entry.isDirectory())
            entry.name = entry.name.substr(1, entry.name.size() - 2);
        return entry;
    }
    return std::nullopt;
}

} // namespace quorrin::browse
