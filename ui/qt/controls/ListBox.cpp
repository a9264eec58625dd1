#include "ui/qt/controls/ListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace tarvolin {

namespace {

// Keys that move the caret: they select where it lands.
bool movesCaret(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        // A typed character searches the entries by their first letters.
        const Qt::KeyboardModifiers held = event->modifiers() & ~Qt::ShiftModifier;
        return held == Qt::NoModifier && !event->text().isEmpty() && event->text()[0].isPrint();
    }
}

} // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemSelectionChanged, this, &ListBox::onSelectionChanged);
}

void ListBox::mousePressEvent(QMouseEvent* event)
{
    QListWidgetItem* target = itemAt(event->position().toPoint());
    if (target == nullptr) {
        // The blank area below the entries: the list takes the focus, nothing more.
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    const int clicksBefore = m_clicks;
    QListWidget::mousePressEvent(event);
    // A click on the entry already selected changes no selection but is a click all the same.
    if (m_clicks == clicksBefore && target->isSelected())
        raiseClicked();
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    const bool caretKey = movesCaret(event);
    // Without a caret (a refilled list keeps the focus) the view would take
    // any caret key to the first entry; from a caret on it End goes to the end.
    if (caretKey && currentItem() == nullptr && count() > 0)
        setCurrentRow(0, QItemSelectionModel::NoUpdate);
    const int clicksBefore = m_clicks;
    QListWidget::keyPressEvent(event);
    QListWidgetItem* caret = currentItem();
    if (!caretKey || caret == nullptr)
        return;
    // The caret may stay where it stood (Home on the first entry, a letter
    // that finds the entry under it, the entry the Tab into the list marked):
    // what it stands on is selected and clicked all the same.
    if (!caret->isSelected())
        setCurrentItem(caret, QItemSelectionModel::ClearAndSelect);
    if (m_clicks == clicksBefore)
        raiseClicked();
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const
{
    // Only the user's choice of another entry changes the selection: no
    // clearing by a click beside the entries, no deselecting by Ctrl.
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    return command;
}

void ListBox::onSelectionChanged()
{
    // Only a selection counts: the list's focus alone marks an entry without selecting it.
    if (!m_refilling && !selectedItems().isEmpty())
        raiseClicked();
}

void ListBox::raiseClicked()
{
    ++m_clicks;
    emit clicked();
}

} // namespace tarvolin
