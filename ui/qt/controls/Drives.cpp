#include "ui/qt/controls/Drives.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSet>
#include <QStorageInfo>

#include <algorithm>

namespace tarvolin {

namespace {

// True when root (which ends in a separator) holds path: the root itself,
// written with or without its separator, or a path below it.
bool holds(const QString& root, const QString& path)
{
    return path.startsWith(root) || path == root.chopped(1);
}

// A mount table writes blanks, tabs, newlines and backslashes as \ooo.
QString unescaped(const QByteArray& field)
{
    QByteArray bytes;
    const auto octal = [&field](qsizetype at) {
        return at < field.size() && field[at] >= '0' && field[at] <= '7';
    };
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && octal(i + 1) && octal(i + 2) && octal(i + 3)) {
            bytes += static_cast<char>((field[i + 1] - '0') << 6 | (field[i + 2] - '0') << 3 |
                                       (field[i + 3] - '0'));
            i += 3;
        } else {
            bytes += field[i];
        }
    }
    return QFile::decodeName(bytes);
}

// "/media/usb [KINGSTON]" or "/ [58.4 GB]": the label where the medium has
// one, its size otherwise.
QString labelOf(const QString& mountPoint)
{
    const QStorageInfo volume(mountPoint);
    QString detail = volume.isValid() ? volume.name() : QString();
    if (detail.isEmpty() && volume.isValid() && volume.bytesTotal() > 0)
        detail = QLocale::c().formattedDataSize(volume.bytesTotal(), 1,
                                                QLocale::DataSizeTraditionalFormat);
    return detail.isEmpty() ? mountPoint : mountPoint + QStringLiteral(" [") + detail + ']';
}

} // namespace

Drives Drives::system()
{
    Drives result = fromMountTable(QStringLiteral("/proc/self/mounts"));
    if (result.m_drives.isEmpty())
        result.m_drives.append({QStringLiteral("/"), labelOf(QStringLiteral("/"))});
    result.m_system = true;
    return result;
}

Drives Drives::fromMountTable(const QString& table)
{
    QFile file(table);
    QList<Drive> drives;
    if (!file.open(QIODevice::ReadOnly))
        return Drives(drives);
    QSet<QString> seen;
    // Each line: device, mount point, type, options ... A later mount on
    // the same point hides the earlier one; one entry for each point.
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3)
            continue;
        const QString mountPoint = unescaped(fields[1]);
        const QString type = QString::fromLatin1(fields[2]);
        if (!holdsUserFiles(mountPoint, type) || seen.contains(mountPoint))
            continue;
        seen.insert(mountPoint);
        drives.append({mountPoint, labelOf(mountPoint)});
    }
    std::sort(drives.begin(), drives.end(),
              [](const Drive& a, const Drive& b) { return a.root < b.root; });
    return Drives(drives);
}

bool Drives::holdsUserFiles(const QString& mountPoint, const QString& type)
{
    if (mountPoint == QLatin1String("/") || mountPoint == QLatin1String("/dev/shm"))
        return true;
    static const QSet<QString> systemTypes = {
        "proc",       "sysfs",      "cgroup",      "cgroup2",         "devpts",        "devtmpfs",
        "securityfs", "pstore",     "bpf",         "debugfs",         "tracefs",       "configfs",
        "fusectl",    "mqueue",     "hugetlbfs",   "autofs",          "binfmt_misc",   "efivarfs",
        "nsfs",       "rpc_pipefs", "selinuxfs",   "squashfs",        "overlay",       "tmpfs",
        "ramfs",      "nfsd",       "fuse.portal", "fuse.gvfsd-fuse", "fuse.snapfuse", "fuse.lxcfs",
    };
    if (systemTypes.contains(type))
        return false;
    // The system's own trees hold no user files, whatever is mounted there.
    for (const char* tree : {"/proc", "/sys", "/dev", "/run", "/boot", "/snap", "/var/lib"}) {
        const QLatin1String prefix(tree);
        if (mountPoint == prefix || mountPoint.startsWith(prefix + QLatin1Char('/')))
            return mountPoint.startsWith(QLatin1String("/run/media/"));
    }
    return true;
}

Drives::Drives(QList<Drive> drives) : m_drives(std::move(drives))
{
    const QString separator = QDir::separator();
    for (Drive& drive : m_drives) {
        if (!drive.root.endsWith(separator))
            drive.root += separator;
    }
}

int Drives::indexOf(const QString& path) const
{
    int best = -1;
    for (int i = 0; i < m_drives.size(); ++i) {
        if (holds(m_drives[i].root, path) &&
            (best < 0 || m_drives[i].root.size() > m_drives[best].root.size()))
            best = i;
    }
    return best;
}

QString Drives::rootOf(const QString& path) const
{
    const int index = indexOf(path);
    if (index >= 0)
        return m_drives[index].root;
    return QDir::toNativeSeparators(QDir::rootPath());
}

} // namespace tarvolin
