#pragma once

#include "ui/qt/controls/ListBox.h"

#include <string>

namespace tarvolin {

class Drives;

// The folder list: the drive's root, every folder down to the current one,
// then the current folder's subfolders, each indented one step below its
// parent. Opening an entry (double-click or Enter) makes it the current
// folder. The caret keys select as in every list box (see ListBox).
class DirListBox : public ListBox
{
    Q_OBJECT

public:
    explicit DirListBox(QWidget* parent = nullptr);

    // Where the roots of the drives lie; the list starts at the root of the
    // drive that holds its folder.
    void setDrives(const Drives* drives) { m_drives = drives; }

    // The current folder as shown (a folder named in GBK reads as Chinese);
    // only a root ends in a separator.
    QString path() const { return m_path; }
    // The current folder in the file system's bytes, for file operations.
    const std::string& nativePath() const { return m_nativePath; }

    // Makes folder the current one, refills the list and raises changed()
    // before it returns. A folder that does not exist (or a drive that is
    // not ready) changes nothing and gives false.
    bool setPath(const QString& folder);
    // The same with a full folder path in the file system's bytes, which
    // need not be UTF-8; only a root ends in a separator.
    bool setNativePath(const std::string& folder);

signals:
    void changed();

private:
    void open(QListWidgetItem* item);
    void refill();

    const Drives* m_drives = nullptr;
    QString m_path;
    std::string m_nativePath;
};

} // namespace tarvolin
