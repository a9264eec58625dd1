#include "ui/qt/controls/DirListBox.h"

#include "platform/FileServices.h"
#include "ui/FolderList.h"
#include "ui/qt/controls/Drives.h"
#include "ui/qt/services/NativeNames.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>
#include <QStyledItemDelegate>

namespace tarvolin {

namespace {

constexpr int pathRole = Qt::UserRole;
constexpr int levelRole = Qt::UserRole + 1;

// Draws each entry moved right by its level, icon and all.
class IndentingDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem moved(option);
        moved.rect.setLeft(option.rect.left() +
                           index.data(levelRole).toInt() * FolderList::indentStep);
        QStyledItemDelegate::paint(painter, moved, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QSize size = QStyledItemDelegate::sizeHint(option, index);
        return {size.width() + index.data(levelRole).toInt() * FolderList::indentStep,
                size.height()};
    }
};

QString canonicalFolder(const QString& folder)
{
    QString path = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    const QString separator = QDir::separator();
    if (path.endsWith(separator) && !QDir(path).isRoot())
        path.chop(1);
    return path;
}

} // namespace

DirListBox::DirListBox(QWidget* parent) : ListBox(parent)
{
    setItemDelegate(new IndentingDelegate(this));
    setIconSize({FolderList::glyphSize, FolderList::glyphSize});
    connect(this, &QListWidget::itemActivated, this, &DirListBox::open);
}

bool DirListBox::setPath(const QString& folder)
{
    if (folder.isEmpty())
        return false;
    return setNativePath(NativeNames::native(canonicalFolder(folder)));
}

bool DirListBox::setNativePath(const std::string& folder)
{
    if (!FileServices::isFolder(folder))
        return false;
    m_nativePath = folder;
    m_path = NativeNames::shown(folder);
    // A drive's root keeps its separator: "/", "/home/".
    if (m_drives != nullptr) {
        const QString root = m_drives->rootOf(m_path);
        if (m_path == root.chopped(1)) {
            m_path = root;
            m_nativePath = NativeNames::native(root);
        }
    }
    refill();
    emit changed();
    return true;
}

void DirListBox::open(QListWidgetItem* item)
{
    const std::string folder = item->data(pathRole).toByteArray().toStdString();
    if (folder == m_nativePath)
        return;
    // A folder removed since the list was filled cannot be opened; the list
    // is refilled so that it no longer shows it.
    if (!setNativePath(folder))
        refill();
}

void DirListBox::refill()
{
    const Refilling quiet(*this);
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    auto add = [&](const QString& text, const std::string& path, int level, const QIcon& icon) {
        auto* item = new QListWidgetItem(icon, text, this);
        item->setData(pathRole, QByteArray::fromStdString(path));
        item->setData(levelRole, level);
        item->setToolTip(NativeNames::shown(path));
    };

    const QString root =
        m_drives != nullptr ? m_drives->rootOf(m_path) : QDir::toNativeSeparators(QDir::rootPath());
    const std::vector<FolderList::ListEntry> list =
        FolderList::folderList(NativeNames::native(root), m_nativePath);
    for (const FolderList::ListEntry& entry : list)
        add(QString::fromStdString(entry.readable), entry.path, entry.level,
            entry.open ? openIcon : closedIcon);
    setCurrentRow(static_cast<int>(FolderList::openIndex(list)));
}

} // namespace tarvolin
