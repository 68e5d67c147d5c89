#pragma once

#include "browse/file_list_read.h"
#include "listing/file_info_source.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::compose {

// Serves the row composer what a read found about each listed name, for
// rows composed in `order` (indexes into `items`). The composer asks for
// the names in that order, a name once for each column that needs it, so
// the row last served and the next one are all it ever has to look at.
class ListedFacts final : public listing::FileInfoSource {
public:
    ListedFacts(const std::vector<std::string>& items, const std::vector<browse::EntryFacts>& facts,
                std::span<const std::size_t> order)
        : items_(items), facts_(facts), order_(order)
    {
    }
    // The entry, valid until the next call, or nullptr for a name that is
    // not at either place.
    const platform::DirEntry* entry(std::string_view name) const override;

private:
    const std::vector<std::string>& items_;
    const std::vector<browse::EntryFacts>& facts_;
    std::span<const std::size_t> order_;
    mutable std::size_t place_ = 0;
    mutable platform::DirEntry scratch_;
};

} // namespace quorrin::compose
