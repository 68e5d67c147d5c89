#pragma once

#include "browse/file_list_read.h"
#include "platform/dir_entry.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::ui {

// Finds a name's facts in arrays kept in list order. The composer asks for
// the names in that order, so the item last served, the next one and the
// first are tried, and a whole rebuild costs no search; a rebuild starts
// again at the top, which item 0 covers.
class OrderedFacts {
public:
    // The entry for the name, valid until the next call, or nullptr when
    // none of those three items carries it.
    const platform::DirEntry* find(const std::vector<std::string>& items, const std::vector<browse::EntryFacts>& facts,
                                   std::string_view name) const;
    // An entry found elsewhere, served from the same storage.
    const platform::DirEntry* hold(platform::DirEntry entry) const;

private:
    mutable std::size_t cursor_ = 0;
    mutable platform::DirEntry scratch_;
};

} // namespace quorrin::ui
