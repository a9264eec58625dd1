#include "FileListBox.h"

#include <QDir>
#include <QMouseEvent>

namespace tarvolin {

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemSelectionChanged, this, &FileListBox::onSelectionChanged);
}

void FileListBox::setPath(const QString& folder)
{
    m_refilling = true;
    m_path = folder;
    clear();
    // Without QDir::Hidden and QDir::System, hidden (and on Windows system)
    // files stay out.
    addItems(QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
    setCurrentRow(-1);
    m_refilling = false;
}

QString FileListBox::fileName() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void FileListBox::mousePressEvent(QMouseEvent* event)
{
    QListWidgetItem* target = itemAt(event->position().toPoint());
    const bool alreadySelected = target != nullptr && target->isSelected();
    QListWidget::mousePressEvent(event);
    // A click on the entry already selected changes no selection but is a click all the same.
    if (alreadySelected && target->isSelected())
        emit clicked();
}

void FileListBox::onSelectionChanged()
{
    // Only a selection counts: the list's focus alone marks an entry without selecting it.
    if (!m_refilling && !selectedItems().isEmpty())
        emit clicked();
}

} // namespace tarvolin
