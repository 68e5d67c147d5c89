#include "platform/posix/mount_table.h"
#include "platform/posix/volume_labels.h"

#include <gtest/gtest.h>

namespace quorrin::platform::posix {
namespace {

// Captured from a desktop with a USB stick, a DVD, a network share and the
// usual pseudo file systems, plus a container's bind-mounted file.
constexpr std::string_view sampleMountInfo =
    "22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
    "23 22 0:21 / /proc rw,nosuid shared:12 - proc proc rw\n"
    "24 22 0:22 / /sys rw,nosuid shared:7 - sysfs sysfs rw\n"
    "25 22 0:5 / /dev rw,nosuid shared:2 - devtmpfs udev rw,size=8000k\n"
    "26 25 0:23 / /dev/shm rw shared:4 - tmpfs tmpfs rw\n"
    "27 24 0:24 / /sys/fs/cgroup rw shared:9 - cgroup2 cgroup2 rw\n"
    "30 22 8:1 / /boot/efi rw,relatime shared:29 - vfat /dev/sda1 rw,fmask=0077\n"
    "31 22 8:3 / /home rw,relatime shared:30 - ext4 /dev/sda3 rw\n"
    "40 22 8:17 / /media/user/USB\\040STICK rw,nosuid shared:40 - vfat /dev/sdb1 rw\n"
    "41 22 11:0 / /media/user/DVD ro,nosuid shared:41 - iso9660 /dev/sr0 ro\n"
    "42 22 0:50 / /mnt/share rw shared:42 - cifs //server/share rw\n"
    "43 22 8:2 /var/lib/hosts /etc/hosts rw shared:1 - ext4 /dev/sda2 rw\n"
    "44 22 0:60 / /mnt/ram rw - ext2 /dev/ram0 rw\n"
    "45 22 8:4 / /home rw,relatime shared:31 - xfs /dev/sda4 rw\n"
    "garbage line\n";

TEST(MountTable, OffersRealDevicesAndSharesButNoPseudoFileSystems)
{
    const auto volumes =
        selectVolumes(parseMountInfo(sampleMountInfo), [](const std::string& dev) { return dev == "/dev/sdb1"; });
    // "/etc/hosts" is a file; the live query drops it after a look.
    const std::pair<std::string, DriveType> expected[] = {{"/", DriveType::fixed},
                                                          {"/boot/efi", DriveType::fixed},
                                                          {"/etc/hosts", DriveType::fixed},
                                                          {"/home", DriveType::fixed},
                                                          {"/media/user/DVD", DriveType::cdrom},
                                                          {"/media/user/USB STICK", DriveType::removable},
                                                          {"/mnt/ram", DriveType::ramDisk},
                                                          {"/mnt/share", DriveType::remote}};
    ASSERT_EQ(volumes.size(), std::size(expected));
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        EXPECT_EQ(volumes[i].root, expected[i].first);
        EXPECT_EQ(volumes[i].type, expected[i].second) << expected[i].first;
        EXPECT_EQ(volumes[i].letter, 0);
    }
}

TEST(MountTable, TheRootIsOfferedEvenWhenItsMountIsHiddenAndTheLongestMountPointHoldsAPath)
{
    const auto hidden = selectVolumes(parseMountInfo("1 0 0:1 / / rw - overlay overlay rw\n"),
                                      [](const std::string&) { return false; });
    ASSERT_EQ(hidden.size(), 1u);
    EXPECT_EQ(hidden[0].root, "/");

    const auto mounts = parseMountInfo(sampleMountInfo);
    const std::pair<std::string, std::string> cases[] = {
        {"/home/user/docs", "/home"}, {"/homework", "/"}, {"/media/user/USB STICK/photos", "/media/user/USB STICK"}};
    for (const auto& [path, holder] : cases) {
        const MountEntry* m = mountHolding(mounts, path);
        ASSERT_NE(m, nullptr) << path;
        EXPECT_EQ(m->mountPoint, holder) << path;
    }
    // A later mount over the same point is the one that holds it.
    EXPECT_EQ(mountHolding(mounts, "/home/x")->fsType, "xfs");
    EXPECT_EQ(mounts.size(), 14u);
    EXPECT_EQ(mounts[11].root, "/var/lib/hosts");
    EXPECT_EQ(mounts[0].source, "/dev/sda2");
}

TEST(VolumeLabels, UdevEscapesAreUndone)
{
    EXPECT_EQ(decodeUdevLabel("MY\\x20DISK"), "MY DISK");
    EXPECT_EQ(decodeUdevLabel("bad\\x2"), "bad\\x2");
    EXPECT_EQ(decodeUdevLabel("\\xe6\\x97\\xa5"), "日");
}

} // namespace
} // namespace quorrin::platform::posix
