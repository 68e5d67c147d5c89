#pragma once

#include "platform/file_system.h"
#include "platform/volume.h"
#include "text/text_rules.h"

#include <string>
#include <vector>

namespace quorrin::browse {

enum TextCase {
    tcLowerCase = 0,
    tcUpperCase = 1,
};

// One row of the drive selector: its text, and the volume behind it, whose
// type picks the glyph (removable, fixed, network, CD-ROM, RAM disk).
struct DriveRow {
    std::string text;
    platform::Volume volume;
};

// The rows for every volume the system offers, in its order. Where paths
// have drives a row reads "c: [label]", "z: \\server\share" or, for a
// removable drive whose medium is never touched, "a:"; elsewhere it names
// the mount point: "/media/usb [label]". A label that cannot be read shows
// as "[]". Letters, labels and network names take the case `textCase` asks
// for; a mount point is a path and keeps its own.
std::vector<DriveRow> buildDriveRows(const platform::FileSystem& fs, const text::TextRules& rules, TextCase textCase);

} // namespace quorrin::browse
