#include "browse/volume_case.h"

#include "browse/directory_rows.h"

namespace quorrin::browse {

VolumeCase volumeCaseOf(const platform::FileSystem& fs, const text::TextRules& rules, const std::string& dir)
{
    const platform::PathSyntax syntax = fs.pathSyntax();
    const auto info = fs.volumeInformation(syntax.driveLetters ? treeRoot(rules, syntax, dir) : dir);
    if (!info)
        return {};
    return VolumeCase{info->caseSensitive, info->casePreserving || info->caseSensitive};
}

bool sameNameOnVolume(const text::TextRules& rules, VolumeCase volume, std::string_view a, std::string_view b)
{
    return volume.sensitive ? rules.sameFileName(a, b) : rules.sameFoldedName(a, b);
}

} // namespace quorrin::browse
