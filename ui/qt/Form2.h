#pragma once

#include <QWidget>

namespace tarvolin {

// The About window: the emblem, the product and version, the author's
// address and the note that the program is free to use and pass on, built
// from the stored layout layout::form2 (ui/Layout.h). It has no behaviour
// of its own and no owner; closing it destroys it.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    Form2();

signals:
    // The window has been closed: it is hidden and will be deleted once the
    // event loop turns again, so whoever holds it must not show it again.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace tarvolin
