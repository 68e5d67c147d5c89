#include "cli/listed_entry_source.h"

namespace quorrin::cli {

const platform::DirEntry* ListedEntrySource::entry(std::string_view name) const
{
    for (const std::size_t index : {cursor_, cursor_ + 1}) {
        if (index < entries_.items.size() && entries_.items[index] == name) {
            cursor_ = index;
            const browse::EntryFacts& facts = entries_.facts[index];
            scratch_.attributes = facts.attributes;
            scratch_.size = facts.size;
            scratch_.lastWrite = facts.lastWrite;
            return &scratch_;
        }
    }
    return nullptr;
}

} // namespace quorrin::cli
