#include "ui/qt/controls/DriveListAccessible.h"

#include "ui/qt/controls/DriveListBox.h"

namespace tarvolin {

DriveListAccessible::DriveListAccessible(DriveListBox* list)
    : QAccessibleWidget(list, QAccessible::ComboBox)
{
}

QString DriveListAccessible::text(QAccessible::Text t) const
{
    const auto* list = static_cast<const DriveListBox*>(widget());
    switch (t) {
    case QAccessible::Name:
        return list->accessibleName();
    case QAccessible::Value:
        return list->currentText();
    default:
        return QAccessibleWidget::text(t);
    }
}

void DriveListAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
            if (auto* list = qobject_cast<DriveListBox*>(object))
                return new DriveListAccessible(list);
            return nullptr;
        });
        return true;
    }();
    (void)installed;
}

} // namespace tarvolin
