#include "ui/qt/controls/DriveListBox.h"

#include "ui/qt/controls/DriveListAccessible.h"

#include <QSignalBlocker>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

namespace tarvolin {

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent)
{
    DriveListAccessible::install();
    // Every choice counts, the drive already chosen too: it brings the
    // folder list back to that drive's root from wherever it went.
    connect(this, &QComboBox::activated, this, &DriveListBox::changed);
}

DriveListBox::~DriveListBox()
{
    m_mountWatch.reset();
    if (m_mountTable >= 0)
        ::close(m_mountTable);
}

void DriveListBox::setDrives(const Drives& drives, const QString& path)
{
    m_drives = drives;
    fill(drives.rootOf(path));
    if (drives.indexOf(path) < 0)
        setCurrentIndex(-1);
    if (drives.followsSystem())
        watchMountTable();
}

QString DriveListBox::drive() const
{
    return currentData().toString();
}

void DriveListBox::choose(const QString& path)
{
    setCurrentIndex(m_drives.indexOf(path));
}

void DriveListBox::updateDrives(const Drives& drives)
{
    const QString chosen = drive();
    m_drives = drives;
    fill(chosen.isEmpty() ? chosen : m_drives.rootOf(chosen));
}

void DriveListBox::fill(const QString& chosenRoot)
{
    const QSignalBlocker quiet(this);
    clear();
    for (const Drives::Drive& drive : m_drives.list())
        addItem(drive.label, drive.root);
    setCurrentIndex(findData(chosenRoot));
}

void DriveListBox::watchMountTable()
{
    if (m_mountWatch)
        return;
    // The kernel marks the mount table with an exceptional condition (POLLPRI)
    // whenever a file system is mounted or unmounted; until then the list
    // costs nothing.
    m_mountTable = ::open("/proc/self/mounts", O_RDONLY | O_CLOEXEC);
    if (m_mountTable < 0)
        return;
    m_mountWatch = std::make_unique<QSocketNotifier>(m_mountTable, QSocketNotifier::Exception);
    connect(m_mountWatch.get(), &QSocketNotifier::activated, this,
            [this] { updateDrives(Drives::system()); });
}

} // namespace tarvolin
