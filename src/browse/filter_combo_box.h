#pragma once

#include "browse/closed_selector_typing.h"
#include "browse/control.h"
#include "text/text_rules.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::browse {

class TFileListBox;

// The filter selector: preset masks by description. Its change event sets
// the linked file list's Mask, which rereads only when the mask differs.
// Its items exist from the start, with the first preset selected, since the
// window reads their number before anything else touches the selector.
class TFilterComboBox : public Control {
public:
    using Event = std::function<void(TFilterComboBox& sender)>;

    explicit TFilterComboBox(const text::TextRules& rules);

    const std::string& Filter() const { return filter_; }
    // A text equal as file names would be changes nothing; any other is
    // parsed into fresh presets (the first selected) and reported through
    // the change event.
    void SetFilter(const std::string& filter);

    const std::vector<std::string>& Items() const { return items_; }
    const std::vector<std::string>& Masks() const { return masks_; }
    int ItemIndex() const { return itemIndex_; }
    // From code: no event; an index outside the presets selects none.
    void SetItemIndex(int index);
    // The selected preset's mask. With none selected the last preset is
    // selected first (no event); "*.*" when there are no presets at all.
    std::string SelectedMask();

    TFileListBox* FileList() const { return fileList_; }
    // Also sets the list's back link (and clears the old list's).
    void SetFileList(TFileListBox* list);

    // The user chose a preset (mouse, or arrow keys on the closed box):
    // OnClick, then the change event twice, the second time from the
    // widget's own selection handling. Choosing the preset already selected
    // applies its mask all the same.
    void chooseByUser(int index);
    // A key typed on the closed selector ("\b" for Backspace). Returns false
    // when it is left to the widget's own handling.
    bool typeKey(std::string_view character);
    void setClock(Clock clock) { typing_.setClock(std::move(clock)); }

    Event OnChange;
    Event OnClick;

protected:
    void linkedControlGone(Control& gone) override;

private:
    void RebuildFilters();
    void change();

    const text::TextRules& rules_;
    std::string filter_;
    std::vector<std::string> items_;
    std::vector<std::string> masks_;
    int itemIndex_ = -1;
    TFileListBox* fileList_ = nullptr;
    ClosedSelectorTyping typing_;
};

} // namespace quorrin::browse
