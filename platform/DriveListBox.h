#pragma once

#include <QComboBox>

namespace tarvolin {

class DriveListBox : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveListBox(QWidget* parent = nullptr) : QComboBox(parent) {}
};

} // namespace tarvolin
