#pragma once

#include "browse/file_list_read.h"
#include "listing/file_info_source.h"

namespace quorrin::cli {

// Serves the composer what one read found. The composer asks for the names
// in the read's order, a name once for each column that needs it, so the
// entry last served and the next one are all it ever has to look at.
class ListedEntrySource final : public listing::FileInfoSource {
public:
    explicit ListedEntrySource(const browse::ListedEntries& entries) : entries_(entries) {}
    const platform::DirEntry* entry(std::string_view name) const override;

private:
    const browse::ListedEntries& entries_;
    mutable std::size_t cursor_ = 0;
    mutable platform::DirEntry scratch_;
};

} // namespace quorrin::cli
