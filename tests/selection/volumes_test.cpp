#include <gtest/gtest.h>

#include "platform/Files.h"
#include "selection/Volumes.h"
#include "TempTree.h"

using namespace vt;
using vt::test::TempTree;

namespace {

const char* kMountInfo =
    "22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
    "30 22 0:25 / /proc rw,nosuid - proc proc rw\n"
    "41 22 8:17 / /mnt/data rw,relatime shared:7 master:2 - ext4 /dev/sdb1 rw\n"
    "42 22 8:33 / /media/My\\040Disk rw - vfat /dev/sdc1 rw,fmask=0022\n"
    "43 22 8:49 / /mnt/usb rw - vfat /dev/sdd1 rw\n"
    "44 43 8:65 / /mnt/usb rw - ext4 /dev/sde1 rw\n"
    "garbage line\n"
    "45 22 0:40 / /srv/share rw - nfs server:/export rw\n";

} // namespace

TEST(Volumes, ParseMountInfoFieldsAndEscapes)
{
    auto m = ParseMountInfo(kMountInfo);
    ASSERT_EQ(m.size(), 7u); // the garbage line is left out
    EXPECT_EQ(m[2].mountPoint, "/mnt/data");
    EXPECT_EQ(m[2].source, "/dev/sdb1"); // two optional fields before "-"
    EXPECT_EQ(m[2].fsType, "ext4");
    EXPECT_EQ(m[2].major, 8u);
    EXPECT_EQ(m[2].minor, 17u);
    EXPECT_EQ(m[3].mountPoint, "/media/My Disk");
    EXPECT_EQ(m[1].source, "proc");
    EXPECT_EQ(m[6].source, "server:/export");
    EXPECT_TRUE(ParseMountInfo("").empty());
}

TEST(Volumes, MountOfAPathIsTheLongestMountPointAboveIt)
{
    auto mounts = ParseMountInfo(kMountInfo);
    struct Case { const char* path; const char* mountPoint; const char* source; } cases[] = {
        {"/", "/", "/dev/sda2"},
        {"/home/user/Film", "/", "/dev/sda2"},
        {"/mnt/data", "/mnt/data", "/dev/sdb1"},
        {"/mnt/data/Film/2009", "/mnt/data", "/dev/sdb1"},
        {"/mnt/data2/Film", "/", "/dev/sda2"}, // a name that only begins like a mount point
        {"/media/My Disk/x", "/media/My Disk", "/dev/sdc1"},
        {"/mnt/usb/x", "/mnt/usb", "/dev/sde1"}, // stacked: the last mount is the one in view
        {"/srv/share/a", "/srv/share", "server:/export"},
    };
    for (const auto& c : cases) {
        auto m = FindMount(mounts, c.path);
        ASSERT_TRUE(m) << c.path;
        EXPECT_EQ(m->mountPoint, c.mountPoint) << c.path;
        EXPECT_EQ(m->source, c.source) << c.path;
    }
    EXPECT_FALSE(FindMount(mounts, "relative/path"));
    EXPECT_FALSE(FindMount({}, "/home"));
}

TEST(Volumes, LabelFromFakeByLabelFolder)
{
    TempTree t;
    t.Dir("dev");
    t.File("dev/sdb1", 0);
    t.File("dev/sdc1", 0);
    t.File("dev/sdd1", 0);
    t.Link("sdb1", "dev/alias"); // another name of the same device
    t.Dir("by-label");
    t.Link("../dev/sdb1", "by-label/ARCHIVIO");
    t.Link("../dev/sdc1", "by-label/Film\\x20di\\x2fCasa"); // udev's escapes of " " and "/"
    t.Link("../dev/gone", "by-label/BROKEN");
    const std::string byLabel = t.Path("by-label");

    struct Case { std::string source; const char* label; } cases[] = {
        {t.Path("dev/sdb1"), "ARCHIVIO"},
        {t.Path("dev/alias"), "ARCHIVIO"},
        {t.Path("dev/sdc1"), "Film di/Casa"},
        {t.Path("dev/sdd1"), ""},          // a file system without a label
        {"tmpfs", ""},
    };
    for (const auto& c : cases) {
        MountEntry m;
        m.source = c.source;
        EXPECT_EQ(LabelOfMount(m, byLabel), c.label) << c.source;
    }
    MountEntry m;
    m.source = t.Path("dev/sdb1");
    EXPECT_EQ(LabelOfMount(m, t.Path("no-by-label")), ""); // containers often have none

    // The whole road from a path: mount table file, mount, label.
    t.Dir("mnt/Film");
    std::string info = "22 1 8:2 / / rw - ext4 /dev/sda2 rw\n"
                       "41 22 8:17 / " + t.Path("mnt") + " rw - ext4 " + t.Path("dev/sdb1") + " rw\n";
    WriteFileAtomic(t.Path("mountinfo"), info);
    VolumeSource src{t.Path("mountinfo"), byLabel};
    EXPECT_EQ(GetVolumeLabel(t.Path("mnt/Film"), src), "ARCHIVIO");
    VolumeInfo v = ProbeVolume(t.Path("mnt/Film"), src);
    EXPECT_EQ(v.mountPoint, t.Path("mnt"));
    EXPECT_EQ(v.label, "ARCHIVIO");
    EXPECT_GE(v.freeBytes, 0);
    EXPECT_EQ(GetVolumeLabel(t.Path("mnt/Film"), {t.Path("no-mountinfo"), byLabel}), "");
}

TEST(Volumes, FreeBytesAndTheRealMountTable)
{
    EXPECT_GE(FreeBytesOf("/"), 0);
    EXPECT_EQ(FreeBytesOf("/no/such/folder"), -1);
    EXPECT_EQ(FreeBytesOf(""), -1);
    auto m = MountOf("/");
    ASSERT_TRUE(m) << "/proc/self/mountinfo should name a mount for /";
    EXPECT_EQ(m->mountPoint, "/");
}
