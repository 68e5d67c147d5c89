#pragma once

#include "platform/file_system.h"
#include "text/text_rules.h"

#include <string>
#include <string_view>

namespace quorrin::browse {

// How the volume that holds a folder treats the letter case of names.
struct VolumeCase {
    bool sensitive = false; // another case is another name
    bool preserving = true; // names keep the case they were given
};

// The case rules of the volume that holds `dir`: where paths have drives,
// the volume at its root; elsewhere mounts nest, so the file system finds
// the volume that holds the folder itself. A volume that cannot say is
// taken as Windows volumes usually are: case kept, compared without regard
// to it.
VolumeCase volumeCaseOf(const platform::FileSystem& fs, const text::TextRules& rules, const std::string& dir);

// Two names that the volume finds the same entry by: folded as file names
// on a volume that folds case, otherwise the platform's own file-name
// comparison.
bool sameNameOnVolume(const text::TextRules& rules, VolumeCase volume, std::string_view a, std::string_view b);

} // namespace quorrin::browse
