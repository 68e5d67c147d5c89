#include "compose/listed_facts.h"

namespace quorrin::compose {

const platform::DirEntry* ListedFacts::entry(std::string_view name) const
{
    for (const std::size_t place : {place_, place_ + 1}) {
        if (place >= order_.size())
            continue;
        const std::size_t index = order_[place];
        if (items_[index] != name)
            continue;
        place_ = place;
        // The composer never reads the entry's name; leaving it empty keeps
        // a rebuild free of copies.
        const browse::EntryFacts& facts = facts_[index];
        scratch_.attributes = facts.attributes;
        scratch_.size = facts.size;
        scratch_.lastWrite = facts.lastWrite;
        return &scratch_;
    }
    return nullptr;
}

} // namespace quorrin::compose
