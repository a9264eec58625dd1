#pragma once

#include <QListWidget>

namespace tarvolin {

// A list box as a desktop user knows it: single selection that only the user
// changes. A click or a caret key (Home, End, the arrows, Page Up, Page Down,
// a typed letter) selects the entry under the caret and raises clicked(), even
// when that entry is already selected. A click on the blank area below the
// entries, or a Ctrl+click on the selected entry, leaves the selection alone.
// Entering the list by Tab selects nothing.
class ListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent = nullptr);

signals:
    // The user selected an entry, by mouse or by keyboard.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

    // Changes of the selection made by the program itself while refilling
    // raise no clicked().
    class Refilling
    {
    public:
        explicit Refilling(ListBox& list) : m_list(list), m_was(list.m_refilling)
        {
            m_list.m_refilling = true;
        }
        ~Refilling() { m_list.m_refilling = m_was; }
        Refilling(const Refilling&) = delete;
        Refilling& operator=(const Refilling&) = delete;

    private:
        ListBox& m_list;
        bool m_was;
    };

private:
    void onSelectionChanged();
    void raiseClicked();

    bool m_refilling = false;
    int m_clicks = 0;
};

} // namespace tarvolin
