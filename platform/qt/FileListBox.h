#pragma once

#include <QListWidget>

namespace tarvolin {

// The file list: the files of one folder (hidden and system files left
// out), sorted by name, at most one selected.
class FileListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit FileListBox(QWidget* parent = nullptr);

    QString path() const { return m_path; }

    // Shows folder's files, none selected. A folder that cannot be listed
    // (removed, unreadable) shows no files.
    void setPath(const QString& folder);

    // The selected entry's bare name; empty while none is selected.
    QString fileName() const;

    int entryCount() const { return count(); }

signals:
    // The user selected an entry, by mouse or by keyboard.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void onSelectionChanged();

    QString m_path;
    bool m_refilling = false;
};

} // namespace tarvolin
