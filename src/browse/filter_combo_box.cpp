#include "browse/filter_combo_box.h"

#include "browse/file_list_box.h"
#include "browse/filter_presets.h"

namespace quorrin::browse {

TFilterComboBox::TFilterComboBox(const text::TextRules& rules)
    : rules_(rules), filter_(rules.fromUtf8(defaultFilterUtf8)), typing_(rules)
{
    RebuildFilters();
}

void TFilterComboBox::SetFilter(const std::string& filter)
{
    if (rules_.sameFileName(filter, filter_))
        return;
    filter_ = filter;
    RebuildFilters();
    change();
}

void TFilterComboBox::RebuildFilters()
{
    FilterPresets presets = parseFilter(rules_, filter_);
    items_ = std::move(presets.descriptions);
    masks_ = std::move(presets.masks);
    itemIndex_ = items_.empty() ? -1 : 0;
}

void TFilterComboBox::SetItemIndex(int index)
{
    itemIndex_ = index >= 0 && static_cast<std::size_t>(index) < items_.size() ? index : -1;
}

std::string TFilterComboBox::SelectedMask()
{
    if (itemIndex_ < 0)
        itemIndex_ = static_cast<int>(items_.size()) - 1;
    return itemIndex_ >= 0 ? masks_[static_cast<std::size_t>(itemIndex_)] : std::string("*.*");
}

void TFilterComboBox::SetFileList(TFileListBox* list)
{
    relinkWithBackLink(fileList_, list, this, &TFileListBox::filterSelector, &TFileListBox::setFilterSelector);
}

void TFilterComboBox::linkedControlGone(Control& gone)
{
    if (fileList_ == &gone)
        fileList_ = nullptr;
}

void TFilterComboBox::chooseByUser(int index)
{
    // The row already shown counts too: after a typed mask it is the only
    // way back to that preset's mask.
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size())
        return;
    itemIndex_ = index;
    if (OnClick)
        OnClick(*this);
    change();
    // The widget's own selection handling reports the change once more.
    change();
}

bool TFilterComboBox::typeKey(std::string_view character)
{
    const ClosedSelectorTyping::Outcome outcome = typing_.key(character, items_);
    switch (outcome.action) {
    case ClosedSelectorTyping::Action::backspace: change(); return true;
    case ClosedSelectorTyping::Action::choose: chooseByUser(outcome.row); return true;
    case ClosedSelectorTyping::Action::pass: break;
    }
    return false;
}

void TFilterComboBox::change()
{
    if (fileList_ != nullptr)
        fileList_->SetMask(SelectedMask());
    if (OnChange)
        OnChange(*this);
}

} // namespace quorrin::browse
