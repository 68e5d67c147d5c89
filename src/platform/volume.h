#pragma once

#include <string>

namespace quorrin::platform {

// Drive kinds with the numbers Windows gives them.
enum class DriveType {
    unknown = 0,
    noRootDir = 1,
    removable = 2,
    fixed = 3,
    remote = 4,
    cdrom = 5,
    ramDisk = 6,
};

// A place a user can pick as a starting point: a drive letter on Windows, a
// mount point on POSIX.
struct Volume {
    char letter = 0;  // lower-case drive letter; 0 where there are none
    std::string root; // "c:\" or "/media/usb"
    DriveType type = DriveType::unknown;
};

struct VolumeInformation {
    std::string label;
    bool caseSensitive = false;
    bool casePreserving = false;
};

} // namespace quorrin::platform
