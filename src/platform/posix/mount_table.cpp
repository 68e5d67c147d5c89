#include "platform/posix/mount_table.h"

#include <algorithm>
#include <array>
#include <map>

namespace quorrin::platform::posix {

namespace {

// mountinfo writes space, tab, newline and backslash as \ooo.
std::string unescape(std::string_view field)
{
    auto isOctal = [](char c) { return c >= '0' && c <= '7'; };
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 4 <= field.size() && isOctal(field[i + 1]) && isOctal(field[i + 2]) &&
            isOctal(field[i + 3])) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

std::vector<std::string_view> splitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ')
            ++i;
        if (i > start)
            fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

} // namespace

bool isKernelFileSystem(std::string_view fsType)
{
    static constexpr std::array<std::string_view, 20> kernel{
        "proc",   "sysfs",   "devtmpfs",    "devpts",     "cgroup",    "cgroup2",  "securityfs",
        "pstore", "debugfs", "tracefs",     "mqueue",     "hugetlbfs", "configfs", "fusectl",
        "bpf",    "autofs",  "binfmt_misc", "rpc_pipefs", "nsfs",      "efivarfs"};
    return std::find(kernel.begin(), kernel.end(), fsType) != kernel.end();
}

namespace {

bool isPseudoFileSystem(std::string_view fsType)
{
    // Memory and image file systems hold real files, but nobody picks them
    // as a volume to browse.
    static constexpr std::array<std::string_view, 4> volatileOrImage{"tmpfs", "overlay", "squashfs", "ramfs"};
    return isKernelFileSystem(fsType) ||
           std::find(volatileOrImage.begin(), volatileOrImage.end(), fsType) != volatileOrImage.end();
}

DriveType classify(const MountEntry& m, const std::function<bool(const std::string&)>& isRemovableDevice)
{
    if (isRemoteFileSystem(m.fsType))
        return DriveType::remote;
    if (m.fsType == "iso9660" || m.fsType == "udf")
        return DriveType::cdrom;
    if (m.source.starts_with("/dev/zram") || m.source.starts_with("/dev/ram"))
        return DriveType::ramDisk;
    if (m.source.starts_with("/dev/") && isRemovableDevice(m.source))
        return DriveType::removable;
    return DriveType::fixed;
}

} // namespace

std::vector<MountEntry> parseMountInfo(std::string_view text)
{
    std::vector<MountEntry> mounts;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        const auto fields = splitFields(text.substr(pos, end - pos));
        pos = end + 1;
        // id parent major:minor root mount-point options [optional...] - type source super-options
        const auto dash = std::find(fields.begin(), fields.end(), "-");
        if (fields.size() < 5 || dash == fields.end() || fields.end() - dash < 3 || dash - fields.begin() < 6)
            continue;
        mounts.push_back(MountEntry{unescape(fields[3]), unescape(fields[4]), unescape(dash[1]), unescape(dash[2])});
    }
    return mounts;
}

bool isRemoteFileSystem(std::string_view fsType)
{
    static constexpr std::array<std::string_view, 9> remote{"nfs",        "nfs4", "cifs", "smb3", "smbfs",
                                                            "fuse.sshfs", "9p",   "afs",  "ceph"};
    return std::find(remote.begin(), remote.end(), fsType) != remote.end();
}

bool isCaseInsensitiveFileSystem(std::string_view fsType)
{
    static constexpr std::array<std::string_view, 10> insensitive{"vfat",    "msdos",   "exfat", "ntfs", "ntfs3",
                                                                  "fuseblk", "iso9660", "udf",   "cifs", "smb3"};
    return std::find(insensitive.begin(), insensitive.end(), fsType) != insensitive.end();
}

std::vector<Volume> selectVolumes(const std::vector<MountEntry>& mounts,
                                  const std::function<bool(const std::string&)>& isRemovableDevice)
{
    std::map<std::string, const MountEntry*> byPoint;
    for (const auto& m : mounts)
        byPoint[m.mountPoint] = &m;

    std::vector<Volume> volumes;
    for (const auto& [point, m] : byPoint) {
        const bool wanted = point == "/" || isRemoteFileSystem(m->fsType) ||
                            (m->source.starts_with("/dev/") && !isPseudoFileSystem(m->fsType));
        if (wanted)
            volumes.push_back(Volume{0, point, classify(*m, isRemovableDevice)});
    }
    if (byPoint.find("/") == byPoint.end())
        volumes.insert(volumes.begin(), Volume{0, "/", DriveType::fixed});
    return volumes;
}

const MountEntry* mountHolding(const std::vector<MountEntry>& mounts, std::string_view path)
{
    const MountEntry* best = nullptr;
    for (const auto& m : mounts) {
        const std::string& p = m.mountPoint;
        const bool holds = p == "/" ? path.starts_with('/')
                                    : path.starts_with(p) && (path.size() == p.size() || path[p.size()] == '/');
        if (holds && (!best || p.size() >= best->mountPoint.size()))
            best = &m;
    }
    return best;
}

} // namespace quorrin::platform::posix
