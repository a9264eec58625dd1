#include "DirListBox.h"

#include "Drives.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>
#include <QStyledItemDelegate>

namespace tarvolin {

namespace {

constexpr int pathRole = Qt::UserRole;
constexpr int levelRole = Qt::UserRole + 1;
constexpr int indentStep = 8; // pixels a level

// Draws each entry moved right by its level, icon and all.
class IndentingDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem moved(option);
        moved.rect.setLeft(option.rect.left() + index.data(levelRole).toInt() * indentStep);
        QStyledItemDelegate::paint(painter, moved, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QSize size = QStyledItemDelegate::sizeHint(option, index);
        return {size.width() + index.data(levelRole).toInt() * indentStep, size.height()};
    }
};

QString canonicalFolder(const QString& folder)
{
    QString path = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    const QString separator = QDir::separator();
    // "C:" names a drive's current folder, not its root.
    if (path.size() == 2 && path[1] == ':')
        path += separator;
    if (path.endsWith(separator) && !QDir(path).isRoot())
        path.chop(1);
    return path;
}

} // namespace

DirListBox::DirListBox(QWidget* parent) : ListBox(parent)
{
    setItemDelegate(new IndentingDelegate(this));
    connect(this, &QListWidget::itemActivated, this, &DirListBox::open);
}

bool DirListBox::setPath(const QString& folder)
{
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.exists() || !info.isDir())
        return false;
    m_path = canonicalFolder(folder);
    // A drive's root keeps its separator: "C:\", "/", "/home/".
    if (m_drives != nullptr) {
        const QString root = m_drives->rootOf(m_path);
        if (m_path == root.chopped(1))
            m_path = root;
    }
    refill();
    emit changed();
    return true;
}

void DirListBox::open(QListWidgetItem* item)
{
    const QString folder = item->data(pathRole).toString();
    if (folder == m_path)
        return;
    // A folder removed since the list was filled cannot be opened; the list
    // is refilled so that it no longer shows it.
    if (!setPath(folder))
        refill();
}

void DirListBox::refill()
{
    const Refilling quiet(*this);
    clear();
    const QString separator = QDir::separator();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    auto add = [&](const QString& text, const QString& path, int level, const QIcon& icon) {
        auto* item = new QListWidgetItem(icon, text, this);
        item->setData(pathRole, path);
        item->setData(levelRole, level);
        item->setToolTip(path);
    };

    // The root, then each folder on the way down to the current one.
    const QString root =
        m_drives != nullptr ? m_drives->rootOf(m_path) : QDir::toNativeSeparators(QDir::rootPath());
    add(root, root, 0, openIcon);
    int level = 0;
    QString path = root.chopped(1);
    for (const QString& name : m_path.mid(root.size()).split(separator, Qt::SkipEmptyParts)) {
        path += separator + name;
        add(name, path, ++level, openIcon);
    }
    setCurrentRow(count() - 1);

    // The current folder's subfolders.
    const QString prefix = m_path.endsWith(separator) ? m_path : m_path + separator;
    const QStringList subfolders =
        QDir(m_path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders)
        add(name, prefix + name, level + 1, closedIcon);
}

} // namespace tarvolin
