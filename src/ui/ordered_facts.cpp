#include "ui/ordered_facts.h"

#include <utility>

namespace quorrin::ui {

const platform::DirEntry* OrderedFacts::find(const std::vector<std::string>& items,
                                             const std::vector<browse::EntryFacts>& facts, std::string_view name) const
{
    for (std::size_t index : {cursor_, cursor_ + 1, std::size_t{0}}) {
        if (index < items.size() && items[index] == name) {
            cursor_ = index;
            // The composer never reads the entry's name; leaving it empty
            // keeps a rebuild free of copies.
            scratch_.attributes = facts[index].attributes;
            scratch_.size = facts[index].size;
            scratch_.lastWrite = facts[index].lastWrite;
            return &scratch_;
        }
    }
    return nullptr;
}

const platform::DirEntry* OrderedFacts::hold(platform::DirEntry entry) const
{
    scratch_ = std::move(entry);
    return &scratch_;
}

} // namespace quorrin::ui
