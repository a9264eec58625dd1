#pragma once

#include <QAccessibleWidget>

namespace tarvolin {

class DriveListBox;

// The drive list as a screen reader sees it: a combo box named by its own
// accessible name, with the chosen drive as its value. (Qt names a combo box
// on Linux by its current entry, so the list would be read as "/" or "C:".)
class DriveListAccessible : public QAccessibleWidget
{
public:
    explicit DriveListAccessible(DriveListBox* list);

    QString text(QAccessible::Text t) const override;

    // Makes every drive list speak through this class; once is enough.
    static void install();
};

} // namespace tarvolin
