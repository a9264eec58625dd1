#pragma once

#include <QList>
#include <QString>

namespace tarvolin {

// The drives the drive list offers: on Windows the drive letters, elsewhere
// the mounted file systems that hold user files, each by its root folder.
class Drives
{
public:
    struct Drive
    {
        QString root;  // native, ending in a separator: "C:\", "/", "/home/"
        QString label; // what the list shows
    };

    // The drives of this machine.
    static Drives system();

    // The given drives; a root that does not end in a separator gets one.
    explicit Drives(QList<Drive> drives);

    const QList<Drive>& list() const { return m_drives; }

    // The index of the drive whose root holds path (the longest such root),
    // or -1 when none does.
    int indexOf(const QString& path) const;

    // The root of the drive that holds path; the file system's root when no
    // listed drive holds it. Ends in a separator.
    QString rootOf(const QString& path) const;

private:
    QList<Drive> m_drives;
};

} // namespace tarvolin
