#include "FileListBox.h"

#include "NameText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>

#include <algorithm>
#include <vector>

#ifndef _WIN32
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace tarvolin {

namespace {

constexpr int nativeNameRole = Qt::UserRole;
constexpr int settleMilliseconds = 200;

// A folder's native bytes and Qt's form of it. On Windows the native form
// is UTF-8, as the file services take it; elsewhere the file system's bytes.
std::string nativeOf(const QString& folder)
{
#ifdef _WIN32
    return folder.toStdString();
#else
    return QFile::encodeName(folder).toStdString();
#endif
}

QString qtPathOf(const std::string& folder)
{
#ifdef _WIN32
    return QString::fromStdString(folder);
#else
    return QFile::decodeName(QByteArray::fromStdString(folder));
#endif
}

struct Entry
{
    std::string native;
    QString shown;
};

// The folder's files, hidden and system files left out: on Windows through
// Qt, whose names are exact there; elsewhere by the names' own bytes.
std::vector<Entry> filesOf(const QString& folder, const std::string& nativeFolder)
{
    std::vector<Entry> entries;
#ifdef _WIN32
    (void)nativeFolder;
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        entries.push_back({name.toStdString(), name});
#else
    (void)folder;
    DIR* listing = ::opendir(nativeFolder.c_str());
    if (listing == nullptr)
        return entries;
    const std::string prefix = nativeFolder.ends_with('/') ? nativeFolder : nativeFolder + '/';
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (name.starts_with('.'))
            continue; // hidden, and "." and ".."
        // Regular files, and links to them; no folders, devices, pipes or sockets.
        struct stat info;
        if (::stat((prefix + name).c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        entries.push_back({name, QString::fromStdString(NameText::readable(name))});
    }
    ::closedir(listing);
#endif
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        const int order = a.shown.compare(b.shown, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.native < b.native;
    });
    return entries;
}

} // namespace

FileListBox::FileListBox(QWidget* parent) : ListBox(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleMilliseconds);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle,
            qOverload<>(&QTimer::start));
    connect(&m_settle, &QTimer::timeout, this, &FileListBox::refresh);
}

void FileListBox::setPath(const QString& folder)
{
    setNativePath(nativeOf(folder));
}

void FileListBox::setNativePath(const std::string& folder)
{
    m_nativePath = folder;
    m_path = QString::fromStdString(NameText::readable(folder));
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    m_settle.stop();
    const QString watched = qtPathOf(folder);
    if (QFileInfo(watched).isDir())
        m_watcher.addPath(watched);
    const Refilling quiet(*this);
    fill();
    setCurrentRow(-1);
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
    for (const Entry& entry : filesOf(m_path, m_nativePath)) {
        auto* item = new QListWidgetItem(entry.shown, this);
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
