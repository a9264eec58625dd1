#pragma once

#include <QListWidget>

namespace tarvolin {

class FileListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit FileListBox(QWidget* parent = nullptr) : QListWidget(parent) {}
};

} // namespace tarvolin
