#include "Drives.h"

#include <QDir>
#include <QSet>
#include <QStorageInfo>

#include <algorithm>

namespace tarvolin {

namespace {

#ifdef _WIN32
constexpr Qt::CaseSensitivity pathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity pathCase = Qt::CaseSensitive;
#endif

// True when root (which ends in a separator) holds path: the root itself,
// written with or without its separator, or a path below it.
bool holds(const QString& root, const QString& path)
{
    return path.startsWith(root, pathCase) || path.compare(root.chopped(1), pathCase) == 0;
}

} // namespace

Drives Drives::system()
{
    QList<Drive> drives;
    QSet<QByteArray> devices;
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    // Shortest roots first, so a device mounted twice keeps its main mount point.
    std::stable_sort(volumes.begin(), volumes.end(), [](const auto& a, const auto& b) {
        return a.rootPath().size() < b.rootPath().size();
    });
    for (const QStorageInfo& volume : volumes) {
        if (!volume.isValid())
            continue;
#ifndef _WIN32
        if (devices.contains(volume.device()))
            continue;
        devices.insert(volume.device());
#endif
        const QString mountPoint = QDir::toNativeSeparators(volume.rootPath());
#ifdef _WIN32
        const QString letter = mountPoint.left(2).toLower();
        const QString name = volume.name();
        drives.append({mountPoint, name.isEmpty() ? letter : letter + " [" + name + "]"});
#else
        drives.append({mountPoint, mountPoint});
#endif
    }
    std::sort(drives.begin(), drives.end(),
              [](const Drive& a, const Drive& b) { return a.root < b.root; });
    return Drives(drives);
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
