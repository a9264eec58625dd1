#pragma once

#include <QList>
#include <QString>

namespace tarvolin {

// The drives the drive list offers: the mounted file systems that a user keeps files on (the root,
// /home when it is separate, removable media, network shares, /dev/shm), each shown by its mount
// point and its label or size.
class Drives
{
public:
    struct Drive
    {
        QString root;  // native, ending in a separator: "/", "/home/"
        QString label; // what the list shows
    };

    // The drives of this machine; they follow its mount table.
    static Drives system();

    // The drives of a mount table in the form of /proc/self/mounts.
    static Drives fromMountTable(const QString& table);

    // True for a file system that holds user files: not the kernel's own
    // (proc, sysfs, cgroup, devpts ...), not a read-only image (squashfs
    // snaps), not a layer or scratch space of the system (overlay, tmpfs),
    // apart from the root and /dev/shm.
    static bool holdsUserFiles(const QString& mountPoint, const QString& type);

    // The given drives; a root that does not end in a separator gets one.
    explicit Drives(QList<Drive> drives);

    const QList<Drive>& list() const { return m_drives; }

    // True for the machine's drives (system()), which change as media come and go.
    bool followsSystem() const { return m_system; }

    // The index of the drive whose root holds path (the longest such root),
    // or -1 when none does.
    int indexOf(const QString& path) const;

    // The root of the drive that holds path; the file system's root when no
    // listed drive holds it. Ends in a separator.
    QString rootOf(const QString& path) const;

private:
    QList<Drive> m_drives;
    bool m_system = false;
};

} // namespace tarvolin
