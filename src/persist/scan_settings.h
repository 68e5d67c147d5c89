#pragma once

#include "persist/settings_file.h"

#include <cstdint>

namespace quorrin::persist {

// How far a listing reaches into the listed folder's subfolders, as the
// section "Scan" keeps it: Subfolders=0/1, Depth=levels below the folder
// (0 for all).
struct ScanSettings {
    bool subfolders = false;
    std::int32_t depth = 0;
    // The file had the section; it is then written back even at its
    // defaults, so turning the option off is remembered.
    bool stored = false;
};

// A file without the section gives the defaults, which list the folder
// alone as always; a negative depth counts as all levels.
ScanSettings readScanSettings(SettingsFile& file);

// Writes the section only when the file had it or a value differs from its
// default, so a file of a user who never touched the option stays as it was.
void writeScanSettings(SettingsFile& file, const ScanSettings& scan);

} // namespace quorrin::persist
