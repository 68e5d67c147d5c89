#pragma once

#include "browse/file_list_box.h"
#include "listing/file_info_source.h"

namespace quorrin::ui {

// What the file list's last read knows about each listed name, served to the
// row composer. The composer asks for the names in list order, so the item
// last served, the next one and the first are tried before any search, and a
// whole rebuild needs none.
class FileListFacts final : public listing::FileInfoSource {
public:
    explicit FileListFacts(const browse::TFileListBox& list) : list_(list) {}
    const platform::DirEntry* entry(std::string_view name) const override;

private:
    const platform::DirEntry* fill(std::size_t index) const;

    const browse::TFileListBox& list_;
    mutable std::size_t cursor_ = 0;
    mutable platform::DirEntry scratch_;
};

} // namespace quorrin::ui
