#pragma once

#include "ui/qt/controls/Drives.h"

#include <QComboBox>

#include <memory>

class QSocketNotifier;

namespace tarvolin {

// The drive list: every drive of the machine, one of them chosen. The
// machine's drives follow its mount table: a medium plugged in or removed
// shows up at once, without polling.
class DriveListBox : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveListBox(QWidget* parent = nullptr);
    ~DriveListBox() override;

    // Fills the list with drives and chooses the one that holds path.
    void setDrives(const Drives& drives, const QString& path);

    // The drives the list shows; the same object for the list's lifetime.
    const Drives& drives() const { return m_drives; }

    // The chosen drive's root folder.
    QString drive() const;

    // Chooses the drive that holds path, raising no changed().
    void choose(const QString& path);

    // Shows drives in place of the old ones, keeping the chosen drive when it
    // is still there, else choosing the one that now holds its root.
    void updateDrives(const Drives& drives);

signals:
    // The user chose a drive, the chosen one again included: the folder
    // list goes to its root.
    void changed();

private:
    void fill(const QString& chosenRoot);
    void watchMountTable();

    Drives m_drives{QList<Drives::Drive>()};
    int m_mountTable = -1;
    std::unique_ptr<QSocketNotifier> m_mountWatch;
};

} // namespace tarvolin
