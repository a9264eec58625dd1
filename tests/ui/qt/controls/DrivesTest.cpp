#include "ui/qt/controls/Drives.h"
#include "tests/support/TestFiles.h"
#include "tests/support/qt/QtPrinters.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

using tarvolin::Drives;

TEST(Drives, OnlyFileSystemsThatHoldUserFiles)
{
    struct Case
    {
        const char* mountPoint;
        const char* type;
        bool kept;
    };
    const Case cases[] = {
        {"/", "ext4", true},
        {"/", "overlay", true}, // a container's root
        {"/home", "ext4", true},
        {"/media/alice/KINGSTON", "vfat", true},
        {"/media/alice/U 盘", "exfat", true},
        {"/run/media/alice/DISK", "ntfs3", true},
        {"/mnt/share", "cifs", true},
        {"/dev/shm", "tmpfs", true},
        {"/proc", "proc", false},
        {"/sys", "sysfs", false},
        {"/sys/fs/cgroup/cpu", "cgroup", false},
        {"/dev", "devtmpfs", false},
        {"/dev/pts", "devpts", false},
        {"/run", "tmpfs", false},
        {"/tmp/layer", "overlay", false},
        {"/snap/core22/1122", "squashfs", false},
        {"/boot/efi", "vfat", false},
        {"/var/lib/docker/overlay2/x/merged", "ext4", false},
        {"/run/user/1000/doc", "fuse.portal", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Drives::holdsUserFiles(c.mountPoint, c.type), c.kept) << c.mountPoint;
}

TEST(Drives, ReadFromTheMountTable)
{
    testsupport::TempDir dir;
    const std::string table = dir / "mounts";
    testsupport::writeFile(table, "proc /proc proc rw 0 0\n"
                                  "/dev/vda / ext4 rw 0 0\n"
                                  "tmpfs /dev/shm tmpfs rw 0 0\n"
                                  "tmpfs /dev/shm tmpfs rw 0 0\n"
                                  "/dev/sdb1 /media/alice/My\\040Disk vfat rw 0 0\n"
                                  "/dev/vdb /home ext4 rw 0 0\n"
                                  "cgroup /sys/fs/cgroup/cpu cgroup rw 0 0\n");
    const Drives drives = Drives::fromMountTable(QString::fromStdString(table));
    QStringList roots;
    for (const Drives::Drive& drive : drives.list()) {
        roots << drive.root;
        EXPECT_TRUE(drive.label.startsWith(drive.root.size() > 1 ? drive.root.chopped(1) : "/"))
            << drive.label.toStdString();
    }
    EXPECT_EQ(roots, (QStringList{"/", "/dev/shm/", "/home/", "/media/alice/My Disk/"}));
    EXPECT_FALSE(drives.followsSystem());
    EXPECT_TRUE(Drives::system().followsSystem());
    EXPECT_EQ(drives.rootOf("/home/alice/x"), "/home/");
    EXPECT_EQ(drives.rootOf("/media/alice/My Disk"), "/media/alice/My Disk/");
    EXPECT_EQ(drives.rootOf("/opt"), "/");
}

TEST(Drives, SystemDrivesIncludeTheRootWithItsSize)
{
    const Drives drives = Drives::system();
    ASSERT_FALSE(drives.list().isEmpty());
    const int root = drives.indexOf(QDir::rootPath());
    ASSERT_GE(root, 0);
    EXPECT_TRUE(drives.list()[root].label.contains('[')) << drives.list()[root].label.toStdString();
}

} // namespace
