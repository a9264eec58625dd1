#include "DriveListBox.h"

#include <QSignalBlocker>

namespace tarvolin {

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::activated, this, &DriveListBox::onActivated);
}

void DriveListBox::setDrives(const Drives& drives, const QString& path)
{
    const QSignalBlocker quiet(this);
    clear();
    for (const Drives::Drive& drive : drives.list())
        addItem(drive.label, drive.root);
    m_chosen = drives.indexOf(path);
    setCurrentIndex(m_chosen);
}

QString DriveListBox::drive() const
{
    return currentData().toString();
}

void DriveListBox::onActivated(int index)
{
    if (index == m_chosen)
        return;
    m_chosen = index;
    emit changed();
}

} // namespace tarvolin
