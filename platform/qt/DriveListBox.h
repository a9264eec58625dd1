#pragma once

#include "Drives.h"

#include <QComboBox>

namespace tarvolin {

// The drive list: every drive of the machine, one of them chosen.
class DriveListBox : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveListBox(QWidget* parent = nullptr);

    // Fills the list with drives and chooses the one that holds path.
    void setDrives(const Drives& drives, const QString& path);

    // The chosen drive's root folder.
    QString drive() const;

signals:
    // The user chose another drive.
    void changed();

private:
    void onActivated(int index);

    int m_chosen = -1;
};

} // namespace tarvolin
