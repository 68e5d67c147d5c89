#pragma once

#include "platform/dir_entry.h"

#include <string_view>

namespace quorrin::listing {

// What the directory read already returned for each listed name, so that a
// rebuild of the listing costs no system call per file. The file list
// serves it from its last read.
class FileInfoSource {
public:
    virtual ~FileInfoSource() = default;
    // The entry for a bare name, or nullptr when there is none. Valid until
    // the next call, which is all a field needs: sources may answer from one
    // reusable entry instead of allocating one per field.
    virtual const platform::DirEntry* entry(std::string_view name) const = 0;
};

} // namespace quorrin::listing
