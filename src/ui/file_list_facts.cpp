#include "ui/file_list_facts.h"

namespace quorrin::ui {

const platform::DirEntry* FileListFacts::fill(std::size_t index) const
{
    cursor_ = index;
    const browse::EntryFacts& facts = list_.factsAt(index);
    // The composer never reads the entry's name; leaving it empty keeps a
    // rebuild free of copies.
    scratch_.attributes = facts.attributes;
    scratch_.size = facts.size;
    scratch_.lastWrite = facts.lastWrite;
    return &scratch_;
}

const platform::DirEntry* FileListFacts::entry(std::string_view name) const
{
    const auto& items = list_.Items();
    // A rebuild starts again at the top: without trying item 0 every later
    // rebuild would fall back to a search per field.
    for (std::size_t index : {cursor_, cursor_ + 1, std::size_t{0}}) {
        if (index < items.size() && items[index] == name)
            return fill(index);
    }
    const auto found = list_.fileInformation(name);
    if (!found)
        return nullptr;
    scratch_ = *found;
    return &scratch_;
}

} // namespace quorrin::ui
