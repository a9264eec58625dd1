#pragma once

#include <QListWidget>

namespace tarvolin {

class DirListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit DirListBox(QWidget* parent = nullptr) : QListWidget(parent) {}
};

} // namespace tarvolin
