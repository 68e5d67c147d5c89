#include "browse/drive_rows.h"

namespace quorrin::browse {

namespace {

using platform::DriveType;

std::string inCase(const text::TextRules& rules, TextCase textCase, std::string_view text)
{
    return textCase == tcUpperCase ? rules.upperAsFileName(text) : rules.lowerAsFileName(text);
}

std::string volumeText(const platform::FileSystem& fs, const platform::Volume& volume)
{
    const auto info = fs.volumeInformation(volume.root);
    return "[" + (info ? info->label : std::string()) + "]";
}

bool listed(DriveType type)
{
    switch (type) {
    case DriveType::removable:
    case DriveType::fixed:
    case DriveType::remote:
    case DriveType::cdrom:
    case DriveType::ramDisk: return true;
    case DriveType::unknown:
    case DriveType::noRootDir: break;
    }
    return false;
}

} // namespace

std::vector<DriveRow> buildDriveRows(const platform::FileSystem& fs, const text::TextRules& rules, TextCase textCase)
{
    const bool driveLetters = fs.pathSyntax().driveLetters;
    std::vector<DriveRow> rows;
    for (const platform::Volume& volume : fs.volumes()) {
        if (!listed(volume.type))
            continue;
        const std::string name =
            driveLetters ? inCase(rules, textCase, std::string(1, volume.letter)) + ":" : volume.root;
        // A drive letter may stand for an empty slot, and asking for its
        // label would spin up or wait on the medium; a mount point always
        // has its medium.
        if (driveLetters && volume.type == DriveType::removable) {
            rows.push_back(DriveRow{name, volume});
            continue;
        }
        std::string text;
        if (volume.type == DriveType::remote) {
            if (const auto remote = fs.remoteName(volume))
                text = *remote;
        }
        if (text.empty())
            text = volumeText(fs, volume);
        rows.push_back(DriveRow{name + " " + inCase(rules, textCase, text), volume});
    }
    return rows;
}

} // namespace quorrin::browse
