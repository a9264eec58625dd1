#pragma once

#include "platform/FolderModel.h"
#include "ui/qt/controls/ListBox.h"

#include <QFileSystemWatcher>
#include <QTimer>

#include <string>
#include <vector>

namespace tarvolin {

// The file list: the files of one folder (hidden and system files left
// out), sorted by name, at most one selected. Each entry keeps its name's
// bytes as the file system holds them and shows a readable form (a GBK name
// from a Chinese Windows archive reads as Chinese). The list follows its
// folder on disk: files that appear or go show up a moment later, and the
// selected entry stays selected.
class FileListBox : public ListBox
{
    Q_OBJECT

public:
    explicit FileListBox(QWidget* parent = nullptr);

    // The folder shown, readable.
    QString path() const { return m_path; }

    // Shows folder's files, none selected. A folder that cannot be listed
    // (removed, unreadable) shows no files.
    void setPath(const QString& folder);
    // The same with the folder's native bytes, which need not be UTF-8.
    void setNativePath(const std::string& folder);

    // The selected entry's bare name as shown; empty while none is selected.
    QString fileName() const;
    // The selected entry's bare name in the file system's bytes, for every
    // file operation; empty while none is selected.
    std::string nativeFileName() const;

    int entryCount() const { return count(); }

    // Selects the entry whose bytes are name and scrolls it into sight,
    // raising no clicked(); false when there is none.
    bool selectNative(const std::string& name);

    // Reads the folder again as FileListRefresh says: an unchanged list
    // stays as it is; otherwise the selected entry stays selected when it
    // is still there, and the list keeps its scroll position.
    void refresh();

private:
    void fill(std::vector<FolderModel::Entry> entries);

    QString m_path;
    std::string m_nativePath;
    // The files shown, in their order.
    std::vector<FolderModel::Entry> m_entries;
    QFileSystemWatcher m_watcher;
    // Changes come in bursts (a split writes a piece at a time): the list is
    // read again once they pause.
    QTimer m_settle;
};

} // namespace tarvolin
