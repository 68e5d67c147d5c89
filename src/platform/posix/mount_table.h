#pragma once

#include "platform/volume.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::platform::posix {

// One line of /proc/self/mountinfo, with its octal escapes undone.
struct MountEntry {
    std::string root; // the part of the file system mounted here
    std::string mountPoint;
    std::string fsType;
    std::string source;
};

std::vector<MountEntry> parseMountInfo(std::string_view text);

bool isRemoteFileSystem(std::string_view fsType);
// Process, device and kernel tables (proc, sysfs, devtmpfs, ...): no user
// files, and some of them endless to walk.
bool isKernelFileSystem(std::string_view fsType);
bool isCaseInsensitiveFileSystem(std::string_view fsType);

// The mounts a person would pick as a starting point: the root and file
// systems on real devices or network shares, each mount point once (a later
// mount hides an earlier one), root first, then by mount point.
// `isRemovableDevice` tells whether a device source is a removable medium.
std::vector<Volume> selectVolumes(const std::vector<MountEntry>& mounts,
                                  const std::function<bool(const std::string&)>& isRemovableDevice);

// The mount that holds `path`: the longest mount point that is a whole
// leading part of it.
const MountEntry* mountHolding(const std::vector<MountEntry>& mounts, std::string_view path);

} // namespace quorrin::platform::posix
