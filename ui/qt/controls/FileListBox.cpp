#include "ui/qt/controls/FileListBox.h"

#include "platform/FolderModel.h"
#include "platform/qt/NativeNames.h"
#include "ui/FolderFollowing.h"

#include <QFileInfo>
#include <QScrollBar>

namespace tarvolin {

namespace {

constexpr int nativeNameRole = Qt::UserRole;

} // namespace

FileListBox::FileListBox(QWidget* parent) : ListBox(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(FolderFollowing::settle);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle,
            qOverload<>(&QTimer::start));
    connect(&m_settle, &QTimer::timeout, this, &FileListBox::refresh);
}

void FileListBox::setPath(const QString& folder)
{
    setNativePath(NativeNames::native(folder));
}

void FileListBox::setNativePath(const std::string& folder)
{
    m_nativePath = folder;
    m_path = NativeNames::shown(folder);
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    m_settle.stop();
    const QString watched = NativeNames::forQt(folder);
    if (QFileInfo(watched).isDir())
        m_watcher.addPath(watched);
    const Refilling quiet(*this);
    fill();
    setCurrentRow(-1);
}

bool FileListBox::selectNative(const std::string& name)
{
    for (int row = 0; row < count(); ++row) {
        if (item(row)->data(nativeNameRole).toByteArray().toStdString() == name) {
            const Refilling quiet(*this);
            setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
            scrollToItem(item(row));
            return true;
        }
    }
    return false;
}

void FileListBox::refresh()
{
    const std::string selected = nativeFileName();
    const int top = verticalScrollBar()->value();
    const Refilling quiet(*this);
    fill();
    for (int row = 0; row < count() && !selected.empty(); ++row) {
        if (item(row)->data(nativeNameRole).toByteArray().toStdString() == selected) {
            setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
            break;
        }
    }
    verticalScrollBar()->setValue(top);
}

void FileListBox::fill()
{
    clear();
    for (const FolderModel::Entry& entry : FolderModel::files(m_nativePath)) {
        auto* item = new QListWidgetItem(QString::fromStdString(entry.readable), this);
        item->setData(nativeNameRole, QByteArray::fromStdString(entry.native));
    }
}

QString FileListBox::fileName() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

std::string FileListBox::nativeFileName() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? std::string()
                              : selected.first()->data(nativeNameRole).toByteArray().toStdString();
}

} // namespace tarvolin
