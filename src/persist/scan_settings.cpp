#include "persist/scan_settings.h"

#include <algorithm>
#include <string_view>

namespace quorrin::persist {

namespace {

constexpr std::string_view section = "Scan";
constexpr std::string_view subfoldersKey = "Subfolders";
constexpr std::string_view depthKey = "Depth";

} // namespace

ScanSettings readScanSettings(SettingsFile& file)
{
    ScanSettings scan;
    // A value no file can hold tells a missing key from a stored one.
    constexpr std::string_view absent = "\n";
    scan.stored =
        file.ReadText(section, subfoldersKey, absent) != absent || file.ReadText(section, depthKey, absent) != absent;
    scan.subfolders = file.ReadFlag(section, subfoldersKey, false);
    scan.depth = std::max(file.ReadNumber(section, depthKey, 0), 0);
    return scan;
}

void writeScanSettings(SettingsFile& file, const ScanSettings& scan)
{
    if (!scan.stored && !scan.subfolders && scan.depth == 0)
        return;
    file.WriteFlag(section, subfoldersKey, scan.subfolders);
    file.WriteNumber(section, depthKey, scan.depth);
}

} // namespace quorrin::persist
