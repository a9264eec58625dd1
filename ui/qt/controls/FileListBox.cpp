#include "ui/qt/controls/FileListBox.h"

#include "ui/FileListRefresh.h"
#include "ui/FolderFollowing.h"
#include "ui/qt/services/NativeNames.h"

#include <QFileInfo>
#include <QScrollBar>

#include <optional>
#include <utility>

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
    fill(FolderModel::files(m_nativePath));
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
    const QList<QListWidgetItem*> selected = selectedItems();
    std::vector<FolderModel::Entry> read = FolderModel::files(m_nativePath);
    const std::optional<FileListRefresh::Refill> refill = FileListRefresh::refill(
        m_entries, read,
        selected.isEmpty() ? std::nullopt
                           : std::optional<size_t>(static_cast<size_t>(row(selected.first()))));
    if (!refill)
        return;
    const int top = verticalScrollBar()->value();
    const Refilling quiet(*this);
    fill(std::move(read));
    if (refill->selected)
        setCurrentRow(static_cast<int>(*refill->selected), QItemSelectionModel::ClearAndSelect);
    verticalScrollBar()->setValue(top);
}

void FileListBox::fill(std::vector<FolderModel::Entry> entries)
{
    clear();
    m_entries = std::move(entries);
    for (const FolderModel::Entry& entry : m_entries) {
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
